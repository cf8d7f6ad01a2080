// Reads INI text into groups of key/value entries and writes the configuration file's layout.
//
// The reader never fails on content: lines it cannot make sense of are skipped. Text without a
// UTF-8 byte-order mark is taken as Latin-1 and converted, so every stored key and value is UTF-8.
#include "settings/ini_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return text.substr(begin, end - begin);
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// Handles one line (without its line end) of already-UTF-8 text.
void ParseLine(std::string_view raw, IniDocument& document, bool& inGroup) {
    std::string_view line = TrimBlanks(raw);
    if (line.empty() || line.front() == ';') return;
    if (line.front() == '[') {
        std::size_t close = line.find(']');
        if (close == std::string_view::npos) return;  // not a group line, and no "=" to rely on
        IniGroup group;
        group.name = std::string(TrimBlanks(line.substr(1, close - 1)));
        document.groups.push_back(std::move(group));
        inGroup = true;
        return;
    }
    if (!inGroup) return;
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    std::string_view key = TrimBlanks(line.substr(0, equals));
    if (key.empty()) return;
    IniEntry entry;
    entry.key = std::string(key);
    entry.value = std::string(TrimBlanks(line.substr(equals + 1)));
    document.groups.back().entries.push_back(std::move(entry));
}

}  // namespace

IniDocument ParseIni(std::string_view bytes) {
    std::string text;
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text = std::string(bytes.substr(kByteOrderMark.size()));
    } else {
        text = Latin1ToUtf8(bytes);
    }

    IniDocument document;
    bool inGroup = false;
    std::string_view rest = text;
    // Lines end in CR LF, LF or a lone CR.
    while (!rest.empty()) {
        std::size_t end = rest.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            ParseLine(rest, document, inGroup);
            break;
        }
        ParseLine(rest.substr(0, end), document, inGroup);
        std::size_t next = end + 1;
        if (rest[end] == '\r' && next < rest.size() && rest[next] == '\n') ++next;
        rest.remove_prefix(next);
    }
    return document;
}

bool ReadIniFile(const std::string& path, IniDocument& document) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return false;
    document = ParseIni(bytes);
    return true;
}

const IniGroup* FindIniGroup(const IniDocument& document, std::string_view name) {
    for (const IniGroup& group : document.groups) {
        if (EqualsIgnoringCase(group.name, name)) return &group;
    }
    return nullptr;
}

const IniEntry* FindIniEntry(const IniGroup& group, std::string_view key) {
    for (const IniEntry& entry : group.entries) {
        if (EqualsIgnoringCase(entry.key, key)) return &entry;
    }
    return nullptr;
}

IniWriter::IniWriter() : text_(kByteOrderMark) { text_ += "\r\n"; }

void IniWriter::BeginGroup(std::string_view name) {
    text_ += '[';
    text_ += name;
    text_ += "]\r\n";
}

void IniWriter::Write(std::string_view key, std::string_view value) {
    text_ += key;
    text_ += " = ";
    // A line break inside a value would end the line early and turn the rest into a key of
    // its own, so values are written without carriage returns and line feeds.
    for (char c : value) {
        if (c != '\r' && c != '\n') text_ += c;
    }
    text_ += "\r\n";
}

void IniWriter::Write(std::string_view key, long long value) { Write(key, std::to_string(value)); }

void IniWriter::EndGroup() { text_ += "; \r\n"; }

namespace {

enum class WriteResult { kWritten, kNotOpened, kFailed };

WriteResult WriteWhole(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return WriteResult::kNotOpened;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    return file.fail() ? WriteResult::kFailed : WriteResult::kWritten;
}

}  // namespace

bool IniWriter::SaveTo(const std::string& path) const {
    // Write beside the file and move it into place, so that a failed write (full disk, killed
    // process) never leaves a truncated configuration behind.
    std::string temporary = path + ".tmp" + std::to_string(static_cast<long>(getpid()));
    WriteResult result = WriteWhole(temporary, text_);
    if (result == WriteResult::kWritten) {
        if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
        std::remove(temporary.c_str());
        return false;
    }
    std::remove(temporary.c_str());
    if (result == WriteResult::kFailed) return false;
    // The folder may refuse new files while the file itself is writable.
    return WriteWhole(path, text_) == WriteResult::kWritten;
}
