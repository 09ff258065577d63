// A serial device that floods its pseudo-terminal without pacing: the
// window still answers and Disconnect still ends the link at once.
#include <QRadioButton>

#include <algorithm>

#include "app/links/link_window_fixture.h"
#include "tests/support/find_control.h"

using namespace conn;
using namespace linktest;

namespace {

class SerialFloodTest : public FormTest {};

TEST_F(SerialFloodTest, TheWindowKeepsAnsweringAndDisconnectsDuringAFlood) {
  PtyDevice dev;
  Make({dev.path});
  form->show();
  Find<QRadioButton>(form, "RadioButtonConnectionModeManual")->setChecked(true);
  form->RadioButtonConnectionModeAutoClick();
  form->OpenPortClick();
  ASSERT_TRUE(form->Comm()->IsOpen());
  dev.Write("[DEVICE DATA END]\r\n");
  ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
  form->TimerConnectionTimer();

  Flooder flood(dev.master, false);
  // Timer2 keeps the Wi-Fi reply memo short, as it does in the program.
  QElapsedTimer sinceTick;
  sinceTick.start();
  EXPECT_LT(WorstInputWaitMs(2500,
                             [&] {
                               if (sinceTick.elapsed() < 1000) return;
                               form->Timer2Timer();
                               sinceTick.restart();
                             }),
            250);
  EXPECT_GT(flood.Stalls(), 0u) << "the window kept up: no flood to speak of";
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtGpsUtcTime")->text().toStdString(), "08:15:02");

  PostClick(Find<TSpeedButton>(form, "OpenPort"));
  const double ms = MsUntil(
      [&] { return !form->Comm()->IsOpen() && Find<TSpeedButton>(form, "OpenPort")->Tag == 0; },
      5000);
  EXPECT_GE(ms, 0);
  EXPECT_LT(ms, 1000);
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Disconnect...");
}

}  // namespace
