// A TCP device that floods the real window without pacing: the window keeps
// answering, every way of ending the link ends it within a second, the
// lines it takes are whole and in order, and its memory stays level.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <regex>

#include "app/links/link_window_fixture.h"
#include "links/TcpInbox.h"
#include "tests/support/find_control.h"
#include "tests/support/poll_until.h"

using namespace conn;
using namespace linktest;

namespace {

class TcpFloodTest : public TcpFormTest {
 protected:
  void SetUp() override {
    TcpFormTest::SetUp();
    form->show();
  }
  void TearDown() override {
    flood.reset();
    TcpFormTest::TearDown();
  }
  void ConnectAndDetect() {
    TcpFormTest::ConnectAndDetect();
    form->TimerConnectionTimer();
    ASSERT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Connected...");
  }
  // Floods, and lets the window fall behind and work through it for a while.
  void StartFlood(bool numbered = false) {
    flood = std::make_unique<Flooder>(device.client, numbered);
    usleep(200 * 1000);
    Pump(200);
  }
  // The window is held up (as by a modal box) for ms, and on until the
  // inbox has overflowed: a starved flooder may need longer to fill it.
  void HoldUp(int ms) {
    const uint64_t before = form->Tcp().Received()->Dropped();
    usleep(ms * 1000);
    PollUntil([&] { return form->Tcp().Received()->Dropped() > before; }, 10000);
  }
  bool LinkEnded() {
    return !form->Tcp().IsOpen() && Find<TSpeedButton>(form, "OpenPort")->Tag == 0 &&
           !Find<TSpeedButton>(form, "OpenPort")->Down() &&
           Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString() == "Disconnect..." &&
           Find<TSpeedButton>(form, "OpenPort")->text().toStdString() == "Connect" &&
           Find<TLabeledEdit>(form, "LabelEditWiFi_TCP_IP")->isEnabled();
  }
  // The device learns of the end too: its sending fails.
  bool DeviceSeesTheEnd() {
    return WaitFor([&] { return flood->PeerGone(); }, 3000);
  }

