// The program's own PCX reader and the load path around it, on small made-up files of every kind
// it handles, and on damaged files: runs that overshoot, data that ends early.
#include <gtest/gtest.h>

#include <functional>

#include "engine/pcx_load.h"
#include "engine/pcx_reader.h"
#include "support/support.h"

namespace {

using testing_support::EncodePcx;
using testing_support::PcxPicture;

struct Rgba {
    int r, g, b, a = 255;
    bool operator==(const Rgba&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rgba& c) {
    return out << "(" << c.r << "," << c.g << "," << c.b << "," << c.a << ")";
}

constexpr Rgba kBlack{0, 0, 0}, kWhite{255, 255, 255};

Rgba ColourAt(FIBITMAP* bitmap, int x, int y) {
    const testing_support::Pixel p = testing_support::PixelAt(bitmap, x, y);
    Rgba c{p.r, p.g, p.b};
    if (FreeImage_GetBPP(bitmap) == 32) {
        RGBQUAD q{};
        FreeImage_GetPixelColor(bitmap, static_cast<unsigned>(x), FreeImage_GetHeight(bitmap) - 1 - y, &q);
        c.a = q.rgbReserved;
    }
    return c;
}

// An indexed picture of any bits-per-pixel and plane count: plane k holds bits k*bits upwards of
// each pixel's index, pixels packed from the high bit of each byte.
PcxPicture Indexed(int bits, int planes, int width, int height, const std::vector<int>& indices) {
    PcxPicture p;
    p.bitsPerPixel = static_cast<std::uint8_t>(bits);
    p.planes = static_cast<std::uint8_t>(planes);
    p.width = width;
    p.height = height;
    const int bpl = testing_support::PcxBytesPerLine(p);
    p.pixels.assign(static_cast<std::size_t>(bpl) * planes * height, 0);
    const int mask = (1 << bits) - 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int k = 0; k < planes; ++k) {
                const int value = (indices[static_cast<std::size_t>(y * width + x)] >> (k * bits)) & mask;
                const int bit = x * bits;
                p.pixels[static_cast<std::size_t>((y * planes + k) * bpl + bit / 8)] |=
                    static_cast<std::uint8_t>(value << (8 - bits - bit % 8));
            }
    return p;
}

std::vector<int> Ramp(int count, int colours) {
    std::vector<int> v(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) v[static_cast<std::size_t>(i)] = (i * 7 + 3) % colours;
    return v;
}

std::vector<std::uint8_t> HeaderPalette(std::initializer_list<Rgba> colours) {
    std::vector<std::uint8_t> bytes;
    for (const Rgba& c : colours) bytes.insert(bytes.end(), {std::uint8_t(c.r), std::uint8_t(c.g), std::uint8_t(c.b)});
    bytes.resize(48, 0);
    return bytes;
}

// Sixteen distinct colours for header palettes.
std::vector<Rgba> Sixteen() {
    std::vector<Rgba> v;
    for (int i = 0; i < 16; ++i) v.push_back({i * 16, 255 - i * 16, (i * 53) % 256});
    return v;
}

std::vector<std::uint8_t> ToPalette(const std::vector<Rgba>& colours) {
    std::vector<std::uint8_t> bytes;
    for (const Rgba& c : colours) bytes.insert(bytes.end(), {std::uint8_t(c.r), std::uint8_t(c.g), std::uint8_t(c.b)});
    return bytes;
}

const std::vector<Rgba> kEga = {{0, 0, 0},       {0, 0, 170},     {0, 170, 0},     {0, 170, 170},
                                {170, 0, 0},     {170, 0, 170},   {170, 85, 0},    {170, 170, 170},
                                {85, 85, 85},    {85, 85, 255},   {85, 255, 85},   {85, 255, 255},
                                {255, 85, 85},   {255, 85, 255},  {255, 255, 85},  {255, 255, 255}};

struct Variant {
    const char* name;
    unsigned depth;  // of the bitmap the reader makes
    PcxPicture picture;
    std::vector<Rgba> expected;  // every pixel, top line first
};

// The expected colours of an indexed picture through a colour table.
std::vector<Rgba> Through(const std::vector<int>& indices, const std::vector<Rgba>& colours) {
    std::vector<Rgba> v;
    for (int i : indices) v.push_back(colours[static_cast<std::size_t>(i)]);
    return v;
}

std::vector<Variant> Variants() {
    std::vector<Variant> out;
    const std::vector<Rgba> sixteen = Sixteen();
    {
        // Monochrome is black and white whatever the header palette says.
        const auto bits = Ramp(9 * 3, 2);
        PcxPicture p = Indexed(1, 1, 9, 3, bits);
        p.palette16 = HeaderPalette({kWhite, kBlack});
        out.push_back({"monochrome", 1, p, Through(bits, {kBlack, kWhite})});
        p.encoding = 0;
        out.push_back({"monochrome uncompressed", 1, p, Through(bits, {kBlack, kWhite})});
        PcxPicture one = Indexed(1, 1, 1, 2, {1, 0});
        out.push_back({"monochrome one pixel wide", 1, one, {kWhite, kBlack}});
    }
    {
        const auto idx = Ramp(6 * 2, 4);
        const std::vector<Rgba> cga = {kBlack, {0, 255, 255}, {255, 0, 255}, kWhite};
        PcxPicture p = Indexed(2, 1, 6, 2, idx);
        p.palette16 = HeaderPalette({cga[0], cga[1], cga[2], cga[3]});
        out.push_back({"CGA with colours in the header", 4, p, Through(idx, cga)});
        // Background 1 (blue) in the high nibble of the first byte; the fourth byte selects the
        // cyan palette (0x40), bright (0x20).
        p.palette16.assign(48, 0);
        p.palette16[0] = 0x10;
        p.palette16[3] = 0x60;
        out.push_back({"CGA rules, bright cyan palette", 4, p, Through(idx, {kEga[1], kEga[11], kEga[13], kEga[15]})});
        // A version without palette information ignores colour-like bytes; dim green palette
        // on a red background.
        p.version = 3;
        p.palette16 = HeaderPalette({{0x40, 0, 0}, {1, 2, 3}, {4, 5, 6}});
        out.push_back({"CGA rules, version 3", 4, p, Through(idx, {kEga[4], kEga[2], kEga[4], kEga[6]})});
    }
    {
        const auto idx = Ramp(10 * 3, 4);
        PcxPicture p = Indexed(1, 2, 10, 3, idx);
        p.palette16 = ToPalette(sixteen);
        out.push_back({"1 bit x 2 planes", 4, p, Through(idx, sixteen)});
    }
    {
        const auto idx = Ramp(11 * 2, 8);
        PcxPicture p = Indexed(1, 3, 11, 2, idx);
        p.version = 4;
        p.palette16 = ToPalette(sixteen);
        out.push_back({"1 bit x 3 planes", 4, p, Through(idx, sixteen)});
    }
    {
        const auto idx = Ramp(5 * 3, 16);
        PcxPicture p = Indexed(4, 1, 5, 3, idx);
        p.palette16 = ToPalette(sixteen);
        out.push_back({"4 bits packed, odd width", 4, p, Through(idx, sixteen)});
    }
    {
        const auto idx = Ramp(9 * 3, 16);
        PcxPicture p = Indexed(1, 4, 9, 3, idx);
        p.palette16 = ToPalette(sixteen);
        out.push_back({"16-colour planar, width not a multiple of 8", 4, p, Through(idx, sixteen)});
        p.encoding = 0;
        out.push_back({"16-colour planar uncompressed", 4, p, Through(idx, sixteen)});
        p.encoding = 1;
        p.version = 3;
        out.push_back({"16-colour planar without palette (version 3)", 4, p, Through(idx, kEga)});
        p.version = 0;
        out.push_back({"16-colour planar without palette (version 0)", 4, p, Through(idx, kEga)});
        p.version = 5;
        p.palette16.assign(48, 0);
        out.push_back({"16-colour planar with an all-black palette", 4, p, Through(idx, kEga)});
    }
    {
        std::vector<Rgba> colours;
        for (int i = 0; i < 256; ++i) colours.push_back({i, (i * 3) % 256, 255 - i});
        const auto idx = Ramp(7 * 3, 256);
        std::vector<std::uint8_t> bytes(idx.begin(), idx.end());
        PcxPicture p = testing_support::MakeIndexed8Pcx(7, 3, bytes, ToPalette(colours));
        out.push_back({"256 colours, odd width", 8, p, Through(idx, colours)});
        p.encoding = 0;
        out.push_back({"256 colours uncompressed", 8, p, Through(idx, colours)});
        p.encoding = 1;
        p.palette256.clear();
        std::vector<Rgba> grey;
        for (int i = 0; i < 256; ++i) grey.push_back({i, i, i});
        out.push_back({"256 colours without the palette marker", 8, p, Through(idx, grey)});
    }
    {
        std::vector<std::uint8_t> rgb;
        std::vector<Rgba> expected;
        for (int i = 0; i < 5 * 3; ++i) {
            const Rgba c{i * 17, 250 - i * 9, (i * 71) % 256};
            rgb.insert(rgb.end(), {std::uint8_t(c.r), std::uint8_t(c.g), std::uint8_t(c.b)});
            expected.push_back(c);
        }
        PcxPicture p = testing_support::MakeRgbPcx(5, 3, rgb);
        out.push_back({"RGB", 24, p, expected});
        p.encoding = 0;
        out.push_back({"RGB uncompressed", 24, p, expected});
        PcxPicture narrow = testing_support::MakeRgbPcx(1, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
        out.push_back({"RGB one pixel wide", 24, narrow, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}});
    }
    {
        PcxPicture p;
        p.planes = 4;
        p.width = 3;
        p.height = 2;
        const int bpl = testing_support::PcxBytesPerLine(p);
        std::vector<Rgba> expected;
        p.pixels.assign(static_cast<std::size_t>(bpl) * 4 * 2, 0);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                const Rgba c{x * 100, y * 200, 50 + x, x * 120 + y};
                expected.push_back(c);
                const int values[4] = {c.r, c.g, c.b, c.a};
                for (int k = 0; k < 4; ++k) p.pixels[static_cast<std::size_t>((y * 4 + k) * bpl + x)] = std::uint8_t(values[k]);
            }
        out.push_back({"RGBA", 32, p, expected});
    }
    return out;
}

