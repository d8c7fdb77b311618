// What the configuration profile promises, as one table that runs against both platform
// implementations: the fake one natively, the Windows one under Wine. Text is UTF-8.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace norvi::contract {

struct ProfileWrite {
    std::string section, key, value;
};

struct ProfileRead {
    std::string section, key, fallback, expected;
};

struct ProfileCase {
    std::string description;
    std::optional<std::string> initialText;  // the file before the writes; none: no file
    std::vector<ProfileWrite> writes;         // performed in order, each must succeed
    std::vector<ProfileRead> reads;           // checked after the writes
    // The file's non-blank lines after the writes, in order; empty: not checked.
    std::vector<std::string> expectedLines;
};

// Test output names a case by its description.
inline void PrintTo(const ProfileCase& c, std::ostream* os) { *os << c.description; }

// The non-blank lines of a file's text, without their line ends.
inline std::vector<std::string> nonBlankLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.pop_back();
        if (line.find_first_not_of(" \t") != std::string::npos) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

inline const std::vector<ProfileCase>& profileContractCases() {
    static const std::string longValue(3000, 'x');
    static const std::string cutValue(2047, 'x');
    // Outside any 8-bit code page: Slovenian letters, a CJK character and an emoji.
    static const std::string nonAnsi = "C:\\Zvoki\\\xC4\x8D\xC5\xA1\xC5\xBE \xE9\x9F\xB3 \xF0\x9F\x94\x94.wav";
    static const std::vector<ProfileCase> cases = {
        {"a missing file gives the fallback", std::nullopt, {}, {{"Config", "left", "300", "300"}}, {}},
        {"a missing section or key gives the fallback, a present one its value",
         "[Config]\r\nleft=10\r\n",
         {},
         {{"ConfigSD", "left", "x", "x"}, {"Config", "top", "30", "30"}, {"Config", "left", "x", "10"}},
         {}},
        {"a fallback loses its trailing blanks and one pair of enclosing quotes, not its leading blanks",
         "[Config]\r\n",
         {},
         {{"Config", "a", "  lead", "  lead"},
          {"Config", "b", "trail  ", "trail"},
          {"Config", "c", "\"quoted\"", "quoted"},
          {"Config", "d", longValue, cutValue}},
         {}},
        {"a key present with an empty value gives the empty value, not the fallback",
         "[Config]\r\nCtxt8=\r\n",
         {},
         {{"Config", "Ctxt8", "ABC", ""}},
         {}},
        {"section and key names match without regard to case",
         "[Config]\r\nLeft=10\r\n",
         {{"CONFIG", "LEFT", "20"}},
         {{"config", "left", "", "20"}, {"Config", "Left", "", "20"}},
         {"[Config]", "Left=20"}},
        {"blanks around names and values are ignored",
         "[ Config ]\r\n  left  =   10  \r\n\ttop\t=\t5\t\r\n",
         {},
         {{"Config", "left", "", "10"}, {"Config", "top", "", "5"}},
         {}},
        {"one pair of enclosing quotes is stripped, unbalanced quotes stay",
         "[Config]\r\na=\"quoted\"\r\nb='single'\r\nc=\"\"twice\"\"\r\nd=\"open\r\ne=  \" inner \"  \r\nf=\"mixed'\r\n",
         {},
         {{"Config", "a", "", "quoted"},
          {"Config", "b", "", "single"},
          {"Config", "c", "", "\"twice\""},
          {"Config", "d", "", "\"open"},
          {"Config", "e", "", " inner "},
          {"Config", "f", "", "\"mixed'"}},
         {}},
        {"values are cut at 2047 characters, stored or written",
         "[Config]\r\nstored=" + longValue + "\r\n",
         {{"Config", "written", longValue}},
         {{"Config", "stored", "", cutValue}, {"Config", "written", "", cutValue}},
         {}},
        {"a write creates the file and the section",
         std::nullopt,
         {{"Config", "left", "10"}},
         {{"Config", "left", "", "10"}},
         {"[Config]", "left=10"}},
        {"a new key goes at the end of its section",
         "[Config]\r\na=1\r\nb=2\r\n\r\n[Wav]\r\npath1=x\r\n",
         {{"Config", "c", "3"}},
         {{"Config", "c", "", "3"}, {"Wav", "path1", "", "x"}},
         {"[Config]", "a=1", "b=2", "c=3", "[Wav]", "path1=x"}},
        {"a new section goes at the end of the file",
         "[Config]\r\na=1\r\n",
         {{"Wav", "path1", "Default"}},
         {{"Config", "a", "", "1"}, {"Wav", "path1", "", "Default"}},
         {"[Config]", "a=1", "[Wav]", "path1=Default"}},
        {"of duplicate keys the first is read and the first is overwritten",
         "[Config]\r\na=1\r\na=2\r\n",
         {{"Config", "a", "3"}},
         {{"Config", "a", "", "3"}},
         {"[Config]", "a=3", "a=2"}},
        {"overwriting a key keeps its place and the other keys",
         "[Config]\r\na=1\r\nb=2\r\nc=3\r\n[Wav]\r\nb=9\r\n",
         {{"Config", "b", "20"}},
         {{"Config", "a", "", "1"}, {"Config", "b", "", "20"}, {"Config", "c", "", "3"}, {"Wav", "b", "", "9"}},
         {"[Config]", "a=1", "b=20", "c=3", "[Wav]", "b=9"}},
        {"non-ANSI text in a new file survives a write and a read",
         std::nullopt,
         {{"Wav", "path1", nonAnsi}},
         {{"Wav", "path1", "", nonAnsi}},
         {}},
        {"non-ANSI text written into an existing ANSI file keeps it and the other settings",
         "[Config]\r\nleft=10\r\n[Wav]\r\npath1=Default\r\n",
         {{"Wav", "path1", nonAnsi}, {"Config", "top", "30"}},
         {{"Wav", "path1", "", nonAnsi}, {"Config", "left", "", "10"}, {"Config", "top", "", "30"}},
         {}},
    };
    return cases;
}

}  // namespace norvi::contract
