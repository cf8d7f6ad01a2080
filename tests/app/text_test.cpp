// Case mapping of UTF-8 names.
#include <gtest/gtest.h>

#include "app/text.h"

TEST(TextCase, MapsUnicodeLettersAndKeepsBrokenBytes) {
    const struct {
        const char* text;
        const char* upper;
        const char* lower;
        const char* title;
    } cases[] = {
        {"photo", "PHOTO", "photo", "Photo"},
        {"pHOTO 12", "PHOTO 12", "photo 12", "Photo 12"},
        {"élan", "ÉLAN", "élan", "Élan"},
        {"STRAßE", "STRAßE", "straße", "Straße"},  // ß has no single upper-case letter
        {"Ωμέγα", "ΩΜΈΓΑ", "ωμέγα", "Ωμέγα"},
        {"a\xff" "b", "A\xff" "B", "a\xff" "b", "A\xff" "b"},  // an invalid byte passes through
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextUpper(c.text), c.upper) << c.text;
        EXPECT_EQ(TextLower(c.text), c.lower) << c.text;
        EXPECT_EQ(TextTitle(c.text), c.title) << c.text;
    }
}
