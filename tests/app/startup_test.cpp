// Start-up: identity texts, the image-number maps, the reset of the conversion job.
#include <gtest/gtest.h>

#include "app/identity.h"
#include "app/startup.h"
#include "engine/input_files.h"
#include "engine/job.h"

TEST(Identity, VersionTextAndTitle) {
    struct Case { int version; const char* text; };
    for (const Case& c : {Case{270, "2.7"}, Case{271, "2.7.1"}, Case{300, "3.0"}, Case{305, "3.0.5"}})
        EXPECT_EQ(MakeVersionText(c.version), c.text) << c.version;
    EXPECT_EQ(MakeTitle(), "Quillon PCX to JPG 2.7");
}

TEST(StartupTables, ImageNumbers) {
    CreateStartupTables();
    EXPECT_EQ(ButtonImages.size(), 3u);
    EXPECT_EQ(ButtonImages.at("Convert"), 2);
    EXPECT_EQ(ButtonImages.at("InFolder"), 4);
    EXPECT_EQ(MenuIcons.size(), 22u);
    EXPECT_EQ(MenuIcons.at("New"), 5);
    EXPECT_EQ(MenuIcons.at("Convert"), 18);
    EXPECT_EQ(MenuIcons.at("Email"), 25);  // 23 and 24 are not used
    EXPECT_EQ(MenuIcons.at("About"), 28);
    ASSERT_EQ(ToolbarIcons.size(), MenuIcons.size());
    for (const auto& [name, number] : MenuIcons) EXPECT_EQ(ToolbarIcons.at(name), number + 24) << name;
    EXPECT_EQ(ToolbarIcons.at("About"), 52);
}

TEST(ResetRunState, EmptiesTheJobButKeepsTheDebugWord) {
    CreateStartupTables();
    Job.debugWord = "DEBUG";
    Job.commandLineInput = "a.pcx";
    Job.currentOutputFolder = "/tmp/";
    Job.outputExtension = "jpg";
    Job.counter = 7;
    Job.targetDepth = 24;
    Job.consoleMode = 1;
    InputFiles["/tmp/a.pcx"] = {1, ""};
    ResetRunState();
    EXPECT_EQ(Job.debugWord, "DEBUG");
    EXPECT_TRUE(Job.commandLineInput.empty());
    EXPECT_TRUE(Job.currentOutputFolder.empty());
    EXPECT_TRUE(Job.outputExtension.empty());
    EXPECT_EQ(Job.counter, 1);
    EXPECT_EQ(Job.targetDepth, 0);
    EXPECT_EQ(Job.consoleMode, 0);
    EXPECT_GE(Job.randomNumber, 1);
    EXPECT_LE(Job.randomNumber, 99999);
    EXPECT_TRUE(InputFiles.empty());
    EXPECT_FALSE(Job.programFolder.empty());
    EXPECT_EQ(Job.programFolder.back(), '/');
    Job.debugWord.clear();
}
