// Bringing a picture to the output bit depth, and preparing the output values of a run.
#include "engine/output_depth.h"

#include "engine/format_tables.h"
#include "engine/job.h"
#include "engine/steps.h"
#include "settings/settings.h"

void PrepareOutput() {
    Job.outputFormatId = LookupOutputFormat(Job.outputExtension).fif;
    Job.targetDepth = Settings.output.jpgBpp;
    Job.saveFlags = SaveFlags();
    Job.automaticDepth = Job.targetDepth == 0 ? 1 : 0;
}

int SaveFlags() {
    int flags = Settings.output.jpgQuality;
    switch (Settings.output.jpgChroma) {
        case 0: flags |= JPEG_SUBSAMPLING_444; break;
        case 1: flags |= JPEG_SUBSAMPLING_422; break;
        case 2: flags |= JPEG_SUBSAMPLING_420; break;
        case 3: flags |= JPEG_SUBSAMPLING_411; break;
        default: break;
    }
    switch (Settings.output.jpgSaveAs) {
        case 1: flags |= JPEG_BASELINE; break;
        case 2: flags |= JPEG_OPTIMIZE; break;
        case 3: flags |= JPEG_PROGRESSIVE; break;
        default: break;
    }
    return flags;
}

Bitmap ConvertToOutputDepth(Bitmap bitmap) {
    if (!bitmap) return nullptr;
    // The automatic choice follows the depth as loaded, not what the steps made of it.
    if (Job.automaticDepth) Job.targetDepth = AutoDepth(Job.outputExtension, Job.sourceDepth);
    if (static_cast<int>(BitmapDepth(bitmap)) == Job.targetDepth) return bitmap;
    switch (Job.targetDepth) {
        case 1:
            return ConvertBitmap(std::move(bitmap), [](FIBITMAP* b) { return FreeImage_Dither(b, FID_FS); });
        case 4: return ConvertBitmap(std::move(bitmap), FreeImage_ConvertTo4Bits);
        case 8: return ConvertBitmap(std::move(bitmap), FreeImage_ConvertTo8Bits);
        case 16:
            if (BitmapDepth(bitmap) > 32) bitmap = ConvertBitmap(std::move(bitmap), FreeImage_ConvertTo24Bits);
            return ConvertBitmap(std::move(bitmap), FreeImage_ConvertTo16Bits565);
        case 24: return ConvertBitmap(std::move(bitmap), FreeImage_ConvertTo24Bits);
        case 32: return ConvertBitmap(std::move(bitmap), FreeImage_ConvertTo32Bits);
        case 48: return ConvertBitmap(std::move(bitmap), FreeImage_ConvertToRGB16);
        case 96: return ConvertBitmap(std::move(bitmap), FreeImage_ConvertToRGBF);
        default: return nullptr;  // no conversion to that depth: the save fails
    }
}
