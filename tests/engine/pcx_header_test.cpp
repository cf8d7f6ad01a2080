// The header guard: which headers are refused before any decoding, at the edges of each rule.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "engine/pcx_header.h"
#include "engine/pcx_load.h"
#include "support/support.h"

namespace {

using testing_support::EncodePcx;
using testing_support::PcxPicture;

void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, int value) {
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// A sound 16 x 4 monochrome file; each case changes a few header bytes or the length.
std::vector<std::uint8_t> BaseFile() {
    PcxPicture p;
    p.bitsPerPixel = 1;
    p.width = 16;
    p.height = 4;
    p.pixels.assign(2 * 4, 0x5A);
    return EncodePcx(p);
}

struct GuardCase {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> change;
    bool loadable;
};

const GuardCase kGuardCases[] = {
    {"sound file", [](auto&) {}, true},
    {"manufacturer not 10", [](auto& b) { b[0] = 11; }, false},
    {"x window inverted", [](auto& b) { Put16(b, 4, 20); }, false},
    {"y window inverted", [](auto& b) { Put16(b, 6, 9); }, false},
    {"one-pixel window", [](auto& b) { Put16(b, 4, 15); Put16(b, 6, 3); }, true},
    {"non-zero window origin", [](auto& b) { Put16(b, 4, 100); Put16(b, 8, 115); }, true},
    // 16 pixels at 1 bit fill 2 bytes exactly; 17 do not.
    {"line exactly holds the width", [](auto& b) { Put16(b, 8, 23); Put16(b, 66, 3); }, true},
    {"line one pixel short", [](auto& b) { Put16(b, 8, 16); }, false},
    {"no bytes per line", [](auto& b) { Put16(b, 66, 0); }, false},
    {"8 bits need a byte per pixel", [](auto& b) { b[3] = 8; }, false},
    {"0 bits per pixel", [](auto& b) { b[3] = 0; }, false},
    {"3 bits per pixel", [](auto& b) { b[3] = 3; }, false},
    {"0 planes", [](auto& b) { b[65] = 0; }, false},
    {"5 planes", [](auto& b) { b[65] = 5; }, false},
    {"header only", [](auto& b) { b.resize(128); }, false},
    {"shorter than a header", [](auto& b) { b.resize(127); }, false},
    // 4 lines of 2 bytes: 8 declared bytes need at least one byte of data...
    {"one byte of data for 8 bytes", [](auto& b) { b.resize(129); }, true},
    // ...and 32 bytes per data byte is the most run-length encoding can yield.
    {"declared data at the run-length bound", [](auto& b) { b.resize(129); Put16(b, 10, 15); }, true},
    {"declared data past the run-length bound", [](auto& b) { b.resize(129); Put16(b, 10, 16); }, false},
};

TEST(PcxHeaderGuard, RefusesUnsoundHeaders) {
    for (const GuardCase& c : kGuardCases) {
        std::vector<std::uint8_t> bytes = BaseFile();
        c.change(bytes);
        PcxHeader header;
        const bool read = ReadPcxHeader(bytes.data(), bytes.size(), header);
        EXPECT_EQ(read && IsPcxLoadable(header, bytes.size()), c.loadable) << c.name;
        std::string reader;
        const Bitmap bitmap = LoadPcxMemory(bytes.data(), bytes.size(), reader);
        if (!c.loadable) {
            EXPECT_FALSE(bitmap) << c.name;
            EXPECT_EQ(reader, "") << c.name;
        }
    }
}

TEST(PcxHeaderGuard, ReadsWindowAndDepth) {
    std::vector<std::uint8_t> bytes = BaseFile();
    Put16(bytes, 4, 3);    // xMin
    Put16(bytes, 6, 65530);  // yMin
    Put16(bytes, 8, 18);
    Put16(bytes, 10, 65535);
    PcxHeader h;
    ASSERT_TRUE(ReadPcxHeader(bytes.data(), bytes.size(), h));
    EXPECT_EQ(h.width, 16u);
    EXPECT_EQ(h.height, 6u);
    EXPECT_EQ(h.bitsPerPixel, 1);
    EXPECT_EQ(h.planes, 1);
    EXPECT_EQ(h.bytesPerLine, 2);
}

// A header claiming 65535 x 65535 RGB pixels over a few bytes of runs is refused at once,
// through both ways in.
TEST(PcxHeaderGuard, SizeBombEndsAtOnce) {
    std::vector<std::uint8_t> bytes(128, 0);
    bytes[0] = 10, bytes[1] = 5, bytes[2] = 1, bytes[3] = 8, bytes[65] = 3;
    Put16(bytes, 8, 65534);
    Put16(bytes, 10, 65534);
    Put16(bytes, 66, 65534);
    for (int i = 0; i < 10; ++i) bytes.insert(bytes.end(), {0xC1, 0x00});
    testing_support::TempDir dir;
    testing_support::WriteFile(dir / "bomb.pcx", bytes);
    const auto start = std::chrono::steady_clock::now();
    std::string reader;
    EXPECT_FALSE(LoadPcxMemory(bytes.data(), bytes.size(), reader));
    EXPECT_FALSE(LoadPcxFile(dir / "bomb.pcx", reader));
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 0.5);
}

}  // namespace

namespace {

TEST(PcxHeaderGuard, FilesThatAreNotThereOrEmpty) {
    testing_support::TempDir dir;
    testing_support::WriteFile(dir / "empty.pcx", std::string());
    for (const std::string& path : {dir / "missing.pcx", dir.path(), dir / "empty.pcx"}) {
        std::string reader = "stale";
        EXPECT_FALSE(LoadPcxFile(path, reader)) << path;
        EXPECT_EQ(reader, "") << path;
    }
}

}  // namespace
