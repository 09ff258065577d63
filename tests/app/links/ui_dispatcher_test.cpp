// The window's hand-over from the links' threads: work runs on the
// user-interface thread in the order posted, a modal box's nested loop keeps
// that order, work posted by work lets other events in first, and nothing
// runs once the dispatcher is gone.
#include <QCoreApplication>
#include <QEventLoop>

#include <string>
#include <thread>
#include <vector>

#include "app/QtUiDispatcher.h"
#include "app/conn_fixture.h"

using conn::Pump;
using conn::WaitFor;
using ::testing::ElementsAre;

namespace {

TEST(QtUiDispatcher, WorkFromAThreadRunsOnTheWindowsThreadInOrder) {
  QtUiDispatcher dispatcher;
  const std::thread::id ui = std::this_thread::get_id();
  std::vector<int> ran;
  bool elsewhere = false;
  std::thread worker([&] {
    for (int i = 0; i < 2000; ++i)
      dispatcher.Post([&, i] {
        elsewhere |= std::this_thread::get_id() != ui;
        ran.push_back(i);
      });
  });
  worker.join();
  ASSERT_TRUE(WaitFor([&] { return ran.size() == 2000; }));
  EXPECT_FALSE(elsewhere);
  for (int i = 0; i < 2000; ++i) ASSERT_EQ(ran[static_cast<size_t>(i)], i);
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
  QMetaObject::invokeMethod(qApp, [&] { other = true; }, Qt::QueuedConnection);
  ASSERT_TRUE(WaitFor([&] { return other; }));
  EXPECT_LE(turns, 3);
  Pump(20);
}

TEST(QtUiDispatcher, WorkLeftWhenItGoesNeverRuns) {
  bool ran = false;
  {
    QtUiDispatcher dispatcher;
    dispatcher.Post([&] { ran = true; });
  }
  Pump(30);
  EXPECT_FALSE(ran);
}

}  // namespace
