// The window's hand-over from the links' threads: work runs on the
// user-interface thread in the order posted, a modal box's nested loop keeps
// that order, work posted by work lets other events in first, and nothing
// runs once the dispatcher is gone.
#include <QCoreApplication>
#include <QEventLoop>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/QtUiDispatcher.h"
#include "app/conn_fixture.h"

using ::testing::ElementsAre;

namespace {

// What the thread wrote before posting is what the work sees: the hand-over
// itself orders the two (the thread sanitizer checks this one too).
TEST(QtUiDispatcher, WorkFromAThreadRunsOnTheWindowsThreadInOrder) {
  constexpr int kJobs = 2000;
  QtUiDispatcher dispatcher;
  const std::thread::id ui = std::this_thread::get_id();
  std::vector<int> written(kJobs, 0);
  std::vector<int> ran;
  bool elsewhere = false;
  bool wrong = false;
  std::thread worker([&] {
    for (int i = 0; i < kJobs; ++i) {
      written[static_cast<size_t>(i)] = i + 1;
      dispatcher.Post([&, i] {
        elsewhere |= std::this_thread::get_id() != ui;
        wrong |= written[static_cast<size_t>(i)] != i + 1;
        ran.push_back(i);
      });
    }
  });
  // Taken while the thread still posts.
  const bool all = WaitFor([&] { return ran.size() == kJobs; });
  worker.join();
  ASSERT_TRUE(all);
  EXPECT_FALSE(elsewhere);
  EXPECT_FALSE(wrong);
  for (int i = 0; i < kJobs; ++i) ASSERT_EQ(ran[static_cast<size_t>(i)], i);
}

TEST(QtUiDispatcher, ANestedLoopRunsTheNextWorkInItsOrder) {
  QtUiDispatcher dispatcher;
  std::vector<std::string> ran;
  dispatcher.Post([&] {
    ran.push_back("box opens");
    QEventLoop box;
    std::thread([&] {
      dispatcher.Post([&] {
        ran.push_back("C");
        box.quit();
      });
    }).join();
    box.exec();
    ran.push_back("box closed");
  });
  dispatcher.Post([&] { ran.push_back("B"); });
  ASSERT_TRUE(WaitFor([&] { return ran.size() == 4; }));
  EXPECT_THAT(ran, ElementsAre("box opens", "B", "C", "box closed"));
}

TEST(QtUiDispatcher, WorkThatPostsMoreLetsOtherEventsIn) {
  QtUiDispatcher dispatcher;
  int turns = 0;
  bool other = false;
  std::function<void()> again = [&] {
    ++turns;
    if (!other) dispatcher.Post(again);
  };
  dispatcher.Post(again);
  QMetaObject::invokeMethod(
      qApp, [&] { other = true; }, Qt::QueuedConnection);
  ASSERT_TRUE(WaitFor([&] { return other; }));
  EXPECT_LE(turns, 3);
  Pump(20);
}

TEST(QtUiDispatcher, WorkLeftWhenItGoesNeverRuns) {
  bool ran = false;
  const auto held = std::make_shared<int>(0);  // held by the work while it may still run
  {
    QtUiDispatcher dispatcher;
    dispatcher.Post([&ran, held] { ran = true; });
  }
  // Gone with the dispatcher: nothing is left that could run it later.
  EXPECT_EQ(held.use_count(), 1);
  Pump(30);
  EXPECT_FALSE(ran);
}

}  // namespace
