#include <gtest/gtest.h>

#include "app/identity.h"

TEST(Identity, VersionTextAndTitle) {
    EXPECT_EQ(MakeVersionText(270), "2.7");
    EXPECT_EQ(MakeVersionText(271), "2.7.1");
    EXPECT_EQ(MakeTitle(), "Quillon PCX to JPG 2.7");
}
