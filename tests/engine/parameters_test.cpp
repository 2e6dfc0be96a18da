#include "engine/parameters.h"

#include <gtest/gtest.h>

#include <vector>

namespace xs {
namespace {

std::vector<std::string> Split(const std::string& line) {
  TXParameters p;
  p.ParseCommandLine(line);
  return p.Items();
}

TEST(ParseCommandLine, SplitsEntries) {
  struct Case {
    const char* line;
    std::vector<std::string> entries;
  } cases[] = {
      {"", {}},
      {"setup.exe", {"setup.exe"}},
      {"  setup.exe   /a\t/b ", {"setup.exe", "/a", "/b"}},
      {"\"C:\\Program Files\\setup.exe\" /lg:7", {"C:\\Program Files\\setup.exe", "/lg:7"}},
      {"setup \"/file:C:\\A B\\p.dat\" /lg:7", {"setup", "/file:C:\\A B\\p.dat", "/lg:7"}},
      {"setup /file:\"C:\\A B\\p.dat\"x /lg:7", {"setup", "/file:C:\\A B\\p.datx", "/lg:7"}},
      {"setup \"\" /lg:7", {"setup", "/lg:7"}},
      {"setup \"unterminated a b", {"setup", "unterminated a b"}},
      {"\"\" /a", {"/a"}},  // an empty pair is skipped, even before the path
      {"   ", {""}},         // the program path is added even when empty
  };
  for (const auto& c : cases) EXPECT_EQ(Split(c.line), c.entries) << c.line;
}

TEST(ParseCommandLine, HighBytesBelongToEntries) {
  EXPECT_EQ(Split("s /file:\xe4\xf6.dat"), (std::vector<std::string>{"s", "/file:\xe4\xf6.dat"}));
}

TEST(Switches, MatchingAndValues) {
  struct Case {
    const char* line;
    const char* name;
    int index;
    const char* value;
  } cases[] = {
      {"s /FILE:x.dat", "/file:", 1, "x.dat"},
      {"s /File:X.Dat", "/file:", 1, "X.Dat"},
      {"s /filex", "/file:", -1, ""},
      {"s /admin2", "/admin", -1, ""},
      {"s /ADMIN", "/admin", 1, ""},
      {"s /lg:", "/lg:", 1, ""},
      {"s /lg:1 /lg:2", "/lg:", 1, "1"},
      {"/lg:5 /lg:2", "/lg:", 0, "5"},  // the program path takes part
  };
  for (const auto& c : cases) {
    TXParameters p;
    p.ParseCommandLine(c.line);
    EXPECT_EQ(p.IndexOfSwitch(c.name), c.index) << c.line;
    EXPECT_EQ(p.HasSwitch(c.name), c.index >= 0) << c.line;
    EXPECT_EQ(p.SwitchValue(c.name), c.value) << c.line;
  }
}

TEST(Switches, QuotedValueIsUnquotedWithDoubledQuotes) {
  TXParameters p;
  p.Add("s");
  p.Add("/file:\"a \"\"b\"\" c\" tail");
  EXPECT_EQ(p.SwitchValue("/file:"), "a \"b\" c");
  p[1] = "/file:\"\"";  // an empty quoted value stays as written
  EXPECT_EQ(p.SwitchValue("/file:"), "\"\"");
}

}  // namespace
}  // namespace xs
