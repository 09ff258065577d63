// Links that fail under the window: a serial device that vanishes mid-line
// and comes back, a TCP peer that resets mid-sentence or floods without LF,
// and a configuration write cut short by the link.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>

#include "app/QtUiDispatcher.h"
#include "app/links/link_window_fixture.h"
#include "links/CommSystem.h"
#include "tests/support/find_control.h"
#include "tests/support/poll_until.h"

using namespace conn;
using ::testing::ElementsAre;

namespace {

const std::string kRmcHead = "$GPRMC,123519,A,48";
const std::string kRmcTail = "07.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";
const std::string kOtherRmc =
    "$GPRMC,081502,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*69\r\n";

std::string UtcTime(TForm1& form) {
  return Find<TLabeledEdit>(form, "lblEdtGpsUtcTime")->text().toStdString();
}

// Every text the UTC field shows from now on, so that a check that a line
// was never completed does not depend on how long the test waited.
class UtcTimesShown {
 public:
  explicit UtcTimesShown(TForm1& form) {
    QObject::connect(Find<TLabeledEdit>(form, "lblEdtGpsUtcTime"), &QLineEdit::textChanged,
                     &receiver_,
                     [this](const QString& text) { texts.push_back(text.toStdString()); });
  }
  std::vector<std::string> texts;

 private:
  QObject receiver_;  // the connection ends with it
};

// The serial device behind a fixed name, as a USB adapter keeps its name
// when it is plugged in again.
class SerialFaultTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    link = (docs / "ttyKV0").string();
  }
  void PointLinkAt(const PtyDevice& dev) {
    std::filesystem::remove(link);
    std::filesystem::create_symlink(dev.path, link);
  }
  void ConnectTo(PtyDevice& dev) {
    Find<QRadioButton>(form, "RadioButtonConnectionModeManual")->setChecked(true);
    form->RadioButtonConnectionModeAutoClick();
    Find<QComboBox>(form, "cbxComPort")
        ->setCurrentIndex(Find<QComboBox>(form, "cbxComPort")->findText("ttyKV0"));
    form->OpenPortClick();
    ASSERT_TRUE(form->Comm()->IsOpen());
    dev.Write("[DEVICE DATA END]\r\n");
    ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
    dev.Received();
  }
  std::string link;
};

TEST_F(SerialFaultTest, DeviceVanishingMidLineClosesQuietlyAndItsReturnStartsClean) {
  auto first = std::make_unique<PtyDevice>();
  PointLinkAt(*first);
  Make({link});
  ConnectTo(*first);
  first->Write(kRmcHead);
  ASSERT_TRUE(WaitFor([&] { return !form->SerialLine().empty(); }));

  linktest::Vanish(*first);
  std::filesystem::remove(link);
  ports->SetPaths({});
  ASSERT_TRUE(WaitFor([&] { return form->DeviceChanged(); }));  // the hang-up
  form->Timer2Timer();
  form->Timer2Timer();
  EXPECT_FALSE(form->Comm()->IsOpen());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Disconnect...");
  EXPECT_EQ(Find<QComboBox>(form, "cbxComPort")->findText("ttyKV0"), -1);
  EXPECT_TRUE(dialogs.shown.empty());

  // Plugged in again under the same name.
  PtyDevice again;
  PointLinkAt(again);
  ports->SetPaths({link});
  form->DeviceChangeNotice();
  form->Timer2Timer();
  form->Timer2Timer();
  ASSERT_NE(Find<QComboBox>(form, "cbxComPort")->findText("ttyKV0"), -1);
  ConnectTo(again);
  // The rest of the line cut off before must not complete it: the field
  // shows the next sentence's time and never the joined line's.
  UtcTimesShown shown(*form);
  again.Write(kRmcTail);
  again.Write(kOtherRmc);
  ASSERT_TRUE(WaitFor([&] { return UtcTime(*form) == "08:15:02"; }));
  EXPECT_THAT(shown.texts, ElementsAre("08:15:02"));
  EXPECT_TRUE(dialogs.shown.empty());
}

// Writes pass through to the pty until the device is made to vanish after
// a given number of them.
struct VanishingWrites : CommSystem {
  int writes = 0;
  int vanishAfter = -1;
  std::function<void()> vanish;
  ssize_t Write(int fd, const void* buf, size_t count) override {
    ssize_t n = CommSystem::Write(fd, buf, count);
    if (n > 0 && ++writes == vanishAfter && vanish) vanish();
    return n;
  }
};

TEST_F(SerialFaultTest, ConfigurationCutShortByTheLinkIsReported) {
  PtyDevice dev;
  PointLinkAt(dev);
  VanishingWrites seam;
  commSystem = &seam;
  Make({link});
  ConnectTo(dev);

  const int tab = Find<QTabWidget>(form, "PageControlConf")
                      ->indexOf(Find<QWidget>(form, "TabSheetTransceiver"));
  Find<QTabWidget>(form, "PageControlConf")->setTabVisible(tab, true);
  Find<QTabWidget>(form, "PageControlConf")->setCurrentIndex(tab);
  dev.Received();
  // The device takes the first of the two sentences, then is gone.
  std::vector<std::string> taken;
  seam.vanishAfter = seam.writes + 1;
  seam.vanish = [&] {
    taken = dev.Received();
    linktest::Vanish(dev);
  };
  dialogs.answers = {DialogResult::Ok};
  form->SpeedButtonSettingClick();

  EXPECT_THAT(taken, ElementsAre("$PDBG,101,0,050,1,,,703,4*15\r\n"));
  EXPECT_THAT(Captions(), ElementsAre("Configuration: Do you want to configure the device?",
                                      "Error: Serial port open error! Please check!"));
  EXPECT_FALSE(form->Comm()->IsOpen());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
}

