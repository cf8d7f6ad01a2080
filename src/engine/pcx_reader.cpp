// The program's own PCX decoder: scan lines are decoded one at a time into a bounded buffer and
// turned into pixels of a FreeImage bitmap, with the palette rules of the header's version.
#include "engine/pcx_reader.h"

#include <algorithm>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

// The sixteen colours of the EGA and VGA text palette, used when a file carries no palette.
constexpr Rgb kEgaPalette[16] = {
    {0x00, 0x00, 0x00}, {0x00, 0x00, 0xAA}, {0x00, 0xAA, 0x00}, {0x00, 0xAA, 0xAA},
    {0xAA, 0x00, 0x00}, {0xAA, 0x00, 0xAA}, {0xAA, 0x55, 0x00}, {0xAA, 0xAA, 0xAA},
    {0x55, 0x55, 0x55}, {0x55, 0x55, 0xFF}, {0x55, 0xFF, 0x55}, {0x55, 0xFF, 0xFF},
    {0xFF, 0x55, 0x55}, {0xFF, 0x55, 0xFF}, {0xFF, 0xFF, 0x55}, {0xFF, 0xFF, 0xFF}};

// The foreground colours of the two CGA palettes (indices into the EGA colours), dim and bright.
constexpr int kCgaPalettes[2][2][3] = {{{2, 4, 6}, {10, 12, 14}},   // green, red, brown/yellow
                                       {{3, 5, 7}, {11, 13, 15}}};  // cyan, magenta, grey/white

constexpr std::size_t kVgaPaletteSize = 768;
constexpr std::uint8_t kVgaPaletteMarker = 0x0C;

// The pixel data as a stream of decoded bytes. A run that reaches past the end of a line carries
// on into the next one, so no run can write outside the line buffer it is decoded into.
struct PixelStream {
    const std::uint8_t* next;
    const std::uint8_t* end;
    bool runLength;
    unsigned runLeft = 0;
    std::uint8_t runValue = 0;
};

// Fills line with up to its size in decoded bytes; returns how many it could fill before the
// data ran out.
std::size_t DecodeLine(PixelStream& s, std::vector<std::uint8_t>& line) {
    const std::size_t size = line.size();
    std::size_t filled = 0;
    if (!s.runLength) {
        filled = std::min(size, static_cast<std::size_t>(s.end - s.next));
        std::copy(s.next, s.next + filled, line.begin());
        s.next += filled;
        return filled;
    }
    while (filled < size) {
        if (s.runLeft > 0) {
            const std::size_t count = std::min<std::size_t>(s.runLeft, size - filled);
            std::fill_n(line.begin() + static_cast<std::ptrdiff_t>(filled), count, s.runValue);
            filled += count;
            s.runLeft -= static_cast<unsigned>(count);
            continue;
        }
        if (s.next == s.end) break;
        const std::uint8_t byte = *s.next++;
        if ((byte & 0xC0) != 0xC0) {
            line[filled++] = byte;
            continue;
        }
        if (s.next == s.end) break;
        s.runLeft = byte & 0x3Fu;
        s.runValue = *s.next++;
    }
    return filled;
}

bool HeaderPaletteIsEmpty(const PcxHeader& h) {
    return std::all_of(std::begin(h.palette), std::end(h.palette), [](std::uint8_t v) { return v == 0; });
}

// Versions 0 (and the unused 1) and 3 were written without palette information.
bool VersionHasPalette(std::uint8_t version) { return version == 2 || version >= 4; }

std::vector<Rgb> CgaPalette(const PcxHeader& h) {
    // Later writers store four real colours in the header; the CGA rules use only the first
    // byte (background in its high nibble) and the fourth (palette selection), so anything in
    // the other bytes of the first four triplets marks a real RGB palette.
    const bool rgb = VersionHasPalette(h.version) &&
                     std::any_of(h.palette + 4, h.palette + 12, [](std::uint8_t v) { return v != 0; });
    std::vector<Rgb> colours(4);
    if (rgb) {
        for (int i = 0; i < 4; ++i) colours[i] = {h.palette[3 * i], h.palette[3 * i + 1], h.palette[3 * i + 2]};
        return colours;
    }
    const std::uint8_t info = h.palette[3];
    const int selection = (info & 0x40) ? 1 : 0;  // 0: green, red, brown; 1: cyan, magenta, grey
    const int bright = (info & 0x20) ? 1 : 0;
    colours[0] = kEgaPalette[h.palette[0] >> 4];
    for (int i = 0; i < 3; ++i) colours[i + 1] = kEgaPalette[kCgaPalettes[selection][bright][i]];
    return colours;
}

