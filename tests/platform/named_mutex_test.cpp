#include "platform/named_mutex.h"

#include <gtest/gtest.h>

#include "platform/system_info.h"
#include "platform_fixture.h"

namespace xs {
namespace {

using NamedMutex = PlatformTest;

// Run by ASecondProcessSeesTheMutex: passes when the named mutex exists.
TEST(NamedMutexChild, DISABLED_SeesMutex) {
  std::optional<std::string> name = EnvironmentVariable("XS_TEST_MUTEX");
  ASSERT_TRUE(name);
  EXPECT_TRUE(NamedMutexExists(*name));
}

TEST_F(NamedMutex, ExistsWhileSomeoneHoldsIt) {
  std::string name = UniqueName("XSetupTest.Mutex");
  EXPECT_FALSE(NamedMutexExists(name));
  {
    TNamedMutex mutex;
    ASSERT_TRUE(mutex.Create(name));
    EXPECT_FALSE(mutex.Create(name + "2"));  // one name per object
    EXPECT_TRUE(NamedMutexExists(name));
    EXPECT_TRUE(NamedMutexExists(name));  // asking does not take it away
    EXPECT_FALSE(NamedMutexExists(name + "x"));
    {
      TNamedMutex same;
      ASSERT_TRUE(same.Create(name));  // opens the existing one
    }
    EXPECT_TRUE(NamedMutexExists(name));
  }
  EXPECT_FALSE(NamedMutexExists(name));
}

TEST_F(NamedMutex, ASecondProcessSeesTheMutex) {
  std::string name = UniqueName("XSetupTest.Shared");
  TNamedMutex mutex;
  ASSERT_TRUE(mutex.Create(name));
  SetTestVariable("XS_TEST_MUTEX", name);
  EXPECT_EQ(RunSelf("NamedMutexChild.DISABLED_SeesMutex"), 0u);
}

}  // namespace
}  // namespace xs