void ExpectPicture(FIBITMAP* bitmap, const Variant& v, const std::string& how) {
    ASSERT_NE(bitmap, nullptr) << v.name << " " << how;
    ASSERT_EQ(FreeImage_GetWidth(bitmap), static_cast<unsigned>(v.picture.width)) << v.name << " " << how;
    ASSERT_EQ(FreeImage_GetHeight(bitmap), static_cast<unsigned>(v.picture.height)) << v.name << " " << how;
    for (int y = 0; y < v.picture.height; ++y)
        for (int x = 0; x < v.picture.width; ++x)
            ASSERT_EQ(ColourAt(bitmap, x, y), v.expected[static_cast<std::size_t>(y * v.picture.width + x)])
                << v.name << " " << how << " at " << x << "," << y;
}

TEST(PcxReader, DecodesEveryKind) {
    testing_support::TempDir dir;
    for (const Variant& v : Variants()) {
        const std::vector<std::uint8_t> bytes = EncodePcx(v.picture);
        const Bitmap own = ReadPcx(bytes.data(), bytes.size());
        ExpectPicture(own.get(), v, "own reader");
        EXPECT_EQ(BitmapDepth(own), v.depth) << v.name;
        // The load path must give the same picture, whichever reader serves it.
        std::string reader;
        const Bitmap loaded = LoadPcxMemory(bytes.data(), bytes.size(), reader);
        ExpectPicture(loaded.get(), v, "from memory, " + reader);
        testing_support::WriteFile(dir / "v.pcx", bytes);
        std::string fileReader;
        const Bitmap fromFile = LoadPcxFile(dir / "v.pcx", fileReader);
        ExpectPicture(fromFile.get(), v, "from a file, " + fileReader);
        EXPECT_EQ(fileReader, reader) << v.name;
        EXPECT_TRUE(reader == "FreeImage" || reader == "fallback") << v.name << ": " << reader;
    }
}