  std::unique_ptr<Flooder> flood;
};

TEST_F(TcpFloodTest, DisconnectPressedDuringAFloodEndsTheLinkWithinASecond) {
  ConnectAndDetect();
  StartFlood();
  ASSERT_TRUE(form->Tcp().IsOpen());
  PostClick(Find<TSpeedButton>(form, "OpenPort"));
  const double ms = MsUntil([&] { return LinkEnded(); }, 5000);
  EXPECT_GE(ms, 0) << "the link did not end";
  EXPECT_LT(ms, 1000);
  EXPECT_TRUE(DeviceSeesTheEnd());
  EXPECT_TRUE(dialogs.shown.empty());
  // What was still on its way, queued before the link was closed, changes nothing.
  ASSERT_TRUE(Settle());
  EXPECT_TRUE(LinkEnded());
}

TEST_F(TcpFloodTest, MediumChangeAFailedSendAndTheCloseQueryEndTheLinkWithinASecond) {
  struct Way {
    const char* name;
    std::function<void(TForm1&)> end;
    bool windowStays;  // else the window is about to close: only the link matters
  };
  // Far more than the sockets hold, and the device reads nothing.
  const std::string big(64 << 20, 'x');
  const Way ways[] = {
      {"medium change", [](TForm1& f) { Find<QAction>(f, "mnuSerialPort")->trigger(); }, true},
      {"failed send", [&](TForm1& f) { EXPECT_FALSE(f.SendRaw(big)); }, true},
      {"close query", [](TForm1& f) { EXPECT_TRUE(f.FormCloseQuery()); }, false},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    if (!Find<QAction>(form, "mnuWiFi")->isChecked())
      form->SelectConnectionMedium(1, Find<QAction>(form, "mnuWiFi"));
    device.CloseClient();
    ConnectAndDetect();
    StartFlood();
    QElapsedTimer t;
    t.start();
    way.end(*form);
    const double ms =
        MsUntil([&] { return way.windowStays ? LinkEnded() : !form->Tcp().IsOpen(); }, 5000);
    EXPECT_GE(ms, 0) << "the link did not end";
    EXPECT_LT(t.elapsed(), 1000);
    EXPECT_TRUE(DeviceSeesTheEnd());
    flood.reset();
  }
}

TEST_F(TcpFloodTest, TheWindowKeepsAnsweringDuringAFlood) {
  ConnectAndDetect();
  StartFlood();
  const uint64_t droppedBefore = form->Tcp().Received()->Dropped();
  EXPECT_LT(WorstInputWaitMs(1500), 250);
  EXPECT_GT(form->Tcp().Received()->Dropped(), droppedBefore)
      << "the window kept up: no flood to speak of";
  EXPECT_TRUE(form->Tcp().IsOpen());
  // The window took lines all along: the GPS page shows the cycle.
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtGpsUtcTime")->text().toStdString(), "08:15:02");
}

TEST_F(TcpFloodTest, LinesTakenAreWholeAndInOrderWhateverWasDropped) {
  ConnectAndDetect();
  Find<QCheckBox>(form, "cbxEnableLog")->setChecked(true);
  Find<QPlainTextEdit>(form, "MemoDataLog")->clear();
  testing::internal::CaptureStderr();
  StartFlood(true);
  // The window is held up twice (as by a modal box): the inbox overflows.
  for (int i = 0; i < 2; ++i) {
    HoldUp(300);
    Pump(300);
  }
  ASSERT_TRUE(flood->StopAtLineEnd());
  const std::string noted = testing::internal::GetCapturedStderr();
  EXPECT_GT(form->Tcp().Received()->Dropped(), 0u);
  EXPECT_LE(form->Tcp().Received()->MostHeld(), TcpLink::kInboxSize);
  EXPECT_EQ(std::count(noted.begin(), noted.end(), '\n'), 1) << noted;

  // A line of its own after the flood arrives (sent again should the
  // window still be catching up and drop it).
  const std::string end = conn::WithChecksum("$GPTXT,01,01,02,END");
  const QString endText = QString::fromStdString(end.substr(0, end.size() - 2));
  ASSERT_TRUE(WaitFor(
      [&] {
        if (Find<QPlainTextEdit>(form, "MemoDataLog")->document()->lastBlock().text() == endText)
          return true;
        device.Write(end);
        Pump(50);
        return false;
      },
      10000));
  const std::regex whole(R"(\$GPTXT,01,01,02,FLOOD (\d{8})\*[0-9A-F]{2})");
  long last = -1;
  size_t lines = 0;
  for (QTextBlock b = Find<QPlainTextEdit>(form, "MemoDataLog")->document()->begin(); b.isValid();
       b = b.next()) {
    const std::string line = b.text().toStdString();
    if (line.empty() || QString::fromStdString(line) == endText) continue;
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, whole)) << "broken line: " << line;
    ASSERT_EQ(line + "\r\n", floodlines::NumberedLine(static_cast<unsigned>(std::stoul(m[1]))));
    const long n = std::stol(m[1]);
    ASSERT_GT(n, last) << "out of order";
    last = n;
    ++lines;
  }
  EXPECT_GT(lines, 1000u);
  EXPECT_LT(lines, flood->LinesSent());
  EXPECT_TRUE(form->Tcp().IsOpen());
}

TEST_F(TcpFloodTest, MemoryStaysLevelDuringAFlood) {
  ConnectAndDetect();
  StartFlood();
  const size_t before = HeapInUse();
  size_t most = before;
  // Held up for a while, then working through it, twice over.
  for (int i = 0; i < 2; ++i) {
    HoldUp(500);
    most = std::max(most, HeapInUse());
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 500) {
      Pump(20);
      most = std::max(most, HeapInUse());
    }
  }
  EXPECT_LT(most - before, size_t(4) << 20);
  EXPECT_LE(form->Tcp().Received()->MostHeld(), TcpLink::kInboxSize);
  EXPECT_GT(form->Tcp().Received()->Dropped(), 0u);
}

}  // namespace
