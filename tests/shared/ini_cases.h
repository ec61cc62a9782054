#pragma once

// INI cases that our document engine and the system's profile functions
// must answer alike. Native tests run them against the engine; the Windows
// tests run them against GetPrivateProfileStringA/WritePrivateProfileStringA.

#include <string>
#include <vector>

namespace vantrel::testing {

inline const char* const kMissing = "<missing>";

struct IniRead {
  std::string section;
  std::string key;
  std::string expected;  // kMissing: the default came back
  unsigned buffer = 2048;
  std::string default_value = kMissing;
};

struct IniWrite {
  std::string section;
  std::string key;
  std::string value;
};

struct IniCase {
  std::string label;
  std::string file;
  std::vector<IniWrite> writes;
  std::vector<IniRead> reads;
};

inline std::vector<IniCase> ini_cases() {
  const std::string long_value(3000, 'x');
  const std::string cut_value(2047, 'x');
  return {
      {"plain value", "[HotKeys]\r\nCount=3\r\n", {}, {{"HotKeys", "Count", "3"}}},
      {"names ignore case", "[hotkeys]\r\ncount=3\r\n", {}, {{"HOTKEYS", "COUNT", "3"}}},
      {"blanks around key and value",
       "[HotKeys]\r\n  Count  =   3   \r\n\tPath0\t=\tcalc.exe\t\r\n",
       {},
       {{"HotKeys", "Count", "3"}, {"HotKeys", "Path0", "calc.exe"}}},
      {"blanks around header", "   [HotKeys]   \r\nCount=3\r\n", {}, {{"HotKeys", "Count", "3"}}},
      {"blanks inside brackets", "[ HotKeys ]\r\nCount=3\r\n", {}, {{"HotKeys", "Count", "3"}}},
      {"blanks around asked names", "[HotKeys]\r\nCount=3\r\n", {}, {{"  HotKeys ", " Count  ", "3"}}},
      {"text after header", "[HotKeys] old\r\nCount=3\r\n", {}, {{"HotKeys", "Count", "3"}}},
      {"header without bracket is no header",
       "[Other]\r\nCount=1\r\n[HotKeys\r\nCount=3\r\n",
       {},
       {{"HotKeys", "Count", kMissing}, {"Other", "Count", "1"}}},
      {"LF line ends", "[HotKeys]\nCount=3\nPath0=x y\n", {}, {{"HotKeys", "Path0", "x y"}}},
      {"CR line ends",
       "[HotKeys]\rCount=3\rPath0=x y\r",
       {},
       {{"HotKeys", "Count", "3"}, {"HotKeys", "Path0", "x y"}}},
      {"NUL ends a value",
       std::string("[H]\r\nP=6\0"
                   "7\r\nQ=1\r\n",
                   17),
       {},
       {{"H", "P", "6"}, {"H", "Q", "1"}}},
      {"no final line end", "[HotKeys]\r\nPath0=calc.exe", {}, {{"HotKeys", "Path0", "calc.exe"}}},
      {"blank lines", "\r\n\r\n[HotKeys]\r\n\r\n   \r\nCount=3\r\n\r\n", {}, {{"HotKeys", "Count", "3"}}},
      {"double quotes dropped",
       "[H]\r\nP=\"C:\\Program Files\\a.exe\"\r\n",
       {},
       {{"H", "P", "C:\\Program Files\\a.exe"}}},
      {"single quotes dropped", "[H]\r\nP='abc'\r\n", {}, {{"H", "P", "abc"}}},
      {"one pair only", "[H]\r\nP=\"\"abc\"\"\r\n", {}, {{"H", "P", "\"abc\""}}},
      {"open quote kept", "[H]\r\nP=\"abc\r\nQ=\"\r\n", {}, {{"H", "P", "\"abc"}, {"H", "Q", "\""}}},
      {"mismatched quotes kept", "[H]\r\nP=\"abc'\r\n", {}, {{"H", "P", "\"abc'"}}},
      {"quoted start with more after",
       "[H]\r\nP=\"C:\\a b\\x.exe\" -v\r\n",
       {},
       {{"H", "P", "\"C:\\a b\\x.exe\" -v"}}},
      {"empty quotes", "[H]\r\nP=\"\"\r\n", {}, {{"H", "P", ""}}},
      {"empty value", "[H]\r\nP=\r\nQ=   \r\n", {}, {{"H", "P", ""}, {"H", "Q", ""}}},
      {"key without equals", "[H]\r\nP\r\n", {}, {{"H", "P", kMissing}}},
      {"missing key, section, file", "[H]\r\nP=1\r\n", {}, {{"H", "Q", kMissing}, {"G", "P", kMissing}}},
      {"empty file", "", {}, {{"H", "P", kMissing}}},
      {"first key of duplicates", "[H]\r\nP=1\r\nP=2\r\n", {}, {{"H", "P", "1"}}},
      {"only the first section",
       "[H]\r\nP=1\r\n[G]\r\n[H]\r\nP=5\r\nQ=2\r\n",
       {},
       {{"H", "P", "1"}, {"H", "Q", kMissing}}},
      {"comment lines", "; Vantrel hotkeys\r\n[H]\r\n;P=9\r\nP=3\r\n", {}, {{"H", "P", "3"}}},
      {"keys above any section", "P=9\r\n[H]\r\nQ=1\r\n", {}, {{"H", "P", kMissing}}},
      {"equals in value", "[H]\r\nP=a=b\r\n", {}, {{"H", "P", "a=b"}}},
      {"long line cut", "[H]\r\nP=" + long_value + "\r\n", {}, {{"H", "P", cut_value}}},
      {"long quoted line cut", "[H]\r\nP=\"" + long_value + "\"\r\n", {}, {{"H", "P", cut_value}}},
      {"small buffer", "[H]\r\nP=abcdef\r\n", {}, {{"H", "P", "abc", 4}}},
      {"small buffer, quoted",
       "[H]\r\nP=\"abcdef\"\r\nQ=\"abcdef\"\r\n",
       {},
       {{"H", "P", "abcde", 7}, {"H", "Q", "abcdef", 8}}},
      {"default loses trailing blanks", "[H]\r\n", {}, {{"H", "P", "abc", 2048, "abc  "}}},
      {"ANSI bytes", "[H]\r\nP=caf\xE9\r\n", {}, {{"H", "P", "caf\xE9"}}},
      {"UTF-8 signature", "\xEF\xBB\xBF[H]\r\nP=1\r\n", {}, {{"H", "P", "1"}}},

      {"replace in place",
       "[H]\r\nCount=3\r\nP=a\r\n",
       {{"H", "Count", "5"}},
       {{"H", "Count", "5"}, {"H", "P", "a"}}},
      {"replace ignoring case",
       "[hotkeys]\r\ncount=1\r\n",
       {{"HotKeys", "Count", "7"}},
       {{"hotkeys", "COUNT", "7"}}},
      {"append to the section",
       "[H]\r\nCount=3\r\n\r\n[G]\r\nX=1\r\n",
       {{"H", "P", "a"}},
       {{"H", "P", "a"}, {"G", "X", "1"}, {"G", "P", kMissing}}},
      {"append after unterminated line",
       "[H]\r\nCount=3",
       {{"H", "P", "a"}},
       {{"H", "Count", "3"}, {"H", "P", "a"}}},
      {"section created", "[G]\r\nX=1", {{"H", "Count", "2"}}, {{"H", "Count", "2"}, {"G", "X", "1"}}},
      {"file created", "", {{"H", "Count", "2"}, {"H", "P", "b"}}, {{"H", "Count", "2"}, {"H", "P", "b"}}},
      {"first duplicate replaced", "[H]\r\nP=1\r\nP=2\r\n", {{"H", "P", "3"}}, {{"H", "P", "3"}}},
      {"write to first duplicate section",
       "[H]\r\nA=1\r\n[G]\r\n[H]\r\nB=2\r\n",
       {{"H", "B", "3"}},
       {{"H", "B", "3"}, {"H", "A", "1"}}},
      {"key without equals gets a value", "[H]\r\nP\r\n", {{"H", "P", "v"}}, {{"H", "P", "v"}}},
      {"written quotes read back without", "[H]\r\n", {{"H", "P", "\"x y\""}}, {{"H", "P", "x y"}}},
      {"written empty value", "[H]\r\nP=1\r\n", {{"H", "P", ""}}, {{"H", "P", ""}}},
      {"written in CR file", "[H]\rA=1\r", {{"H", "B", "2"}}, {{"H", "A", "1"}, {"H", "B", "2"}}},
      {"written in LF file",
       "[H]\nA=1\n",
       {{"H", "B", "2"}, {"G", "C", "3"}},
       {{"H", "A", "1"}, {"H", "B", "2"}, {"G", "C", "3"}}},
      {"many writes",
       "[H]\r\n",
       {{"H", "Count", "2"}, {"H", "Key0", "65"}, {"H", "Key1", "66"}, {"H", "Count", "1"}},
       {{"H", "Count", "1"}, {"H", "Key0", "65"}, {"H", "Key1", "66"}}},
  };
}

}  // namespace vantrel::testing
