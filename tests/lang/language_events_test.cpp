#include "lang/language_events.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace xs {
namespace {

// Who was called, in order; plus what some subscribers do when called.
std::vector<TComponent*> g_calls;
TComponent* g_victim = nullptr;

void Record(TComponent* c) { g_calls.push_back(c); }
void Raise(TComponent* c) {
  g_calls.push_back(c);
  throw std::runtime_error("cannot apply texts");
}
void RemoveVictim(TComponent* c) {
  g_calls.push_back(c);
  RemoveLanguageListener(Record, g_victim);
}
void AddLate(TComponent* c) {
  g_calls.push_back(c);
  if (g_victim) AddLanguageListener(Record, g_victim);
  g_victim = nullptr;
}

class LanguageEventsTest : public ::testing::Test {
 protected:
  void SetUp() override { g_calls.clear(); g_victim = nullptr; }
  void TearDown() override {
    for (auto proc : {Record, Raise, RemoveVictim, AddLate})
      for (TComponent* c : {&a, &b, &c})
        for (int i = 0; i < 3; ++i) RemoveLanguageListener(proc, c);
    EndLanguageUpdate(false);
  }
  TComponent a, b, c;
};

TEST_F(LanguageEventsTest, SubscribersGetTheirTextsAtOnceAndOnEveryChange) {
  AddLanguageListener(Record, &a);
  AddLanguageListener(Record, &b);
  EXPECT_EQ(g_calls, (std::vector<TComponent*>{&a, &b}));
  g_calls.clear();
  NotifyLanguageChanged();
  EXPECT_EQ(g_calls, (std::vector<TComponent*>{&a, &b}));
}

TEST_F(LanguageEventsTest, UpdateLockDefersUntilEndWithFire) {
  BeginLanguageUpdate();
  EXPECT_TRUE(LanguageUpdateLocked());
  AddLanguageListener(Record, &a);
  AddLanguageListener(Record, &b);
  NotifyLanguageChanged();
  EXPECT_TRUE(g_calls.empty());
  EndLanguageUpdate(true);
  EXPECT_FALSE(LanguageUpdateLocked());
  EXPECT_EQ(g_calls, (std::vector<TComponent*>{&a, &b}));
  g_calls.clear();
  BeginLanguageUpdate();
  EndLanguageUpdate(false);
  EXPECT_TRUE(g_calls.empty());
}

TEST_F(LanguageEventsTest, RaisingSubscriberDoesNotStopTheOthers) {
  AddLanguageListener(Raise, &a);  // the call at subscription raises too
  AddLanguageListener(Record, &b);
  g_calls.clear();
  EXPECT_NO_THROW(NotifyLanguageChanged());
  EXPECT_EQ(g_calls, (std::vector<TComponent*>{&a, &b}));
}

TEST_F(LanguageEventsTest, SubscriberRemovedDuringNotificationIsSkipped) {
  BeginLanguageUpdate();
  AddLanguageListener(RemoveVictim, &a);
  AddLanguageListener(Record, &b);
  AddLanguageListener(Record, &c);
  g_victim = &b;
  EndLanguageUpdate(true);
  EXPECT_EQ(g_calls, (std::vector<TComponent*>{&a, &c}));
}

TEST_F(LanguageEventsTest, SubscriberAddedDuringNotificationWaitsForTheNextOne) {
  BeginLanguageUpdate();
  AddLanguageListener(AddLate, &a);
  g_victim = &b;
  EndLanguageUpdate(true);
  // b is called once, by its own subscription, not by the running notification.
  EXPECT_EQ(g_calls, (std::vector<TComponent*>{&a, &b}));
  g_calls.clear();
  NotifyLanguageChanged();
  EXPECT_EQ(g_calls, (std::vector<TComponent*>{&a, &b}));
}

TEST_F(LanguageEventsTest, RemoveTakesOnlyTheFirstMatchingSubscriber) {
  BeginLanguageUpdate();
  AddLanguageListener(Record, &a);
  AddLanguageListener(Record, &b);
  AddLanguageListener(Record, &a);
  RemoveLanguageListener(Record, &a);
  RemoveLanguageListener(Raise, &b);  // other procedure: no match
  EndLanguageUpdate(true);
  EXPECT_EQ(g_calls, (std::vector<TComponent*>{&b, &a}));
}

}  // namespace
}  // namespace xs