// Hand-made pixel data after a header, for damaged files.
std::vector<std::uint8_t> WithData(const PcxPicture& header, std::vector<std::uint8_t> data) {
    PcxPicture p = header;
    p.pixels.clear();
    p.palette256.clear();
    std::vector<std::uint8_t> bytes = EncodePcx(p);
    bytes.resize(128);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

struct DamageCase {
    const char* name;
    PcxPicture header;
    std::vector<std::uint8_t> data;
    std::vector<Rgba> expected;
};

std::vector<DamageCase> DamageCases() {
    PcxPicture rgb = testing_support::MakeRgbPcx(4, 3, std::vector<std::uint8_t>(36, 0));
    // 4-bit picture whose palette entry 0 is white: missing pixels must still be black.
    PcxPicture nibbles = Indexed(4, 1, 4, 2, std::vector<int>(8, 0));
    nibbles.palette16 = HeaderPalette({kWhite, {255, 0, 0}, {0, 0, 255}, {1, 1, 1}, kBlack, {9, 9, 9}});
    const Rgba red{255, 0, 0}, blue{0, 0, 255};
    PcxPicture grey8 = testing_support::MakeIndexed8Pcx(4, 2, std::vector<std::uint8_t>(8, 0), {});
    grey8.palette256.clear();
    auto repeat = [](const Rgba& c, int n) { return std::vector<Rgba>(static_cast<std::size_t>(n), c); };
    auto join = [](std::vector<Rgba> a, const std::vector<Rgba>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const Rgba seven{7, 7, 7};
    return {
        {"data ends after the first line", rgb, {0xC4, 0xFF, 0xC4, 0xFF, 0xC4, 0xFF},
         join(repeat(kWhite, 4), repeat(kBlack, 8))},
        // Red and green of the first line arrive, blue never does: no pixel is complete.
        {"data ends inside a line", rgb, {0xC4, 0xFF, 0xC4, 0xFF}, repeat(kBlack, 12)},
        {"data ends inside a run marker", rgb, {0xC4, 0xFF, 0xC4, 0xFF, 0xC4, 0xFF, 0xC5}, join(repeat(kWhite, 4), repeat(kBlack, 8))},
        {"no pixel data, white palette entry 0", nibbles, {0xC0}, repeat(kBlack, 8)},
        // 0x12 = red, blue; the rest is missing.
        {"indexed data ends early", nibbles, {0x12, 0x12}, join({red, blue, red, blue}, repeat(kBlack, 4))},
        // One run of 63 bytes for two lines of 4: it fills both and writes nowhere else.
        {"run longer than the picture", grey8, {0xFF, 0x07, 0x01, 0x02}, repeat(seven, 8)},
        // A run crossing the end of a line carries on into the next line.
        {"run across a line end", grey8, {0x01, 0xC5, 0x07, 0x02, 0x03}, join({{1, 1, 1}, seven, seven, seven}, {seven, seven, {2, 2, 2}, {3, 3, 3}})},
        {"empty runs", grey8, {0xC0, 0x09, 0xC8, 0x07, 0xC0, 0x01}, repeat(seven, 8)},
    };
}

TEST(PcxReader, DamagedDataStaysInsideThePicture) {
    for (const DamageCase& c : DamageCases()) {
        const std::vector<std::uint8_t> bytes = WithData(c.header, c.data);
        const Bitmap own = ReadPcx(bytes.data(), bytes.size());
        ASSERT_TRUE(own) << c.name;
        Variant v{c.name, 0, c.header, c.expected};
        ExpectPicture(own.get(), v, "own reader");
    }
}

// The palette of a 256-colour file sits at its end; a file whose pixels fall short must not
// read the palette as pixels, and still gets its colours.
TEST(PcxReader, ShortPixelDataKeepsTheEndPalette) {
    std::vector<std::uint8_t> palette(768, 255);  // white everywhere ...
    palette[3 * 9] = 10, palette[3 * 9 + 1] = 20, palette[3 * 9 + 2] = 30;  // ... but entry 9
    palette[3 * 200] = palette[3 * 200 + 1] = palette[3 * 200 + 2] = 0;     // and a black entry
    PcxPicture p = testing_support::MakeIndexed8Pcx(4, 2, std::vector<std::uint8_t>(8, 0), palette);
    std::vector<std::uint8_t> bytes = WithData(p, {0xC4, 0x09});  // the first line only
    bytes.push_back(0x0C);
    bytes.insert(bytes.end(), palette.begin(), palette.end());
    const Bitmap own = ReadPcx(bytes.data(), bytes.size());
    const Rgba nine{10, 20, 30};
    Variant v{"short 256-colour", 8, p, {nine, nine, nine, nine, kBlack, kBlack, kBlack, kBlack}};
    ExpectPicture(own.get(), v, "own reader");
}

TEST(PcxReader, RefusesDepthsItCannotShow) {
    for (const auto& [bits, planes] : {std::pair{8, 2}, std::pair{4, 4}, std::pair{2, 3}, std::pair{4, 2}}) {
        PcxPicture p;
        p.bitsPerPixel = static_cast<std::uint8_t>(bits);
        p.planes = static_cast<std::uint8_t>(planes);
        p.width = 4;
        p.height = 2;
        p.pixels.assign(64, 1);
        const std::vector<std::uint8_t> bytes = EncodePcx(p);
        std::string reader;
        EXPECT_FALSE(ReadPcx(bytes.data(), bytes.size())) << bits << "x" << planes;
        EXPECT_FALSE(LoadPcxMemory(bytes.data(), bytes.size(), reader)) << bits << "x" << planes;
    }
}

}  // namespace
