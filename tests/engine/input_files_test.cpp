// The input file map: which files are accepted, and the relative sub-folder.
#include <gtest/gtest.h>

#include "engine/format_tables.h"
#include "engine/input_files.h"
#include "engine/job.h"
#include "support/support.h"

using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

class InputFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateFormatLists();
        FillInputExtensionTable();
        BuildAllowedInputExtensions();
        InputFiles.clear();
        Job = ConversionJob{};
    }
    void TearDown() override { InputFiles.clear(); }
    std::string Make(const std::string& name, const std::string& content = "x") {
        WriteFile(dir / name, content);
        return dir / name;
    }
    TempDir dir;
};

TEST_F(InputFilesTest, AcceptsPcxInAnyCaseAndRefusesOthers) {
    const struct { const char* name; const char* content; bool accepted; } cases[] = {
        {"a.pcx", "x", true},    {"PHOTO.PCX", "x", true}, {"b.Pcx", "x", true},
        {"empty.pcx", "", false}, {"notes.txt", "x", false}, {"a.pcc", "x", false},
        {"noext", "x", false},   {"odd.pcx x", "x", false},  // a space after the dot: no extension
    };
    for (const auto& c : cases) {
        InputFiles.clear();
        const std::string path = Make(c.name, c.content);
        EXPECT_EQ(AddInputFile(path), c.accepted) << c.name;
        EXPECT_EQ(InputFiles.count(path), c.accepted ? 1u : 0u) << c.name;
    }
}

TEST_F(InputFilesTest, KeepsOnlyTheLastAcceptedFile) {
    const std::string a = Make("a.pcx"), b = Make("b.pcx"), notes = Make("notes.txt"), empty = Make("e.pcx", "");
    ASSERT_TRUE(AddInputFile(a));
    ASSERT_TRUE(AddInputFile(b));
    ASSERT_EQ(InputFiles.size(), 1u);
    EXPECT_EQ(InputFiles.begin()->first, b);
    EXPECT_EQ(InputFiles.begin()->second.added, 1);
    // Refused files leave the queued one in place.
    EXPECT_FALSE(AddInputFile(notes));
    EXPECT_FALSE(AddInputFile(empty));
    ASSERT_EQ(InputFiles.size(), 1u);
    EXPECT_EQ(InputFiles.begin()->first, b);
}

TEST_F(InputFilesTest, AMissingPathIsNotRefusedBySize) {
    // The console run refuses missing inputs before it gets here; the map itself only refuses
    // files of exactly zero bytes.
    EXPECT_TRUE(AddInputFile(dir / "missing.pcx"));
}

TEST(RelativeSubfolder, IsTheFolderPartBelowTheBase) {
    const struct { const char* file; const char* base; const char* expected; } cases[] = {
        {"/in/sub/a.pcx", "/in/", "sub/"},
        {"/other/a.pcx", "/in/", ""},
        {"/in/sub/a.pcx", "", ""},
        {"", "/in/", ""},
        {"/in/a.pcx", "/in/", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(RelativeSubfolder(c.file, c.base), c.expected) << c.file << " below " << c.base;
}

}  // namespace
