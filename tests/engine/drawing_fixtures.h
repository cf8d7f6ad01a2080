// Helpers for the frame and watermark tests: a private environment for the drawing module,
// the drawing settings at their defaults, and finding where a colour landed in a picture.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "engine/drawing.h"
#include "settings/settings.h"
#include "step_bitmaps.h"
#include "support/support.h"

namespace drawing_fixtures {

// Starts the drawing module once per test program with the configuration, cache and runtime
// folders pointed at a private temporary folder.
inline void StartDrawingForTests() {
    static testing_support::TempDir* home = nullptr;
    if (!home) {
        home = new testing_support::TempDir;
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
            const std::string folder = home->path() + name;
            std::filesystem::create_directories(folder);
            std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
            setenv(name, folder.c_str(), 1);
        }
    }
    std::string why;
    ASSERT_TRUE(DrawingAvailable(why)) << why;
}

// Settings with no frame and no watermark; the drawing settings at their defaults.
inline void ResetDrawingSettings() { ResetSettings(true); }

struct Box {
    int left = -1, top = -1, right = -1, bottom = -1;  // inclusive; -1 when nothing matched
    bool operator==(const Box&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << "(" << box.left << "," << box.top << ")-(" << box.right << "," << box.bottom << ")";
}

// The smallest rectangle holding every pixel for which match is true (y from the top).
inline Box FindBox(FIBITMAP* bitmap, const std::function<bool(const step_bitmaps::Colour&)>& match) {
    Box box;
    const int width = static_cast<int>(FreeImage_GetWidth(bitmap));
    const int height = static_cast<int>(FreeImage_GetHeight(bitmap));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (!match(step_bitmaps::PixelRgba(bitmap, x, y))) continue;
            if (box.left < 0 || x < box.left) box.left = x;
            if (box.right < x) box.right = x;
            if (box.top < 0) box.top = y;
            box.bottom = y;
        }
    return box;
}

inline bool Near(const step_bitmaps::Colour& c, int r, int g, int b, int tolerance = 8) {
    return std::abs(c.r - r) <= tolerance && std::abs(c.g - g) <= tolerance && std::abs(c.b - b) <= tolerance;
}

}  // namespace drawing_fixtures
