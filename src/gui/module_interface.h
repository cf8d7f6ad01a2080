// The seam between the Qt-free executable and the Qt module (lumadex-gui.so beside it). The
// executable loads the module with dlopen only for window mode and for drawing, and talks to it
// through this one table of plain C functions. Keep it free of Qt and C++ library types.
#pragma once

#include <cstdint>

#define LUMADEX_MODULE_ABI 1

extern "C" {

// A picture made by the module: 32 bits a pixel in the byte order blue, green, red, alpha
// (a 32-bit FreeImage bitmap on little-endian), straight (not premultiplied) alpha, top line
// first. Filled by the module's drawing calls and given back with freeCanvas.
struct LumadexCanvas {
    int width;
    int height;
    int bytesPerLine;
    unsigned char* pixels;
    void* owner;  // the module's own record of the canvas
};

// Colours with alpha are written 0xAARRGGBB.
typedef std::uint32_t LumadexColor;

struct LumadexFontRequest {
    const char* family;  // UTF-8
    int pointSize;       // at the screen resolution
    int style;           // 1 bold, 2 italic, 3 both, anything else regular
    int effect;          // 1 underline, 2 strike-out, anything else none
};

// Four frame bands over a width x height picture, joined at mitred corners.
struct LumadexFrameBands {
    int width, height;
    int left, right, top, bottom;  // band widths in pixels
    LumadexColor leftColor, rightColor, topColor, bottomColor;
    int opacity;  // 0 to 255, applied to the bands as a whole
};

// A text stamp in the loaded watermark font.
struct LumadexTextStamp {
    const char* text;  // UTF-8, tokens already expanded; lines split at "%eol%" in any case
    int leading;       // extra pixels between lines
    int padding;       // pixels around the text block
    int alignment;     // 0 left, 1 centre, 2 right
    int antialiasing;  // 0 raster text, 1 antialiased vector text
    // Without antialiasing both colours carry their opacity in alpha; with antialiasing the
    // colours are opaque and the opacities below apply to the text and the box layers.
    LumadexColor textColor, backColor;
    int textOpacity, backOpacity;
};

struct LumadexModule {
    int abi;  // LUMADEX_MODULE_ABI
    // Window mode: runs the main window until the user quits; returns when it has ended.
    void (*runWindowMode)(int argc, char** argv);

    // Makes drawing possible (starts the off-screen platform when no application runs yet).
    // Returns 1 on success, else 0 with a reason in why (UTF-8, cut to whySize bytes).
    int (*startDrawing)(char* why, int whySize);
    // Fills the watermark font slot; 0 when no installed font provides or aliases the family.
    int (*loadWatermarkFont)(const LumadexFontRequest* request);
    void (*freeWatermarkFont)(void);
    // Draws the part (x, y, w, h) of the frame overlay into a w x h canvas. Returns 0 on failure.
    int (*drawFrameRegion)(const LumadexFrameBands* bands, int x, int y, int w, int h,
                           LumadexCanvas* out);
    // Draws a text stamp at its natural size; 0 when there is no font or nothing to draw.
    int (*drawTextStamp)(const LumadexTextStamp* stamp, LumadexCanvas* out);
    // Reads a PNG or JPEG picture (UTF-8 path) as a stamp, optionally grey, with an opacity
    // 0 to 255 applied to its alpha. Returns 0 when the file cannot be read.
    int (*drawPictureStamp)(const char* path, int greyscale, int opacity, LumadexCanvas* out);
    void (*freeCanvas)(LumadexCanvas* canvas);
};

// The module's one exported symbol.
const LumadexModule* lumadex_module(void);
}
