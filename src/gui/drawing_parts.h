// The module's drawing procedures behind the entry table, one file each.
#pragma once

#include <QFont>
#include <QImage>

#include "gui/module_interface.h"

// drawing_host.cpp
int StartDrawing(char* why, int whySize);

// canvas.cpp: hands a picture to the caller as a straight-alpha BGRA canvas.
bool ExportCanvas(QImage image, LumadexCanvas* out);
void FreeCanvas(LumadexCanvas* canvas);
QColor ToQColor(LumadexColor colour);

// watermark_font.cpp: the watermark font slot.
int LoadWatermarkFont(const LumadexFontRequest* request);
void FreeWatermarkFont();
// The loaded font, or nullptr.
const QFont* WatermarkFont();

// frame_overlay.cpp
int DrawFrameRegion(const LumadexFrameBands* bands, int x, int y, int w, int h, LumadexCanvas* out);

// text_stamp.cpp
int DrawTextStamp(const LumadexTextStamp* stamp, LumadexCanvas* out);

// picture_stamp.cpp
int DrawPictureStamp(const char* path, int greyscale, int opacity, LumadexCanvas* out);
