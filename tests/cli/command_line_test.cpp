// Option names and values of program parameters, and the option loop over them.
#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "cli/command_line.h"
#include "cli/option_loop.h"
#include "cli/options.h"
#include "engine/job.h"
#include "settings/settings.h"

namespace {
struct ParameterCase {
    const char* parameter;
    const char* name;
    const char* value;
};

TEST(OptionNameAndValue, SplitParameters) {
    const ParameterCase cases[] = {
        {"-i", "-I", "-i"},
        {"-I", "-I", "-I"},
        {"--Input=x", "--INPUT", "x"},
        {"-i=x", "-I=X", "-i=x"},  // no option of that name
        {"x.pcx", "", "x.pcx"},
        {"  --width=800 ", "--WIDTH", "800"},
        {"--wm-text=A=B", "--WM-TEXT", "A=B"},  // only the first "=" splits
        {"--filename-mask=My Name", "--FILENAME-MASK", "My Name"},  // value keeps its case
        {"--input", "--INPUT", "--input"},
        {"--input=", "--INPUT", ""},
        {"-", "-", "-"},
        {"", "", ""},
        {" -q", "-Q", "-q"},
    };
    for (const ParameterCase& c : cases) {
        ProgramParameters = {c.parameter};
        EXPECT_EQ(OptionName(0), c.name) << '"' << c.parameter << '"';
        EXPECT_EQ(OptionValue(0), c.value) << '"' << c.parameter << '"';
    }
    ProgramParameters = {"-q"};
    EXPECT_EQ(OptionName(1), "");  // past the end
    EXPECT_EQ(OptionValue(1), "");
}

class OptionLoop : public testing::Test {
protected:
    void SetUp() override {
        Job = ConversionJob{};
        ResetSettings(true);
    }
    OptionPass Read(std::vector<std::string> parameters) {
        ProgramParameters = std::move(parameters);
        return ReadOptionParameters();
    }
};

TEST_F(OptionLoop, CoreOptionsFillTheJob) {
    const OptionPass pass = Read({"-i", "a.pcx", "-O", "out/", "--conversion=JPG", "-d", "-q", "--PAUSE"});
    EXPECT_EQ(pass.error, "");
    EXPECT_TRUE(pass.quiet);
    EXPECT_TRUE(pass.pause);
    EXPECT_EQ(Job.consoleMode, 1);
    EXPECT_EQ(Job.commandLineInput, "a.pcx");
    EXPECT_EQ(Job.currentOutputFolder, "out/");
    EXPECT_EQ(Job.outputExtension, "JPG");
    EXPECT_EQ(Job.debugWord, "DEBUG");
}

TEST_F(OptionLoop, LaterOptionsOverrideEarlierOnes) {
    EXPECT_EQ(Read({"-i", "a.pcx", "-i", "b.pcx", "--jpg-quality=80", "--JPG-QUALITY=$50"}).error, "");
    EXPECT_EQ(Job.commandLineInput, "b.pcx");
    EXPECT_EQ(Settings.output.jpgQuality, 0x50);
}

TEST_F(OptionLoop, ShortFormTakesTheValueOfANameValueParameter) {
    // The next parameter is consumed as the value: its text after "=" becomes the input.
    EXPECT_EQ(Read({"-i", "--width=5"}).error, "");
    EXPECT_EQ(Job.commandLineInput, "5");
    EXPECT_EQ(Settings.transform.doImageResize, 0);
    EXPECT_EQ(Settings.transform.imageWidth, 0);
}

TEST_F(OptionLoop, MissingValuesStopAtTheFirstError) {
    const std::vector<std::vector<std::string>> cases = {
        {"-i"}, {"-i", "-o"}, {"--input"}, {"--input="}, {"-i", "a.pcx", "-c"},
        {"-i", "a.pcx", "--width"}, {"--width="}, {"--wm-text=--x"}, {"--profile"}, {"--profile="},
    };
    for (const auto& parameters : cases) {
        SetUp();
        EXPECT_EQ(Read(parameters).error, "Incorrect number of parameters") << parameters.back();
    }
    // Nothing after the error is applied.
    SetUp();
    const OptionPass stopped = Read({"--width=", "--jpg-quality=20", "-q"});
    EXPECT_EQ(stopped.error, "Incorrect number of parameters");
    EXPECT_FALSE(stopped.quiet);
    EXPECT_EQ(Settings.output.jpgQuality, 95);
}

TEST_F(OptionLoop, InputSetsConsoleModeEvenWhenRefused) {
    Read({"-i"});
    EXPECT_EQ(Job.consoleMode, 1);
    SetUp();
    Read({"-i=a.pcx", "a.pcx", "-o", "out/"});
    EXPECT_EQ(Job.consoleMode, 0);
    EXPECT_EQ(Job.commandLineInput, "");
}

TEST_F(OptionLoop, AdvancedOptionsStoreValuesAndSwitches) {
    EXPECT_EQ(Read({"--WIDTH=800px", "--height-unit=percent", "--resize-algorithm=lanczos",
                    "--gamma=1,5", "--invert=0", "--greyscale", "--threshold=128", "--rotation=90",
                    "--fr-solid-top=4", "--fr-solid-opacity=128", "--wm-solid-opacity=7",
                    "--wm-image=logo.png", "--filename-mask=\"A %n%\"", "--no-subfolders",
                    "--png-compression=LZW", "--file-timestamp=custom", "--png-interlaced=0"})
                  .error,
              "");
    const auto& s = Settings;
    EXPECT_EQ(s.transform.imageWidth, 800);
    EXPECT_EQ(s.transform.doImageResize, 1);
    EXPECT_EQ(s.transform.imageHeightUnit, 1);
    EXPECT_EQ(s.transform.imageResizeAlgorithm, 5);
    EXPECT_FLOAT_EQ(s.adjustment.imageGamma, 1.0f);
    EXPECT_EQ(s.adjustment.imageInvert, 1);  // a flag acts whatever its value
    EXPECT_EQ(s.adjustment.doImageColorCorrection, 1);
    EXPECT_EQ(s.adjustment.doImageGreyscale, 1);
    EXPECT_EQ(s.adjustment.imageThreshold, 128);
    EXPECT_EQ(s.adjustment.doImageThreshold, 1);
    EXPECT_EQ(s.transform.imageRotation, 90);
    EXPECT_EQ(s.transform.doImageRotation, 1);
    EXPECT_EQ(s.frame.solidTop, 4);
    EXPECT_EQ(s.frame.doFrame, 1);
    EXPECT_EQ(s.frame.solidOpacity, 128);  // the profile's name is not known here
    EXPECT_EQ(s.watermark.image, "logo.png");
    EXPECT_EQ(s.watermark.doWatermark, 2);
    EXPECT_EQ(s.advanced.filenameMask, "\"A %n%\"");  // stored as taken on the command line
    EXPECT_EQ(s.advanced.keepSubfolders, 0);
    EXPECT_EQ(s.output.pngCompression, 6);
    EXPECT_EQ(s.advanced.fileTimestamp, 2);
    EXPECT_EQ(s.output.pngInterlaced, 1);
}

TEST_F(OptionLoop, EachColourCorrectionOptionSwitchesCorrectionOn) {
    for (const char* option : {"--brightness=10", "--contrast=-5", "--gamma=2", "--invert"}) {
        SetUp();
        Read({option});
        EXPECT_EQ(Settings.adjustment.doImageColorCorrection, 1) << option;
    }
    SetUp();
    Read({"--wm-text=Hi", "--wm-font-style=bold"});
    EXPECT_EQ(Settings.watermark.doWatermark, 1);
    EXPECT_EQ(Settings.watermark.text, "Hi");
    EXPECT_EQ(Settings.watermark.fontStyle, 1);
}

TEST_F(OptionLoop, HelpAndVersionLaterInTheLineAreSkipped) {
    const OptionPass pass = Read({"-i", "a.pcx", "-h", "-v", "--help", "-U", "-T", "--unknown=3"});
    EXPECT_EQ(pass.error, "");
    EXPECT_EQ(Job.commandLineInput, "a.pcx");
}

TEST(AdvancedOptionTable, NamesAreUniqueUpperCaseOptions) {
    std::set<std::string> commandLine, profile;
    for (const AdvancedOption& option : AdvancedOptions()) {
        const std::string name = option.name;
        EXPECT_EQ(name.rfind("--", 0), 0u) << name;
        for (char c : name) EXPECT_FALSE(std::islower(static_cast<unsigned char>(c))) << name;
        EXPECT_EQ(option.form == OptionForm::Keyword, option.table >= 0) << name;
        EXPECT_EQ(option.form == OptionForm::Flag, std::holds_alternative<std::monostate>(option.target)) << name;
        if (option.place != OptionPlace::ProfileOnly) {
            EXPECT_TRUE(commandLine.insert(name).second) << name;
        }
        if (option.place != OptionPlace::CommandLineOnly) {
            EXPECT_TRUE(profile.insert(name).second) << name;
        }
    }
    // The command line knows 102 advanced options besides --PROFILE.
    EXPECT_EQ(commandLine.size(), 102u);
    EXPECT_EQ(FindAdvancedOption("--FR-SOLID-OPACITY", OptionSource::Profile), nullptr);
    EXPECT_EQ(FindAdvancedOption("--WM-SOLID-OPACITY", OptionSource::CommandLine), nullptr);
}
}  // namespace
