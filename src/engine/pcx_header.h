// The 128-byte PCX file header: reading it and deciding, before any decoding, whether a file is
// sound enough to hand to a reader.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kPcxHeaderSize = 128;

struct PcxHeader {
    std::uint8_t manufacturer = 0;  // 10 for every PCX file
    std::uint8_t version = 0;       // 0, 2, 3, 4 or 5
    std::uint8_t encoding = 0;      // 0 uncompressed, 1 run-length
    std::uint8_t bitsPerPixel = 0;  // bits of one pixel in one plane
    std::uint16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::uint8_t palette[48] = {};  // sixteen RGB triplets (or the CGA colour bytes)
    std::uint8_t planes = 0;
    std::uint16_t bytesPerLine = 0;  // of one plane
    // Derived from the window; 0 when the window is inverted.
    std::uint32_t width = 0, height = 0;
};

// Reads the header fields from the first 128 bytes; false when there are fewer.
bool ReadPcxHeader(const std::uint8_t* data, std::size_t size, PcxHeader& header);

// The guard both readers rely on. False for a file that is not PCX, has an empty or inverted
// window, a depth no PCX writer produces, lines too short for their width, or that declares
// more pixel data than its size can hold even at the best run-length ratio (a "size bomb").
bool IsPcxLoadable(const PcxHeader& header, std::uint64_t fileSize);

// Bytes of one decoded scan line over all planes.
inline std::uint64_t PcxLineBytes(const PcxHeader& h) {
    return static_cast<std::uint64_t>(h.bytesPerLine) * h.planes;
}