// The window's own hand-over, with a count of what the link's worker has
// handed over so far, readable while the window runs none of it.
class CountingDispatcher : public UiDispatcher {
 public:
  void Post(std::function<void()> fn) override {
    ++posts;
    window_.Post(std::move(fn));
  }
  std::atomic<int> posts{0};

 private:
  QtUiDispatcher window_;
};

class TcpFaultTest : public linktest::TcpFormTest {
 protected:
  void SetUp() override {
    dispatcher = &handOver;
    linktest::TcpFormTest::SetUp();
  }
  // Closes with a reset instead of an orderly end.
  void ResetPeer() {
    linger hard{1, 0};
    setsockopt(device.client, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    device.CloseClient();
  }
  CountingDispatcher handOver;
};

TEST_F(TcpFaultTest, PeerResetMidSentenceEndsTheLinkAndTheNextSessionStartsClean) {
  ConnectAndDetect();
  device.Write(kRmcHead);
  ASSERT_TRUE(WaitFor([&] { return !form->TcpLine().empty(); }));
  ResetPeer();
  ASSERT_TRUE(WaitFor([&] { return !form->Tcp().IsOpen(); }));
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Disconnect...");
  EXPECT_TRUE(dialogs.shown.empty());

  ConnectAndDetect();
  UtcTimesShown shown(*form);
  device.Write(kRmcTail);
  device.Write(kOtherRmc);
  EXPECT_TRUE(WaitFor([&] { return UtcTime(*form) == "08:15:02"; }));
  EXPECT_THAT(shown.texts, ElementsAre("08:15:02"));
}

TEST_F(TcpFaultTest, ConfigurationOnAResetLinkIsReported) {
  ConnectAndDetect();
  const int tab = Find<QTabWidget>(form, "PageControlConf")
                      ->indexOf(Find<QWidget>(form, "TabSheetTransceiver"));
  Find<QTabWidget>(form, "PageControlConf")->setTabVisible(tab, true);
  Find<QTabWidget>(form, "PageControlConf")->setCurrentIndex(tab);
  // The reset reaches the link's worker, which hands the link's end over;
  // the window handles no event before the click, so it has not yet heard.
  const int postsBefore = handOver.posts;
  ResetPeer();
  ASSERT_TRUE(PollUntil([&] { return handOver.posts > postsBefore; }, 10000));
  dialogs.answers = {DialogResult::Ok};
  form->SpeedButtonSettingClick();
  EXPECT_THAT(Captions(), ElementsAre("Configuration: Do you want to configure the device?",
                                      "Error: Serial port open error! Please check!"));
  ASSERT_TRUE(WaitFor([&] { return !form->Tcp().IsOpen(); }));
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
}

// Every byte the link has received: taken by the window, waiting, or dropped.
uint64_t ReceivedSoFar(const TcpInbox& inbox) {
  return inbox.Taken() + inbox.Size() + inbox.Dropped();
}

TEST_F(TcpFaultTest, FloodWithoutLfIsDroppedAtTheLinkAndTheWindowKeepsUp) {
  ConnectAndDetect();
  ASSERT_TRUE(form->Tcp().Received());
  const uint64_t beforeFlood = ReceivedSoFar(*form->Tcp().Received());
  fcntl(device.client, F_SETFL, fcntl(device.client, F_GETFL) | O_NONBLOCK);
  const std::string chunk(64 * 1024, 'A');
  // One second in which the window handles nothing: the worker keeps taking
  // bytes and drops what its inbox cannot hold, so the peer is never held
  // back and the window's share stays bounded.
  testing::internal::CaptureStderr();
  size_t sent = 0;
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 1000) {
    ssize_t n = send(device.client, chunk.data(), chunk.size(), MSG_NOSIGNAL);
    if (n > 0)
      sent += static_cast<size_t>(n);
    else
      usleep(1000);
  }
  testing::internal::GetCapturedStderr();
  ASSERT_TRUE(form->Tcp().Received());
  EXPECT_GT(sent, TcpLink::kInboxSize);
  EXPECT_EQ(form->Tcp().Received()->MostHeld(), TcpLink::kInboxSize);
  EXPECT_GT(form->Tcp().Received()->Dropped(), 0u);

  // The window catches up, keeps its line bounded and its timers running.
  for (int i = 0; i < 40; ++i) {
    Pump(10);
    ASSERT_LE(form->TcpLine().size(), LineCutter::kLimit);
    form->TimerConnectionTimer();
  }
  // The flood is over for the link only once each byte of it has been taken
  // by the window or dropped; much of it may still be in the sockets, and a
  // tail sent before then could land in a run of drops.
  ASSERT_TRUE(WaitFor(
      [&] {
        const TcpInbox* inbox = form->Tcp().Received();
        return inbox && inbox->Taken() + inbox->Dropped() == beforeFlood + sent;
      },
      10000));
  std::string tail = "\r\n" + kOtherRmc;
  while (!tail.empty()) {
    ssize_t n = send(device.client, tail.data(), tail.size(), MSG_NOSIGNAL);
    if (n > 0) tail.erase(0, static_cast<size_t>(n));
    Pump(5);
  }
  EXPECT_TRUE(WaitFor([&] { return UtcTime(*form) == "08:15:02"; }, 10000));
  EXPECT_TRUE(form->Tcp().IsOpen());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 1);
}

}  // namespace
