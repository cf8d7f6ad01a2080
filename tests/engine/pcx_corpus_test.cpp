// The load path against the shared corpus of PCX files written by other programs: every valid
// file decodes exactly like its reference picture, every malformed one is refused at once.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "engine/pcx_load.h"
#include "engine/pcx_reader.h"
#include "support/support.h"

namespace {

using testing_support::CorpusDir;

struct CorpusFile {
    const char* name;
    const char* reader;  // which reader the load path picks for it
};

const CorpusFile kValid[] = {
    {"16color", "fallback"},     {"CGA_FSD", "fallback"},    {"ICONDOC", "fallback"},
    {"bw", "FreeImage"},         {"ccbug_463951", "FreeImage"}, {"dice_rgba", "fallback"},
    {"indexed4", "fallback"},    {"indexed8", "FreeImage"},  {"mono", "FreeImage"},
    {"odd_stride", "FreeImage"}, {"p_4_planes", "fallback"}, {"pil184", "FreeImage"},
    {"rgb", "FreeImage"},        {"sample", "FreeImage"},
};

const char* const kMalformed[] = {"short_bytes_per_line", "fuzz_header", "overrun1", "overrun2", "size_bomb"};

// Colour channels only: a JPEG has no alpha, so the alpha plane of an RGBA file is not compared.
void ExpectSamePicture(FIBITMAP* got, FIBITMAP* reference, const std::string& what) {
    ASSERT_NE(got, nullptr) << what;
    ASSERT_EQ(FreeImage_GetWidth(got), FreeImage_GetWidth(reference)) << what;
    ASSERT_EQ(FreeImage_GetHeight(got), FreeImage_GetHeight(reference)) << what;
    EXPECT_TRUE(std::isinf(testing_support::Psnr(got, reference)))
        << what << ": PSNR " << testing_support::Psnr(got, reference);
}

TEST(PcxCorpus, ValidFilesMatchTheirReferences) {
    if (CorpusDir().empty()) GTEST_SKIP() << "PCX corpus not present";
    for (const CorpusFile& f : kValid) {
        const std::string base = CorpusDir() + "valid/" + f.name;
        const Bitmap reference = testing_support::LoadPicture(base + ".png");
        ASSERT_TRUE(reference) << base;
        std::string reader;
        const Bitmap loaded = LoadPcxFile(base + ".pcx", reader);
        ExpectSamePicture(loaded.get(), reference.get(), std::string(f.name) + " loaded");
        EXPECT_EQ(reader, f.reader) << f.name;
        // The program's own reader decodes every kind, including those FreeImage serves.
        const std::string bytes = testing_support::ReadFile(base + ".pcx");
        const Bitmap own = ReadPcx(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ExpectSamePicture(own.get(), reference.get(), std::string(f.name) + " own reader");
    }
}

TEST(PcxCorpus, MalformedFilesAreRefusedAtOnce) {
    if (CorpusDir().empty()) GTEST_SKIP() << "PCX corpus not present";
    for (const char* name : kMalformed) {
        const std::string path = CorpusDir() + "malformed/" + name + ".pcx";
        const auto start = std::chrono::steady_clock::now();
        std::string reader;
        EXPECT_FALSE(LoadPcxFile(path, reader)) << name;
        const std::string bytes = testing_support::ReadFile(path);
        EXPECT_FALSE(LoadPcxMemory(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), reader)) << name;
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 1.0) << name;
    }
}

}  // namespace
