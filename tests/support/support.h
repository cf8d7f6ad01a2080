// Shared helpers for the test programs: temporary folders, running the real executable,
// writing PCX fixtures and comparing decoded pictures.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/bitmap.h"

namespace testing_support {

// A fresh folder below /tmp, removed with its contents at the end of the scope. Ends in "/".
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

struct RunOptions {
    std::string workingDirectory;               // empty: a fresh temporary folder
    std::map<std::string, std::string> env;     // added to (or replacing) the environment
    std::string executable;                     // empty: the built lumadex
    double timeoutSeconds = 30;
};

struct RunResult {
    std::string out;   // standard output
    std::string err;   // standard error
    int exitCode = -1;
    bool timedOut = false;
    double seconds = 0;
};

// Runs lumadex with the arguments, standard input from /dev/null, and XDG_CONFIG_HOME and
// XDG_RUNTIME_DIR pointing at a private temporary folder unless options.env says otherwise.
RunResult RunLumadex(const std::vector<std::string>& args, const RunOptions& options = {});

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
void WriteFile(const std::string& path, const std::string& text);
bool FileExists(const std::string& path);

// A PCX picture to encode. pixels holds, for every line top to bottom, the bytes of every plane
// one after the other, bytesPerLine bytes each, exactly as the decoded scan line of the file.
struct PcxPicture {
    std::uint8_t version = 5;
    std::uint8_t encoding = 1;  // 1 run-length, 0 uncompressed
    std::uint8_t bitsPerPixel = 8;
    std::uint8_t planes = 1;
    int xMin = 0, yMin = 0;
    int width = 0, height = 0;
    int bytesPerLine = 0;  // 0: the smallest even count that holds a line
    std::vector<std::uint8_t> palette16 = std::vector<std::uint8_t>(48, 0);   // header palette
    std::vector<std::uint8_t> palette256;  // 768 bytes after the 0x0C marker, when not empty
    std::vector<std::uint8_t> pixels;
};

std::vector<std::uint8_t> EncodePcx(const PcxPicture& picture);
int PcxBytesPerLine(const PcxPicture& picture);

// Ready-made fixtures: a 24-bit picture (8 bits x 3 planes) from RGB pixels, top line first.
PcxPicture MakeRgbPcx(int width, int height, const std::vector<std::uint8_t>& rgb);
// A 256-colour picture with its palette (768 bytes) and one index per pixel.
PcxPicture MakeIndexed8Pcx(int width, int height, const std::vector<std::uint8_t>& indices,
                           const std::vector<std::uint8_t>& palette);
// A 1-bit monochrome picture; bits: one value 0/1 per pixel.
PcxPicture MakeMonoPcx(int width, int height, const std::vector<std::uint8_t>& bits);
// A 16-colour planar picture (1 bit x 4 planes) with the header palette (48 bytes).
PcxPicture MakePlanar4Pcx(int width, int height, const std::vector<std::uint8_t>& indices,
                          const std::vector<std::uint8_t>& palette16);
// A test card: colour bars and a gradient, 24-bit.
PcxPicture MakeTestCard(int width, int height);

// Loads any picture file FreeImage can read (by its content).
Bitmap LoadPicture(const std::string& path);
// Red, green and blue of a pixel, x from the left, y from the top.
struct Pixel { int r = 0, g = 0, b = 0; };
Pixel PixelAt(FIBITMAP* bitmap, int x, int y);
// Peak signal-to-noise ratio over the colour channels of two pictures of the same size
// (infinity when equal, 0 when the sizes differ).
double Psnr(FIBITMAP* a, FIBITMAP* b);

// The shared PCX corpus, or "" when it is not present.
std::string CorpusDir();

}  // namespace testing_support