std::vector<Rgb> MakePalette(const PcxHeader& h, const std::uint8_t* data, std::size_t size) {
    const unsigned indexBits = static_cast<unsigned>(h.bitsPerPixel) * h.planes;
    if (indexBits == 1) return {{0, 0, 0}, {255, 255, 255}};
    if (indexBits == 2 && h.planes == 1) return CgaPalette(h);
    std::vector<Rgb> colours(std::size_t{1} << indexBits);
    if (indexBits <= 4) {
        const bool own = VersionHasPalette(h.version) && !HeaderPaletteIsEmpty(h);
        for (std::size_t i = 0; i < colours.size(); ++i)
            colours[i] = own ? Rgb{h.palette[3 * i], h.palette[3 * i + 1], h.palette[3 * i + 2]} : kEgaPalette[i];
        return colours;
    }
    if (PcxHasVgaPalette(data, size)) {
        const std::uint8_t* p = data + size - kVgaPaletteSize;
        for (std::size_t i = 0; i < 256; ++i) colours[i] = {p[3 * i], p[3 * i + 1], p[3 * i + 2]};
    } else {
        // Without its palette a 256-colour picture is best shown as shades of grey.
        for (std::size_t i = 0; i < 256; ++i) {
            const auto v = static_cast<std::uint8_t>(i);
            colours[i] = {v, v, v};
        }
    }
    return colours;
}

unsigned DarkestIndex(const std::vector<Rgb>& colours) {
    unsigned best = 0;
    for (unsigned i = 1; i < colours.size(); ++i)
        if (colours[i].r + colours[i].g + colours[i].b < colours[best].r + colours[best].g + colours[best].b)
            best = i;
    return best;
}

void SetIndex(BYTE* scan, unsigned bpp, unsigned x, unsigned index) {
    if (bpp == 8) {
        scan[x] = static_cast<BYTE>(index);
    } else if (bpp == 4) {
        BYTE& b = scan[x / 2];
        b = (x & 1) ? static_cast<BYTE>((b & 0xF0) | index) : static_cast<BYTE>((b & 0x0F) | (index << 4));
    } else {
        const auto bit = static_cast<BYTE>(0x80 >> (x & 7));
        scan[x / 8] = index ? (scan[x / 8] | bit) : (scan[x / 8] & ~bit);
    }
}

// How many pixels from the left of a line are complete when only filled bytes of it were
// decoded: a pixel needs its bytes in every plane, and the last plane comes last.
unsigned CompletePixels(const PcxHeader& h, std::size_t filled) {
    const std::size_t before = static_cast<std::size_t>(h.planes - 1) * h.bytesPerLine;
    if (filled <= before) return 0;
    const std::uint64_t bits = static_cast<std::uint64_t>(filled - before) * 8;
    return static_cast<unsigned>(std::min<std::uint64_t>(h.width, bits / h.bitsPerPixel));
}

Bitmap DecodeIndexed(const PcxHeader& h, PixelStream& stream, const std::vector<Rgb>& colours) {
    const unsigned indexBits = static_cast<unsigned>(h.bitsPerPixel) * h.planes;
    const unsigned bpp = indexBits == 1 ? 1 : indexBits <= 4 ? 4 : 8;
    Bitmap bitmap(FreeImage_Allocate(static_cast<int>(h.width), static_cast<int>(h.height), static_cast<int>(bpp)));
    if (!bitmap) return nullptr;
    RGBQUAD* palette = FreeImage_GetPalette(bitmap.get());
    for (unsigned i = 0; i < FreeImage_GetColorsUsed(bitmap.get()); ++i) {
        const Rgb c = i < colours.size() ? colours[i] : Rgb{0, 0, 0};
        palette[i] = RGBQUAD{c.b, c.g, c.r, 0};
    }
    const unsigned black = DarkestIndex(colours);
    const unsigned bits = h.bitsPerPixel;
    const unsigned mask = (1u << bits) - 1;
    std::vector<std::uint8_t> line(static_cast<std::size_t>(PcxLineBytes(h)));
    for (unsigned y = 0; y < h.height; ++y) {
        const std::size_t filled = DecodeLine(stream, line);
        const unsigned complete = CompletePixels(h, filled);
        BYTE* scan = FreeImage_GetScanLine(bitmap.get(), static_cast<int>(h.height - 1 - y));
        for (unsigned x = 0; x < h.width; ++x) {
            unsigned index = black;
            if (x < complete) {
                index = 0;
                const std::size_t offset = static_cast<std::size_t>(x) * bits / 8;
                const unsigned shift = 8 - bits - (x * bits) % 8;
                for (unsigned plane = 0; plane < h.planes; ++plane) {
                    const std::uint8_t byte = line[static_cast<std::size_t>(plane) * h.bytesPerLine + offset];
                    index |= ((byte >> shift) & mask) << (plane * bits);
                }
            }
            SetIndex(scan, bpp, x, index);
        }
    }
    return bitmap;
}

