#include "common/update_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "common/dpi_scale.h"

namespace {

struct TQueueFixture : ::testing::Test {
  int Wakes = 0;
  std::vector<std::string> Ran;
  TUpdateQueue Queue{[this] { ++Wakes; }};
  int ModelA = 0, ModelB = 0, CartridgeOne = 0, CartridgeTwo = 0;

  TUpdateQueue::TUpdate Record(std::string name) {
    return [this, name] { Ran.push_back(name); };
  }
};

TEST_F(TQueueFixture, CoalescesPerModelKeepsOrderAndWakesOncePerBatch) {
  Queue.Post(&ModelA, nullptr, Record("a1"));
  Queue.Post(&ModelB, nullptr, Record("b"));
  Queue.Post(&ModelA, nullptr, Record("a2"));
  EXPECT_EQ(Wakes, 1);
  EXPECT_EQ(Queue.RunPending(), 2);
  EXPECT_EQ(Ran, (std::vector<std::string>{"a2", "b"}));
  Queue.Post(&ModelA, nullptr, Record("a3"));
  EXPECT_EQ(Wakes, 2);
}

TEST_F(TQueueFixture, DropsNoticesOfCartridgesNoLongerActive) {
  Queue.SetActiveSource(&CartridgeOne);
  Queue.Post(&ModelA, &CartridgeOne, Record("one"));
  Queue.Post(&ModelB, &CartridgeTwo, Record("two, never active"));
  Queue.Post(&ModelB, nullptr, Record("always"));
  Queue.SetActiveSource(&CartridgeTwo);
  EXPECT_EQ(Queue.RunPending(), 1);
  EXPECT_EQ(Ran, (std::vector<std::string>{"always"}));
}

TEST_F(TQueueFixture, AnUpdatePostedWhileRunningWaitsForTheNextBatch) {
  Queue.Post(&ModelA, nullptr, [this] {
    Ran.push_back("first");
    Queue.Post(&ModelA, nullptr, Record("again"));
  });
  EXPECT_EQ(Queue.RunPending(), 1);
  EXPECT_EQ(Queue.RunPending(), 1);
  EXPECT_EQ(Ran, (std::vector<std::string>{"first", "again"}));
}

TEST_F(TQueueFixture, DrainsAtCloseAndRefusesLaterNotices) {
  Queue.Post(&ModelA, nullptr, Record("pending"));
  Queue.DrainAndClose();
  Queue.Post(&ModelB, nullptr, Record("late"));
  EXPECT_EQ(Queue.RunPending(), 0);
  EXPECT_EQ(Ran, (std::vector<std::string>{"pending"}));
  EXPECT_TRUE(Queue.Closed());
}

TEST_F(TQueueFixture, ManyWorkersPostingOneModelLeaveOneNotice) {
  std::vector<std::thread> workers;
  for (int t = 0; t < 4; ++t)
    workers.emplace_back([this] {
      for (int i = 0; i < 1000; ++i) Queue.Post(&ModelA, nullptr, [] {});
    });
  for (auto& worker : workers) worker.join();
  EXPECT_EQ(Queue.RunPending(), 1);
  EXPECT_EQ(Wakes, 1);
}

TEST(DpiScale, ScalesFrom96AndRoundsToTheNearestPixel) {
  EXPECT_EQ(ScaleForDpi(16, 96), 16);
  EXPECT_EQ(ScaleForDpi(16, 144), 24);
  EXPECT_EQ(ScaleForDpi(25, 144), 38);  // 37.5 rounds up
  EXPECT_EQ(ScaleForDpi(177, 120), 221);
  EXPECT_EQ(ScaleForDpi(-3, 144), -5);
  EXPECT_EQ(ScaleForDpi(20, 0), 20);
}

}  // namespace
