// The fixture of the object text tests.
#pragma once

#include <gtest/gtest.h>

#include "base/error.h"
#include "test_classes.h"

namespace xs::testing_classes {

// Registers the test classes for the life of each test and starts with a
// clear error object.
class ObjectTextFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    XError().Clear();
  }
  void TearDown() override { UnregisterTestClasses(); }
};

}  // namespace xs::testing_classes
