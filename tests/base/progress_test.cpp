#include "base/progress.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace xs {
namespace {

struct ProgressFixture : ::testing::Test {
  TXProgressTarget target;
  std::vector<int> seen;
  TXProgressItem root{nullptr, &target};
  void SetUp() override {
    root.Range = 1000;
    target.OnChange = [this](TXProgressTarget& t) { seen.push_back(t.Position()); };
  }
};

TEST(RoundDivTest, HalvesGoToEven) {
  EXPECT_EQ(RoundDiv(5, 2), 2u);
  EXPECT_EQ(RoundDiv(7, 2), 4u);
  EXPECT_EQ(RoundDiv(3, 2), 2u);
  EXPECT_EQ(RoundDiv(10, 4), 2u);
  EXPECT_EQ(RoundDiv(11, 4), 3u);
  EXPECT_EQ(RoundDiv(0, 9), 0u);
}

TEST_F(ProgressFixture, PositionIsLimitedToMax) {
  root.SetPosition(150);
  EXPECT_EQ(root.Position, 100u);
  EXPECT_EQ(target.Position(), 1000);
}

TEST_F(ProgressFixture, ChildrenEndAtTheirPerMilleShare) {
  TXProgressItem* child = root.BeginChild(20);
  EXPECT_EQ(child->Base, 0);
  EXPECT_EQ(child->Range, 200);
  child->SetPosition(50);
  EXPECT_EQ(target.Position(), 100);
  child->Finish();
  EXPECT_EQ(target.Position(), 200);
  EXPECT_EQ(root.Position, 20u);

  TXProgressItem* second = root.BeginChild(30);
  EXPECT_EQ(second, child) << "the child is reused";
  EXPECT_EQ(second->Base, 200);
  EXPECT_EQ(second->Range, 300);
  second->Finish();
  EXPECT_EQ(target.Position(), 500);
  EXPECT_EQ(target.Current, &root);
}

TEST_F(ProgressFixture, StartingAChildFinishesThePreviousOne) {
  root.BeginChild(25)->SetPosition(10);
  root.BeginStepChild();
  EXPECT_EQ(root.Position, 25u);
  EXPECT_EQ(target.Position(), 250);
  TXProgressItem* step = root.Child();
  EXPECT_EQ(step->Base, 250);
  EXPECT_EQ(step->Range, 10);
  EXPECT_EQ(target.Current, step);
}

TEST_F(ProgressFixture, GrandchildrenReportIntoTheSameTarget) {
  TXProgressItem* child = root.BeginChild(50);      // 0..500
  TXProgressItem* grandchild = child->BeginChild(50);  // 0..250
  grandchild->SetPercent(50);
  EXPECT_EQ(target.Position(), 125);
  child->Finish();
  EXPECT_EQ(target.Position(), 500);
  EXPECT_EQ(child->Child(), nullptr) << "finishing frees the item's own child";
}

TEST_F(ProgressFixture, FinishingTheRootSetsThousandSilently) {
  root.SetPosition(10);
  size_t events = seen.size();
  root.Finish();
  EXPECT_EQ(target.Position(), 1000);
  // SetPosition(Max) reported 1000 already; the root's own 1000 adds no event.
  EXPECT_EQ(seen.size(), events + 1);
}

TEST_F(ProgressFixture, TargetNeverMovesBackButResetsToZero) {
  target.SetProgress(300);
  target.SetProgress(200);
  target.SetProgress(300);
  EXPECT_EQ(target.Position(), 300);
  target.SetProgress(0);
  EXPECT_EQ(target.Position(), 0);
  target.SetProgress(0);
  EXPECT_EQ(seen, (std::vector<int>{300, 0, 0}));
}

TEST_F(ProgressFixture, ExceptionsFromTheChangeEventAreSwallowed) {
  target.OnChange = [](TXProgressTarget&) { throw std::runtime_error("boom"); };
  EXPECT_NO_THROW(root.SetPosition(40));
  EXPECT_EQ(target.Position(), 400);
}

TEST_F(ProgressFixture, SetMaxAndGrowMaxKeepTheReachedFraction) {
  root.SetMax(0);
  EXPECT_EQ(root.Max, 100u);
  root.SetPosition(50);
  root.GrowMax(100);
  EXPECT_EQ(root.Max, 200u);
  EXPECT_EQ(root.Position, 100u);
  root.SetMax(40);
  EXPECT_EQ(root.Position, 40u);
  root.GrowMax(0);
  EXPECT_EQ(root.Max, 40u);
}

TEST_F(ProgressFixture, RangeTimesPositionWrapsAtThirtyTwoBits) {
  root.Range = 0x10000;
  root.SetMax(0x20000);
  root.SetPosition(0x10000);  // 2^32 wraps to 0
  EXPECT_EQ(target.Position(), 0);
}

TEST(ProgressCompanions, AbsentItemsAreIgnored) {
  EXPECT_EQ(PxBeginChild(nullptr, 10), nullptr);
  EXPECT_EQ(PxBeginStepChild(nullptr), nullptr);
  PxSetMax(nullptr, 5);
  PxStep(nullptr);
  PxSetPercent(nullptr, 5);
  PxFinish(nullptr);
}

}  // namespace
}  // namespace xs
