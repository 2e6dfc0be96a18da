// The uninstall program's last message: what it names of the parts that
// could not be removed.
#include "uninstall/uninstall_result.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/ui_language_fixture.h"

namespace xs {
namespace {

std::vector<std::string> Parts(size_t count) {
  std::vector<std::string> parts;
  for (size_t i = 1; i <= count; ++i) parts.push_back("C:\\App\\part" + std::to_string(i) + ".dll");
  return parts;
}

// The lines after the incomplete message's first paragraph.
std::string ListOf(size_t listed, const std::string& more) {
  std::string text;
  for (const std::string& part : Parts(listed)) text += "\r\n" + part;
  return more.empty() ? text : text + "\r\n" + more;
}

class UninstallResultTextTest : public UiLanguageTest {};

TEST_F(UninstallResultTextTest, ListsWhatRemainsUpToTenAndCountsTheRest) {
  const std::string incomplete =
      "Tool was removed, but some of its parts could not be. They stay listed in its uninstall log, so that the "
      "uninstall can be run again.\r\n";
  struct Case {
    size_t remaining;
    std::string text;
  } cases[] = {
      {0, "Tool was removed from this computer."},
      {1, incomplete + ListOf(1, "")},
      {10, incomplete + ListOf(10, "")},
      {11, incomplete + ListOf(10, "and 1 more")},
      {250, incomplete + ListOf(10, "and 240 more")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.remaining);
    EXPECT_EQ(UninstallResultText("Tool", Parts(c.remaining)), c.text);
  }
}

}  // namespace
}  // namespace xs
