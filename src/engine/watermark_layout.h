// The arithmetic of the watermark stamp: splitting the text into lines, the size of a text
// block, the left edge of a line and the stamp's place in the picture. Plain inline functions
// with no dependencies, shared by the engine and the drawing module.
#pragma once

#include <climits>
#include <cmath>
#include <string>
#include <vector>

// The lines of a watermark text: "%eol%" in any letter case ends a line. A text without it is
// one line.
inline std::vector<std::string> SplitWatermarkLines(const std::string& text) {
    static const std::string marker = "%eol%";
    std::vector<std::string> lines;
    std::string::size_type start = 0, at = 0;
    while (at + marker.size() <= text.size()) {
        bool match = true;
        for (std::string::size_type k = 0; k < marker.size() && match; ++k) {
            char c = text[at + k];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            match = c == marker[k];
        }
        if (match) {
            lines.push_back(text.substr(start, at - start));
            at += marker.size();
            start = at;
        } else {
            ++at;
        }
    }
    lines.push_back(text.substr(start));
    return lines;
}

struct TextSize {
    int width = 0, height = 0;
};

struct TextBlock {
    int width = 0, height = 0;  // the block without padding
    int pitch = 0;              // distance from one line's top to the next one's
};

// The size of a block of lines measured one by one. Several lines take the largest width and
// the largest line height, neither below 10, and stack at line height + leading; a single line
// is exactly as large as measured.
inline TextBlock MeasureTextBlock(const std::vector<TextSize>& lines, int leading) {
    TextBlock block;
    if (lines.size() == 1) {
        block.width = lines[0].width;
        block.height = lines[0].height;
        block.pitch = lines[0].height + leading;
        return block;
    }
    int width = 10, lineHeight = 10;
    for (const TextSize& line : lines) {
        if (line.width > width) width = line.width;
        if (line.height > lineHeight) lineHeight = line.height;
    }
    block.width = width;
    block.pitch = lineHeight + leading;
    // Held in 64 bits and kept within int: a huge leading gives a block too tall to draw, never
    // a wrapped-around one.
    const long long height = lineHeight + static_cast<long long>(lines.size() - 1) * block.pitch;
    block.height = height > INT_MAX ? INT_MAX : height < INT_MIN ? INT_MIN : static_cast<int>(height);
    return block;
}

// Left edge of a line of width lineWidth in a canvas of width canvasWidth: 0 left (at the
// padding), 1 centre (padding plays no part), 2 right (padding in from the right edge).
inline int AlignLineX(int lineWidth, int canvasWidth, int alignment, int padding) {
    switch (alignment) {
    case 0: return padding;
    case 1: return static_cast<int>(std::lround(static_cast<float>(canvasWidth - lineWidth) / 2.0f));
    case 2: return canvasWidth - lineWidth - padding;
    default: return 0;
    }
}

struct StampPlace {
    int x = 0, y = 0;
    bool operator==(const StampPlace&) const = default;
};

// Top-left corner of a w x h stamp in an aw x ah area for the nine anchor positions (0 top left
// ... 8 bottom right, row by row), the offsets counting in from the anchor's edges. Any other
// position gives (0, 0).
inline StampPlace PlaceWatermark(int aw, int ah, int w, int h, int position, int ox, int oy) {
    if (position < 0 || position > 8) return {};
    const int column = position % 3, row = position / 3;
    StampPlace place;
    place.x = column == 0 ? ox : column == 1 ? (aw - w) / 2 : aw - w - ox;
    place.y = row == 0 ? oy : row == 1 ? (ah - h) / 2 : ah - h - oy;
    return place;
}
