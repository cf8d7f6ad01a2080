// Writes a 24-bit run-length PCX test card of any size: colour bars over a grey ramp, with a
// fine diagonal pattern so that the picture is not trivially compressible.
// Usage: make_pcx WIDTH HEIGHT OUT.pcx
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <vector>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::size_t at, int value) {
    out[at] = static_cast<std::uint8_t>(value & 0xFF);
    out[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// Run-length encodes one plane of one scan line.
void EncodeLine(const std::uint8_t* line, int length, std::vector<std::uint8_t>& out) {
    for (int x = 0; x < length;) {
        int run = 1;
        while (x + run < length && run < 63 && line[x + run] == line[x]) ++run;
        if (run > 1 || line[x] >= 0xC0) out.push_back(static_cast<std::uint8_t>(0xC0 | run));
        out.push_back(line[x]);
        x += run;
    }
}

void CardPixel(int x, int y, int width, int height, std::uint8_t rgb[3]) {
    static const std::uint8_t bars[8][3] = {{255, 255, 255}, {255, 255, 0}, {0, 255, 255}, {0, 255, 0},
                                            {255, 0, 255},   {255, 0, 0},   {0, 0, 255},   {0, 0, 0}};
    if (y < height * 2 / 3) {
        const int bar = std::min(7, x * 8 / std::max(1, width));
        const int ripple = ((x + y) % 16) < 8 ? 0 : 24;  // diagonal stripes inside the bars
        for (int c = 0; c < 3; ++c)
            rgb[c] = static_cast<std::uint8_t>(bars[bar][c] > 127 ? bars[bar][c] - ripple : bars[bar][c] + ripple);
    } else {
        const auto level = static_cast<std::uint8_t>(x * 255 / std::max(1, width - 1));
        rgb[0] = rgb[1] = rgb[2] = level;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_pcx WIDTH HEIGHT OUT.pcx\n");
        return 2;
    }
    const int width = std::atoi(argv[1]), height = std::atoi(argv[2]);
    if (width < 1 || height < 1 || width > 65535 || height > 65535) {
        std::fprintf(stderr, "make_pcx: width and height must be 1 to 65535\n");
        return 2;
    }
    const int bytesPerLine = (width + 1) / 2 * 2;
    std::vector<std::uint8_t> out(128, 0);
    out[0] = 10;  // manufacturer
    out[1] = 5;   // version
    out[2] = 1;   // run-length encoding
    out[3] = 8;   // bits per pixel per plane
    Put16(out, 8, width - 1);
    Put16(out, 10, height - 1);
    Put16(out, 12, 72);
    Put16(out, 14, 72);
    out[65] = 3;  // planes
    Put16(out, 66, bytesPerLine);
    Put16(out, 68, 1);
    std::vector<std::uint8_t> planes(static_cast<std::size_t>(bytesPerLine) * 3);
    for (int y = 0; y < height; ++y) {
        std::fill(planes.begin(), planes.end(), 0);
        for (int x = 0; x < width; ++x) {
            std::uint8_t rgb[3];
            CardPixel(x, y, width, height, rgb);
            for (int c = 0; c < 3; ++c) planes[static_cast<std::size_t>(c) * bytesPerLine + x] = rgb[c];
        }
        for (int c = 0; c < 3; ++c) EncodeLine(&planes[static_cast<std::size_t>(c) * bytesPerLine], bytesPerLine, out);
    }
    std::FILE* file = std::fopen(argv[3], "wb");
    if (!file) {
        std::perror(argv[3]);
        return 1;
    }
    const bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && ok ? 0 : 1;
}
