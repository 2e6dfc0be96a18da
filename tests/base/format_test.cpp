#include "base/format.h"

#include <gtest/gtest.h>

namespace xs {
namespace {

TEST(FormatTemplate, FillsPlaceholdersInOrder) {
  EXPECT_EQ(FormatTemplate("The file %s is %d bytes", {"a.dll", "120"}), "The file a.dll is 120 bytes");
  EXPECT_EQ(FormatTemplate("%s%s", {"%d", "%s"}), "%d%s");  // arguments are not formatted again
  EXPECT_EQ(FormatTemplate("100%% of %d", {"-3"}), "100% of -3");
  EXPECT_EQ(FormatTemplate("no placeholders", {"extra"}), "no placeholders");
  EXPECT_EQ(FormatTemplate("", {}), "");
}

TEST(FormatTemplate, ATemplateThatCannotBeFilledComesBackUnchanged) {
  for (const char* text : {"%s and %s", "%d", "%x", "trailing %", "%5s"})
    EXPECT_EQ(FormatTemplate(text, {"one"}), text);
  EXPECT_EQ(FormatTemplate("%d", {"12a"}), "%d");
  EXPECT_EQ(FormatTemplate("%d", {""}), "%d");
}

}  // namespace
}  // namespace xs
