// The receive path: lines cut from bytes on both links, their limits, the
// Wi-Fi reply memo, and the send path's choice of medium.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include <random>

#include "tests/app/conn_fixture.h"
#include "tests/support/find_control.h"
#include "tests/support/pty_queue.h"
#include "wifi/core/WiFiSetup.h"

using namespace conn;
using ::testing::ElementsAre;

namespace {

class ReceiveTest : public FormTest {
 protected:
  // A manual connection to dev, still detecting.
  void Open(PtyDevice& dev) {
    Make({dev.path});
    form->OpenPortClick();
    ASSERT_TRUE(form->Comm()->IsOpen());
    dev.Received();
    form->WiFi().Memo_WiFi.Clear();
  }
  // Returns once the window has handled every byte: it reads the port only
  // on this thread and handles what it reads at once, so nothing left in
  // the port's queue means handled. A first change on the window's side
  // would not do: the rest may still be on its way.
  void Send(PtyDevice& dev, const std::string& bytes) {
    dev.Write(bytes);
    ASSERT_TRUE(WaitFor([&] { return PtyQueued(dev.keep) == 0; }, 10000));
  }
  // A line that the handshake takes as the dump's end, padded to length.
  static std::string EndLine(size_t length) {
    std::string line = "[DEVICE DATA END]";
    line.resize(length, 'x');
    return line;
  }
};

TEST_F(ReceiveTest, SerialLinesAreCutAtLfWithoutCrAndNul) {
  PtyDevice dev;
  Open(dev);
  Send(dev, std::string("AB\0C\r\n", 6));
  Send(dev, "\n");  // an empty line
  // One sentence byte by byte.
  for (char c : std::string("$GPTXT,01*00\r\n")) Send(dev, std::string(1, c));
  EXPECT_THAT(MemoLines(Find<QPlainTextEdit>(form, "Memo_WiFi")),
              ElementsAre("ABC", "", "$GPTXT,01*00"));
  EXPECT_TRUE(form->SerialLine().empty());
}

TEST_F(ReceiveTest, SerialLineLimitIs82) {
  {
    PtyDevice dev;
    Open(dev);
    Send(dev, EndLine(83) + "\r\n");
    EXPECT_EQ(form->Session().DeviceConnected, 0);
    // Logged all the same.
    EXPECT_THAT(MemoLines(Find<QPlainTextEdit>(form, "Memo_WiFi")), ElementsAre(EndLine(83)));
    Send(dev, EndLine(82) + "\r\n");
    EXPECT_EQ(form->Session().DeviceConnected, 1);
  }
}

TEST_F(ReceiveTest, TcpLineLimitIs100) {
  Make();
  form->TcpRxHandler("first line arms the handshake\r\n");
  ASSERT_EQ(form->Session().ConnectState, 1);
  form->TcpRxHandler(EndLine(101) + "\r\n");
  EXPECT_EQ(form->Session().DeviceConnected, 0);
  form->TcpRxHandler(EndLine(50));
  form->TcpRxHandler(EndLine(100).substr(50) + "\r\n");
  EXPECT_EQ(form->Session().DeviceConnected, 1);
  // The TCP link has no Wi-Fi memo.
  EXPECT_THAT(MemoLines(Find<QPlainTextEdit>(form, "Memo_WiFi")),
              ElementsAre("Debug and Receive the command"));
}

TEST_F(ReceiveTest, GarbageWithoutLfIsBoundedAndTheNextLineStartsClean) {
  Make();
  std::mt19937 rng(7);
  std::string junk;
  for (int i = 0; i < 200000; ++i) {
    char c = static_cast<char>(rng() & 0xFF);
    junk.push_back(c == '\n' ? 'z' : c);
  }
  form->TcpRxHandler("arm\r\n");
  for (size_t i = 0; i < junk.size(); i += 512) {
    form->TcpRxHandler(junk.substr(i, 512));
    ASSERT_LE(form->TcpLine().size(), LineCutter::kLimit);
  }
  // The tail of the junk up to its LF is skipped, then lines count again.
  form->TcpRxHandler("tail[DEVICE DATA END]\r\n");
  EXPECT_EQ(form->Session().DeviceConnected, 0);
  form->TcpRxHandler("[DEVICE DATA END]\r\n");
  EXPECT_EQ(form->Session().DeviceConnected, 1);
}

TEST_F(ReceiveTest, OverLongSerialRunIsLoggedOnceThenSkipped) {
  PtyDevice dev;
  Open(dev);
  Send(dev, std::string(3000, 'A'));
  Send(dev, std::string(10, 'B') + "\r\nnext\r\n");
  const auto lines = MemoLines(Find<QPlainTextEdit>(form, "Memo_WiFi"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::string(LineCutter::kLimit, 'A'));
  EXPECT_EQ(lines[1], "next");
}

TEST_F(ReceiveTest, PlusOkEntersCommandModeOnce) {
  PtyDevice dev;
  Open(dev);
  Find<TTimer>(form, "Timer_WiFi_function")->Start();  // a Wi-Fi operation is under way
  Send(dev, "+ok=1\r\n");
  EXPECT_EQ(form->WiFi().wifi.cmdMode, 0);
  form->WiFi().wifi.step = 5;
  Send(dev, "junk\r\n+ok\r\n");
  EXPECT_EQ(form->WiFi().wifi.cmdMode, 1);
  EXPECT_EQ(form->WiFi().wifi.step, 0);
  EXPECT_TRUE(Find<QPlainTextEdit>(form, "Memo_WiFi")->toPlainText().isEmpty());
  Send(dev, "+ok\r\n");
  EXPECT_EQ(form->WiFi().wifi.cmdMode, 1);
  EXPECT_THAT(MemoLines(Find<QPlainTextEdit>(form, "Memo_WiFi")), ElementsAre("+ok"));
}

TEST_F(ReceiveTest, MemoWiFiKeepsBytesOneToOne) {
  PtyDevice dev;
  Open(dev);
  const std::string ssid = "+ok=caf\xE9 \xFF\xC3\xA9";
  Send(dev, ssid + "\r\n");
  EXPECT_EQ(Find<QPlainTextEdit>(form, "Memo_WiFi")->toPlainText().toLatin1().toStdString(), ssid);
}

TEST_F(ReceiveTest, SendRawGoesOnlyToTheChosenMedium) {
  Make();
  const std::string bytes = "$X\r\n";
  // Serial medium, port closed: false.
  EXPECT_FALSE(form->SendRaw(bytes));
  // Wi-Fi medium without a client: false.
  form->SelectConnectionMedium(1, Find<QAction>(form, "mnuWiFi"));
  EXPECT_FALSE(form->SendRaw(bytes));
  EXPECT_FALSE(form->SendSentence("$PKVR,Q,CFG,30,0,0,"));
  // A sentence that already holds a checksum is refused before sending.
  EXPECT_FALSE(form->SendSentence("$GPXXX*00"));
}

TEST_F(ReceiveTest, Memo5000LinesKeptAndClearedAbove) {
  Make();
  // The lines as the serial receive path hands them on.
  form->WiFi().Memo_WiFi.Clear();
  for (int i = 0; i < 5000; ++i) form->WiFi().OnSerialLine(std::to_string(i));
  form->Timer2Timer();
  EXPECT_EQ(Find<QPlainTextEdit>(form, "Memo_WiFi")->document()->blockCount(), 5000);
  form->WiFi().OnSerialLine("5000");
  form->Timer2Timer();
  EXPECT_TRUE(Find<QPlainTextEdit>(form, "Memo_WiFi")->toPlainText().isEmpty());
}

}  // namespace
