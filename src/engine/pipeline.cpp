// The single-image pipeline: the one place where a picture is read and written.
#include "engine/pipeline.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "engine/job.h"
#include "engine/naming.h"
#include "engine/pcx_load.h"
#include "engine/steps.h"

namespace {
std::atomic<unsigned> TemporaryNumber{0};

// Reserves a fresh file name beside the target; empty when none could be made.
std::string ReserveTemporaryFile(const std::string& target) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = target + ".part-" + std::to_string(getpid()) + "-" +
                                      std::to_string(TemporaryNumber.fetch_add(1));
        const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            close(fd);
            return candidate;
        }
        if (errno != EEXIST) return "";
    }
    return "";
}
}  // namespace

bool SaveBitmapReplacing(FIBITMAP* bitmap, int format, const std::string& path, int flags) {
    if (!bitmap || path.empty()) return false;
    const std::string temporary = ReserveTemporaryFile(path);
    if (temporary.empty()) return false;
    const bool saved = FreeImage_Save(static_cast<FREE_IMAGE_FORMAT>(format), bitmap, temporary.c_str(), flags);
    if (saved && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

bool ConvertOneImage() {
    Job.outputPath.clear();  // a failed load names no output, not the previous picture's
    Bitmap bitmap = LoadPcxFile(Job.inputPath, Job.reader);
    Job.sourceDepth = static_cast<std::int32_t>(BitmapDepth(bitmap));
    if (BitmapWidth(bitmap) == 0 || BitmapHeight(bitmap) == 0) return false;

    bitmap = RotateImage(std::move(bitmap));
    const int rotatedWidth = static_cast<int>(BitmapWidth(bitmap));
    const int rotatedHeight = static_cast<int>(BitmapHeight(bitmap));
    bitmap = ResizeImage(std::move(bitmap), rotatedWidth, rotatedHeight);
    // No later step changes the picture's size.
    const int finalWidth = static_cast<int>(BitmapWidth(bitmap));
    const int finalHeight = static_cast<int>(BitmapHeight(bitmap));
    if (bitmap) FlipImage(bitmap.get());
    bitmap = AdjustColors(std::move(bitmap));
    bitmap = MakeGreyscale(std::move(bitmap));
    bitmap = ApplyThreshold(std::move(bitmap));
    bitmap = DrawFrame(std::move(bitmap), finalWidth, finalHeight);
    bitmap = DrawWatermark(std::move(bitmap), finalWidth, finalHeight);
    const Bitmap output = ConvertToOutputDepth(std::move(bitmap));

    Job.namingWidth = finalWidth;
    Job.namingHeight = finalHeight;
    Job.outputPath = BuildOutputPath();
    return SaveBitmapReplacing(output.get(), Job.outputFormatId, Job.outputPath, Job.saveFlags);
}
