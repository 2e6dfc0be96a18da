// Tests that read translated texts: the built-in English words, with some
// words replaced, as the active language for the test's length.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "lang/language.h"

namespace xs {

class UiLanguageTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Gives key this text in the active language (the others are English again).
  void SetWord(const std::string& key, const std::string& text);

 private:
  TXLg saved_;
};

}  // namespace xs
