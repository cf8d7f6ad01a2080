// Tests of the INI reader (encodings, comments, blanks, case, line ends) and the writer's layout.
#include <gtest/gtest.h>

#include "settings/ini_file.h"
#include "support/support.h"

namespace {

using testing_support::TempDir;

std::string ValueOf(const IniDocument& document, std::string_view group, std::string_view key) {
    const IniGroup* g = FindIniGroup(document, group);
    if (g == nullptr) return "<no group>";
    const IniEntry* e = FindIniEntry(*g, key);
    return e == nullptr ? "<no key>" : e->value;
}

TEST(IniReader, ReadsGroupsKeysAndValuesWithBlanksCommentsAndCase) {
    const std::string text =
        "stray = before any group\r\n"
        "\r\n"
        "  [General]  \r\n"
        "; a comment = not a key\r\n"
        "\t; an indented comment\r\n"
        "CFG=17\r\n"
        "  Language \t=\t English  \r\n"
        "Empty =\r\n"
        "Equals = a=b = c\r\n"
        "no equals sign here\r\n"
        "[ Output ]\r\n"
        "Format = jpg\r\n";
    IniDocument document = ParseIni(text);
    ASSERT_EQ(document.groups.size(), 2u);
    EXPECT_EQ(document.groups[0].name, "General");
    EXPECT_EQ(document.groups[1].name, "Output");
    ASSERT_EQ(document.groups[0].entries.size(), 4u);
    EXPECT_EQ(document.groups[0].entries[1].key, "Language");

    EXPECT_EQ(ValueOf(document, "general", "cfg"), "17");
    EXPECT_EQ(ValueOf(document, "GENERAL", "LANGUAGE"), "English");
    EXPECT_EQ(ValueOf(document, "General", "Empty"), "");
    EXPECT_EQ(ValueOf(document, "General", "Equals"), "a=b = c");
    EXPECT_EQ(ValueOf(document, "General", "; a comment"), "<no key>");
    EXPECT_EQ(ValueOf(document, "General", "stray"), "<no key>");
    EXPECT_EQ(ValueOf(document, "output", "format"), "jpg");
    EXPECT_EQ(ValueOf(document, "Missing", "Format"), "<no group>");
}

TEST(IniReader, ByteOrderMarkSelectsUtf8AndOtherwiseBytesAreLatin1) {
    // "é" is C3 A9 in UTF-8 and E9 in Latin-1; both files must give the same UTF-8 text.
    IniDocument utf8 = ParseIni("\xEF\xBB\xBF\r\n[G]\r\nK = caf\xC3\xA9\r\n");
    IniDocument latin1 = ParseIni("[G]\r\nK = caf\xE9\r\n");
    EXPECT_EQ(ValueOf(utf8, "G", "K"), "caf\xC3\xA9");
    EXPECT_EQ(ValueOf(latin1, "G", "K"), "caf\xC3\xA9");
    // Without a mark, UTF-8 bytes are two Latin-1 characters each.
    IniDocument unmarked = ParseIni("[G]\r\nK = \xC3\xA9\r\n");
    EXPECT_EQ(ValueOf(unmarked, "G", "K"), "\xC3\x83\xC2\xA9");
    // A mark directly followed by a group line still opens the group.
    EXPECT_EQ(ValueOf(ParseIni("\xEF\xBB\xBF[G]\nK=1"), "G", "K"), "1");
}

TEST(IniReader, AcceptsEveryLineEndAndAMissingLastLineEnd) {
    for (const char* text : {"[G]\r\nA=1\r\nB=2", "[G]\nA=1\nB=2\n", "[G]\rA=1\rB=2\r"}) {
        IniDocument document = ParseIni(text);
        EXPECT_EQ(ValueOf(document, "G", "A"), "1") << text;
        EXPECT_EQ(ValueOf(document, "G", "B"), "2") << text;
    }
}

TEST(IniReader, FirstGroupAndFirstKeyWinWhenRepeated) {
    IniDocument document = ParseIni("[G]\nK=first\nk=second\n[g]\nK=third\nOther=x\n");
    EXPECT_EQ(ValueOf(document, "G", "K"), "first");
    // The second group is kept but a lookup never reaches it.
    EXPECT_EQ(ValueOf(document, "G", "Other"), "<no key>");
    EXPECT_EQ(document.groups.size(), 2u);
}

TEST(IniReader, MissingFileIsReportedAndExistingFileIsRead) {
    TempDir dir;
    IniDocument document;
    EXPECT_FALSE(ReadIniFile(dir / "absent.ini", document));
    EXPECT_FALSE(ReadIniFile(dir.path(), document));  // a folder is not a file
    testing_support::WriteFile(dir / "a.ini", std::string("[CLI]\nQUALITY = 80\n"));
    ASSERT_TRUE(ReadIniFile(dir / "a.ini", document));
    EXPECT_EQ(ValueOf(document, "cli", "quality"), "80");
}

TEST(IniWriter, WritesTheExactLayout) {
    IniWriter writer;
    writer.BeginGroup("General");
    writer.Write("CFG", 17LL);
    writer.Write("Update Date", -5LL);
    writer.Write("Language", "English");
    writer.EndGroup();
    writer.BeginGroup("Window");
    writer.EndGroup();
    writer.BeginGroup("File");
    writer.Write("Recent Out Folders", "/a/\t/b/");
    writer.EndGroup();
    EXPECT_EQ(writer.Text(),
              "\xEF\xBB\xBF\r\n"
              "[General]\r\nCFG = 17\r\nUpdate Date = -5\r\nLanguage = English\r\n; \r\n"
              "[Window]\r\n; \r\n"
              "[File]\r\nRecent Out Folders = /a/\t/b/\r\n; \r\n");
}

TEST(IniWriter, LineBreaksInAValueCannotStartANewLine) {
    IniWriter writer;
    writer.BeginGroup("G");
    writer.Write("Text", "one\r\n[Other]\nInjected = 1");
    writer.EndGroup();
    IniDocument document = ParseIni(writer.Text());
    ASSERT_EQ(document.groups.size(), 1u);
    ASSERT_EQ(document.groups[0].entries.size(), 1u);
    EXPECT_EQ(ValueOf(document, "G", "Text"), "one[Other]Injected = 1");
}

TEST(IniWriter, SaveReplacesTheFileAndWrittenTextReadsBack) {
    TempDir dir;
    const std::string path = dir / "config.ini";
    testing_support::WriteFile(path, std::string(5000, 'x'));
    IniWriter writer;
    writer.BeginGroup("G");
    writer.Write("Key", "caf\xC3\xA9");
    writer.EndGroup();
    ASSERT_TRUE(writer.SaveTo(path));
    EXPECT_EQ(testing_support::ReadFile(path), writer.Text());
    IniDocument document;
    ASSERT_TRUE(ReadIniFile(path, document));
    EXPECT_EQ(ValueOf(document, "G", "Key"), "caf\xC3\xA9");
    // No temporary file is left behind.
    EXPECT_FALSE(testing_support::FileExists(path + ".tmp" + std::to_string(getpid())));
}

TEST(IniWriter, SaveIntoAMissingFolderFails) {
    TempDir dir;
    IniWriter writer;
    EXPECT_FALSE(writer.SaveTo(dir / "no/such/folder/config.ini"));
}

}  // namespace
