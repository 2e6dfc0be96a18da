#include "wizard/wizard_progress.h"

#include <functional>

#include <gtest/gtest.h>

#include "ui/ui_language_fixture.h"

namespace xs {
namespace {

constexpr uint64_t kMB = 1u << 20;

using ProgressTest = UiLanguageTest;

TEST_F(ProgressTest, ItemReportsAndTheBytesOfLargeFiles) {
  struct Step {
    const char* what;
    std::function<void(TXWizardProgress&)> report;
    int bar;
    std::string file_label;
  } steps[] = {
      {"bytes before any item", [](TXWizardProgress& p) { p.Bytes(32 * kMB, 64 * kMB, 50); }, 0, ""},
      {"an item", [](TXWizardProgress& p) { p.Report("Files", 40, "big.dat"); }, 400, "big.dat"},
      {"a small file's bytes", [](TXWizardProgress& p) { p.Bytes(1 * kMB, 4 * kMB, 60); }, 400, "big.dat"},
      {"a quarter", [](TXWizardProgress& p) { p.Bytes(16 * kMB, 64 * kMB, 60); }, 450,
       "big.dat  (16 of 64 MB)"},
      {"never back", [](TXWizardProgress& p) { p.Bytes(8 * kMB, 64 * kMB, 60); }, 450, "big.dat  (8 of 64 MB)"},
      {"more than the whole", [](TXWizardProgress& p) { p.Bytes(80 * kMB, 64 * kMB, 60); }, 600,
       "big.dat  (64 of 64 MB)"},
      {"the next item", [](TXWizardProgress& p) { p.Report("Files", 60, "next.dat"); }, 600, "next.dat"},
      {"a share that ends before it starts", [](TXWizardProgress& p) { p.Bytes(63 * kMB, 64 * kMB, 10); }, 600,
       "next.dat  (63 of 64 MB)"},
      {"half of the largest file",
       [](TXWizardProgress& p) { p.Bytes(uint64_t{1} << 62, uint64_t{1} << 63, 80); }, 700,
       "next.dat  (4398046511104 of 8796093022208 MB)"},
      {"positions beyond the range", [](TXWizardProgress& p) { p.Report("Registry", 150, "key"); }, 1000, "key"},
      {"and below it", [](TXWizardProgress& p) { p.Report("Registry", -5, ""); }, 0, ""},
  };
  TXWizardProgress progress;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.report(progress);
    EXPECT_EQ(progress.BarPosition(), step.bar);
    EXPECT_EQ(progress.FileLabel(), step.file_label);
  }
  EXPECT_EQ(progress.SectionLabel(), "Registry");
}

TEST_F(ProgressTest, TheBytesTextIsTranslated) {
  SetWord("ytbyteswrite", "%d von %d MB");
  TXWizardProgress progress;
  progress.Report("Dateien", 10, "a.dat");
  progress.Bytes(5 * kMB, 10 * kMB, 20);
  EXPECT_EQ(progress.FileLabel(), "a.dat  (5 von 10 MB)");
  EXPECT_EQ(progress.BarPosition(), 150);
}

}  // namespace
}  // namespace xs