// Three planes (red, green, blue) make a 24-bit picture, four (with alpha) a 32-bit one.
Bitmap DecodeTrueColour(const PcxHeader& h, PixelStream& stream) {
    const unsigned channels = h.planes;
    Bitmap bitmap(FreeImage_Allocate(static_cast<int>(h.width), static_cast<int>(h.height),
                                     static_cast<int>(8 * channels), FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK,
                                     FI_RGBA_BLUE_MASK));
    if (!bitmap) return nullptr;
    static constexpr unsigned kChannelOffset[4] = {FI_RGBA_RED, FI_RGBA_GREEN, FI_RGBA_BLUE, FI_RGBA_ALPHA};
    std::vector<std::uint8_t> line(static_cast<std::size_t>(PcxLineBytes(h)));
    for (unsigned y = 0; y < h.height; ++y) {
        const std::size_t filled = DecodeLine(stream, line);
        const unsigned complete = CompletePixels(h, filled);
        BYTE* scan = FreeImage_GetScanLine(bitmap.get(), static_cast<int>(h.height - 1 - y));
        for (unsigned x = 0; x < h.width; ++x) {
            BYTE* pixel = scan + static_cast<std::size_t>(x) * channels;
            for (unsigned c = 0; c < channels; ++c)
                pixel[kChannelOffset[c]] =
                    x < complete ? line[static_cast<std::size_t>(c) * h.bytesPerLine + x] : (c == 3 ? 255 : 0);
        }
    }
    return bitmap;
}

}  // namespace

bool PcxHasVgaPalette(const std::uint8_t* data, std::size_t size) {
    return size >= kPcxHeaderSize + 1 + kVgaPaletteSize && data[size - kVgaPaletteSize - 1] == kVgaPaletteMarker;
}

bool PcxDataIsRegular(const std::uint8_t* data, std::size_t size, const PcxHeader& h) {
    if (size < kPcxHeaderSize) return false;
    const std::uint64_t lineBytes = PcxLineBytes(h);
    const std::uint8_t* next = data + kPcxHeaderSize;
    const std::uint8_t* const end = data + size;
    if (h.encoding == 0) return static_cast<std::uint64_t>(end - next) >= lineBytes * h.height;
    for (std::uint32_t y = 0; y < h.height; ++y) {
        std::uint64_t filled = 0;
        while (filled < lineBytes) {
            if (next == end) return false;
            const std::uint8_t byte = *next++;
            if ((byte & 0xC0) != 0xC0) {
                ++filled;
                continue;
            }
            if (next == end) return false;
            ++next;
            filled += byte & 0x3Fu;
        }
        if (filled > lineBytes) return false;
    }
    return true;
}

bool PcxReaderHandles(const PcxHeader& h) {
    switch (h.bitsPerPixel) {
        case 1: return h.planes >= 1 && h.planes <= 4;         // 2, 4, 8 or 16 colours
        case 2: case 4: return h.planes == 1;                   // CGA, 16 colours packed
        case 8: return h.planes == 1 || h.planes == 3 || h.planes == 4;  // 256, RGB, RGBA
        default: return false;
    }
}

Bitmap ReadPcx(const std::uint8_t* data, std::size_t size) {
    PcxHeader h;
    if (!ReadPcxHeader(data, size, h) || !IsPcxLoadable(h, size) || !PcxReaderHandles(h)) return nullptr;
    const bool trueColour = h.bitsPerPixel == 8 && h.planes >= 3;
    std::size_t dataEnd = size;
    std::vector<Rgb> colours;
    if (!trueColour) {
        colours = MakePalette(h, data, size);
        // The palette at the end is not pixel data, even for a file whose pixels fall short.
        if (colours.size() == 256 && PcxHasVgaPalette(data, size)) dataEnd = size - kVgaPaletteSize - 1;
    }
    PixelStream stream{data + kPcxHeaderSize, data + dataEnd, h.encoding != 0};
    return trueColour ? DecodeTrueColour(h, stream) : DecodeIndexed(h, stream, colours);
}
