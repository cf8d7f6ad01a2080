// Helpers for the test programs.
#include "support/support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace testing_support {

TempDir::TempDir() {
    char pattern[] = "/tmp/lumadex-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) throw std::runtime_error("mkdtemp failed");
    path_ = std::string(made) + "/";
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

RunResult RunLumadex(const std::vector<std::string>& args, const RunOptions& options) {
    TempDir scratch;
    const std::string workdir = options.workingDirectory.empty() ? scratch.path() : options.workingDirectory;
    std::map<std::string, std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const auto eq = entry.find('=');
        if (eq != std::string::npos) env[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    std::filesystem::create_directories(scratch.path() + "config");
    std::filesystem::create_directories(scratch.path() + "runtime");
    env["XDG_CONFIG_HOME"] = scratch.path() + "config";
    env["XDG_RUNTIME_DIR"] = scratch.path() + "runtime";
    env.erase("DISPLAY");
    env.erase("WAYLAND_DISPLAY");
    for (const auto& [key, value] : options.env) env[key] = value;

    std::vector<std::string> envStrings;
    for (const auto& [key, value] : env) envStrings.push_back(key + "=" + value);
    std::vector<char*> envp;
    for (auto& s : envStrings) envp.push_back(s.data());
    envp.push_back(nullptr);

    const std::string exe = options.executable.empty() ? LUMADEX_EXE : options.executable;
    std::vector<std::string> argStrings{exe};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& s : argStrings) argv.push_back(s.data());
    argv.push_back(nullptr);

    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0) throw std::runtime_error("pipe failed");
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int devnull = open("/dev/null", O_RDONLY);
        dup2(devnull, 0);
        dup2(outPipe[1], 1);
        dup2(errPipe[1], 2);
        close(outPipe[0]);
        close(errPipe[0]);
        if (chdir(workdir.c_str()) != 0) _exit(126);
        execve(exe.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    RunResult result;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const int remaining = static_cast<int>((options.timeoutSeconds - elapsed) * 1000);
        if (remaining <= 0) {
            result.timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        if (poll(fds, 2, remaining) <= 0) continue;
        for (auto& fd : fds) {
            if (fd.fd < 0 || !(fd.revents & (POLLIN | POLLHUP | POLLERR))) continue;
            const ssize_t got = read(fd.fd, buffer, sizeof buffer);
            if (got <= 0) {
                close(fd.fd);
                fd.fd = -1;
                --open;
            } else {
                (&fd == &fds[0] ? result.out : result.err).append(buffer, static_cast<std::size_t>(got));
            }
        }
    }
    for (auto& fd : fds)
        if (fd.fd >= 0) close(fd.fd);
    int status = 0;
    waitpid(pid, &status, 0);
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

int PcxBytesPerLine(const PcxPicture& p) {
    if (p.bytesPerLine > 0) return p.bytesPerLine;
    const int bytes = (p.width * p.bitsPerPixel + 7) / 8;
    return bytes + (bytes & 1);
}

static void Put16(std::vector<std::uint8_t>& out, std::size_t at, int value) {
    out[at] = static_cast<std::uint8_t>(value & 0xFF);
    out[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

std::vector<std::uint8_t> EncodePcx(const PcxPicture& p) {
    std::vector<std::uint8_t> out(128, 0);
    const int bpl = PcxBytesPerLine(p);
    out[0] = 10;
    out[1] = p.version;
    out[2] = p.encoding;
    out[3] = p.bitsPerPixel;
    Put16(out, 4, p.xMin);
    Put16(out, 6, p.yMin);
    Put16(out, 8, p.xMin + p.width - 1);
    Put16(out, 10, p.yMin + p.height - 1);
    Put16(out, 12, 72);
    Put16(out, 14, 72);
    for (std::size_t i = 0; i < 48 && i < p.palette16.size(); ++i) out[16 + i] = p.palette16[i];
    out[65] = p.planes;
    Put16(out, 66, bpl);
    Put16(out, 68, 1);
    const std::size_t lineBytes = static_cast<std::size_t>(bpl) * p.planes;
    for (int y = 0; y < p.height; ++y) {
        const std::size_t start = static_cast<std::size_t>(y) * lineBytes;
        if (p.encoding == 0) {
            for (std::size_t i = 0; i < lineBytes; ++i)
                out.push_back(start + i < p.pixels.size() ? p.pixels[start + i] : 0);
            continue;
        }
        // Runs never cross a plane's line, as the format's writers do.
        for (int plane = 0; plane < p.planes; ++plane) {
            std::size_t i = 0;
            auto at = [&](std::size_t k) {
                const std::size_t index = start + static_cast<std::size_t>(plane) * bpl + k;
                return index < p.pixels.size() ? p.pixels[index] : std::uint8_t{0};
            };
            while (i < static_cast<std::size_t>(bpl)) {
                const std::uint8_t value = at(i);
                std::size_t run = 1;
                while (i + run < static_cast<std::size_t>(bpl) && run < 63 && at(i + run) == value) ++run;
                if (run > 1 || (value & 0xC0) == 0xC0) out.push_back(static_cast<std::uint8_t>(0xC0 | run));
                out.push_back(value);
                i += run;
            }
        }
    }
    if (!p.palette256.empty()) {
        out.push_back(0x0C);
        out.insert(out.end(), p.palette256.begin(), p.palette256.end());
    }
    return out;
}

PcxPicture MakeRgbPcx(int width, int height, const std::vector<std::uint8_t>& rgb) {
    PcxPicture p;
    p.bitsPerPixel = 8;
    p.planes = 3;
    p.width = width;
    p.height = height;
    const int bpl = PcxBytesPerLine(p);
    p.pixels.assign(static_cast<std::size_t>(bpl) * 3 * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c)
                p.pixels[(static_cast<std::size_t>(y) * 3 + c) * bpl + x] =
                    rgb[(static_cast<std::size_t>(y) * width + x) * 3 + c];
    return p;
}

PcxPicture MakeIndexed8Pcx(int width, int height, const std::vector<std::uint8_t>& indices,
                           const std::vector<std::uint8_t>& palette) {
    PcxPicture p;
    p.bitsPerPixel = 8;
    p.planes = 1;
    p.width = width;
    p.height = height;
    const int bpl = PcxBytesPerLine(p);
    p.pixels.assign(static_cast<std::size_t>(bpl) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.pixels[static_cast<std::size_t>(y) * bpl + x] = indices[static_cast<std::size_t>(y) * width + x];
    p.palette256 = palette;
    p.palette256.resize(768, 0);
    return p;
}

PcxPicture MakeMonoPcx(int width, int height, const std::vector<std::uint8_t>& bits) {
    PcxPicture p;
    p.bitsPerPixel = 1;
    p.planes = 1;
    p.width = width;
    p.height = height;
    const int bpl = PcxBytesPerLine(p);
    p.pixels.assign(static_cast<std::size_t>(bpl) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (bits[static_cast<std::size_t>(y) * width + x])
                p.pixels[static_cast<std::size_t>(y) * bpl + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    p.palette16 = std::vector<std::uint8_t>(48, 0);
    for (int i = 3; i < 6; ++i) p.palette16[i] = 255;
    return p;
}

PcxPicture MakePlanar4Pcx(int width, int height, const std::vector<std::uint8_t>& indices,
                          const std::vector<std::uint8_t>& palette16) {
    PcxPicture p;
    p.bitsPerPixel = 1;
    p.planes = 4;
    p.width = width;
    p.height = height;
    p.palette16 = palette16;
    p.palette16.resize(48, 0);
    const int bpl = PcxBytesPerLine(p);
    p.pixels.assign(static_cast<std::size_t>(bpl) * 4 * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int plane = 0; plane < 4; ++plane)
                if (indices[static_cast<std::size_t>(y) * width + x] & (1 << plane))
                    p.pixels[(static_cast<std::size_t>(y) * 4 + plane) * bpl + x / 8] |=
                        static_cast<std::uint8_t>(0x80 >> (x % 8));
    return p;
}

PcxPicture MakeTestCard(int width, int height) {
    static const std::uint8_t bars[8][3] = {{255, 255, 255}, {255, 255, 0}, {0, 255, 255}, {0, 255, 0},
                                            {255, 0, 255},   {255, 0, 0},   {0, 0, 255},   {0, 0, 0}};
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* px = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            if (y < height * 2 / 3) {
                const std::uint8_t* bar = bars[std::min(7, x * 8 / std::max(1, width))];
                px[0] = bar[0], px[1] = bar[1], px[2] = bar[2];
            } else {
                const auto level = static_cast<std::uint8_t>(x * 255 / std::max(1, width - 1));
                px[0] = px[1] = px[2] = level;
            }
        }
    return MakeRgbPcx(width, height, rgb);
}

Bitmap LoadPicture(const std::string& path) {
    const FREE_IMAGE_FORMAT fif = FreeImage_GetFileType(path.c_str(), 0);
    if (fif == FIF_UNKNOWN) return nullptr;
    // JPEG pictures are decoded with the accurate inverse transform: the fast default alone costs
    // up to 20 dB on sharp edges, which would hide what the tests compare.
    return Bitmap(FreeImage_Load(fif, path.c_str(), fif == FIF_JPEG ? JPEG_ACCURATE : 0));
}

Pixel PixelAt(FIBITMAP* bitmap, int x, int y) {
    const int height = static_cast<int>(FreeImage_GetHeight(bitmap));
    RGBQUAD colour{};
    const unsigned fy = static_cast<unsigned>(height - 1 - y);
    if (FreeImage_GetBPP(bitmap) <= 8) {
        BYTE index = 0;
        FreeImage_GetPixelIndex(bitmap, static_cast<unsigned>(x), fy, &index);
        const RGBQUAD* palette = FreeImage_GetPalette(bitmap);
        if (palette) colour = palette[index];
        else colour.rgbRed = colour.rgbGreen = colour.rgbBlue = index;
    } else {
        FreeImage_GetPixelColor(bitmap, static_cast<unsigned>(x), fy, &colour);
    }
    return {colour.rgbRed, colour.rgbGreen, colour.rgbBlue};
}

double Psnr(FIBITMAP* a, FIBITMAP* b) {
    if (!a || !b) return 0;
    const int w = static_cast<int>(FreeImage_GetWidth(a)), h = static_cast<int>(FreeImage_GetHeight(a));
    if (w != static_cast<int>(FreeImage_GetWidth(b)) || h != static_cast<int>(FreeImage_GetHeight(b))) return 0;
    Bitmap ca(FreeImage_ConvertTo24Bits(a)), cb(FreeImage_ConvertTo24Bits(b));
    double sum = 0;
    for (int y = 0; y < h; ++y) {
        const BYTE* la = FreeImage_GetScanLine(ca.get(), y);
        const BYTE* lb = FreeImage_GetScanLine(cb.get(), y);
        for (int i = 0; i < w * 3; ++i) {
            const double d = static_cast<double>(la[i]) - lb[i];
            sum += d * d;
        }
    }
    if (sum == 0) return std::numeric_limits<double>::infinity();
    const double mse = sum / (static_cast<double>(w) * h * 3);
    return 10 * std::log10(255.0 * 255.0 / mse);
}

std::string CorpusDir() {
    const std::string dir = LUMADEX_CORPUS_DIR;
    struct stat info {};
    return stat((dir + "/valid").c_str(), &info) == 0 ? dir + "/" : "";
}

}  // namespace testing_support
