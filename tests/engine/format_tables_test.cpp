// Tests of the format tables and the checks derived from them.
#include <gtest/gtest.h>

#include <FreeImage.h>

#include "engine/format_tables.h"

namespace {

class FormatTables : public ::testing::Test {
protected:
    void SetUp() override {
        CreateFormatLists();
        FillInputExtensionTable();
        FillOutputFormatTable();
        BuildAllowedInputExtensions();
    }
};

TEST_F(FormatTables, TablesHoldEveryRowAndKeysMatchTheirExtensions) {
    EXPECT_EQ(OutputFormatTable.size(), 20u);
    EXPECT_EQ(InputExtensionTable.size(), 79u);
    for (const auto& [key, row] : OutputFormatTable) EXPECT_EQ(key, row.extension);

    OutputFormatInfo jpg = LookupOutputFormat("jpg");
    EXPECT_EQ(jpg.fif, FIF_JPEG);
    EXPECT_EQ(jpg.description, "JPEG File Format");
    EXPECT_EQ(jpg.depths, "8,24");
    EXPECT_EQ(LookupOutputFormat("tga").fif, FIF_TARGA);
    EXPECT_EQ(LookupOutputFormat("jxr").fif, 36);

    // Rows with a group and a description of their own inside a shared group.
    EXPECT_EQ(InputExtensionTable.at("apm").group, "wmf");
    EXPECT_EQ(InputExtensionTable.at("apm").description, "Aldus Placeable Metafile");
    EXPECT_EQ(InputExtensionTable.at("wmz").description, "Windows Metafile Format");
    EXPECT_EQ(InputExtensionTable.at("rwl").group, "raw");
    EXPECT_EQ(InputExtensionTable.at("rwl").description, "Leica Camera RAW Image");
    EXPECT_EQ(InputExtensionTable.at("pcx").description, "ZSoft Paintbrush File");
}

TEST_F(FormatTables, FillingTwiceGivesTheSameContent) {
    auto output = OutputFormatTable.size();
    auto input = InputExtensionTable.size();
    FillInputExtensionTable();
    FillOutputFormatTable();
    EXPECT_EQ(OutputFormatTable.size(), output);
    EXPECT_EQ(InputExtensionTable.size(), input);
}

TEST_F(FormatTables, UnknownExtensionLooksUpAsAnEmptyRow) {
    for (const char* extension : {"pcx", "dds", "psd", "", "JPG"}) {
        OutputFormatInfo row = LookupOutputFormat(extension);
        EXPECT_EQ(row.fif, 0) << extension;
        EXPECT_TRUE(row.extension.empty() && row.description.empty() && row.depths.empty());
    }
    EXPECT_EQ(OutputFormatTable.count("pcx"), 0u);  // the lookup must not add rows
}

TEST_F(FormatTables, OutputFormatIsOnlyTheListedExtensionExactly) {
    EXPECT_TRUE(IsOutputFormat("jpg"));
    for (const char* other : {"png", "JPG", "jpeg", "", "jpg "}) EXPECT_FALSE(IsOutputFormat(other));
}

TEST_F(FormatTables, DepthChecks) {
    struct Case {
        const char* extension;
        int depth;
        bool allowed;
    };
    const Case cases[] = {
        {"jpg", 0, true},  {"jpg", 8, true},  {"jpg", 24, true}, {"jpg", 16, false},
        {"jpg", 32, false}, {"jpg", 2, false}, {"pcx", 8, false}, {"pcx", 0, true},
        {"tiff", 96, true}, {"bmp", 16, true}, {"png", 16, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsDepthAllowed(c.extension, c.depth), c.allowed) << c.extension << " " << c.depth;
    }
}

TEST_F(FormatTables, AutomaticDepthIsTheFirstLargeEnoughOrTheLast) {
    struct Case {
        const char* extension;
        int source;
        int expected;
    };
    const Case cases[] = {
        {"jpg", 1, 8},    {"jpg", 4, 8},    {"jpg", 8, 8},     {"jpg", 16, 24},
        {"jpg", 24, 24},  {"jpg", 32, 24},  {"jpg", 96, 24},   {"png", 16, 24},
        {"tiff", 96, 96}, {"tiff", 128, 96}, {"pbm", 24, 1},   {"pcx", 8, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AutoDepth(c.extension, c.source), c.expected) << c.extension << " " << c.source;
    }
}

TEST_F(FormatTables, AllowedInputsAreExactlyPcx) {
    EXPECT_EQ(AllowedInputExtensionList, std::vector<std::string>{"pcx"});
    EXPECT_TRUE(IsAllowedInputExtension("pcx"));
    for (const char* other : {"PCX", "pcc", "dcx", "", "jpg"}) EXPECT_FALSE(IsAllowedInputExtension(other));
    // Rebuilding does not pile up entries.
    BuildAllowedInputExtensions();
    EXPECT_EQ(AllowedInputExtensionList.size(), 1u);
}

TEST_F(FormatTables, FileFilterListsSupportedFilesThenEachDescriptionThenAllFiles) {
    EXPECT_EQ(BuildInputFileFilter("All Supported Files", "All Files"),
              "All Supported Files|*.pcx|ZSoft Paintbrush File|*.pcx|All Files (*.*)|*.*");
}

TEST_F(FormatTables, FileFilterGroupsExtensionsOfOneDescriptionNewestFirst) {
    InputFormatList = {"tiff", "wmf"};
    BuildAllowedInputExtensions();
    EXPECT_EQ(AllowedInputExtensionList, (std::vector<std::string>{"tif", "tiff", "apm", "wmf", "wmz"}));
    EXPECT_EQ(BuildInputFileFilter("S", "A"),
              "S|*.tif;*.tiff;*.apm;*.wmf;*.wmz|"
              "Aldus Placeable Metafile|*.apm|"
              "Tagged Image File Format|*.tiff;*.tif|"
              "Windows Metafile Format|*.wmz;*.wmf|"
              "A (*.*)|*.*");
}

}  // namespace
