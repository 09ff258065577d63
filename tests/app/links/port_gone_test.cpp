// A serial device that goes away while connected ends the connection as a
// removed port does, however its port was named; a notice from some other
// device leaves a typed port that is still there alone.
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

#include <stdlib.h>

#include <filesystem>

#include "app/links/link_window_fixture.h"
#include "tests/support/find_control.h"

using namespace conn;
using namespace linktest;
using ::testing::ElementsAre;

namespace {

namespace fs = std::filesystem;

class PortGoneTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    link = (docs / "sim0").string();
  }
  void TearDown() override {
    unsetenv("KVOR_SERIAL_PORTS");
    FormTest::TearDown();
  }
  void LinkTo(const PtyDevice& dev) {
    fs::remove(link);
    fs::create_symlink(dev.path, link);
  }
  // The PC's own port list, with KVOR_SERIAL_PORTS naming the link; timers
  // run in real time.
  void MakeListing(const std::string& listed) {
    setenv("KVOR_SERIAL_PORTS", listed.c_str(), 1);
    TForm1Options options;
    options.dialogs = &dialogs;
    options.documentsDir = docs.string();
    options.deviceMonitor = false;
    form = std::make_unique<TForm1>(options);
  }
  // Manual connection to what the port box shows as text (a listed name
  // or a typed path), completed by the dump's end.
  void ConnectTo(PtyDevice& dev, const std::string& text) {
    Find<QRadioButton>(form, "RadioButtonConnectionModeManual")->setChecked(true);
    form->RadioButtonConnectionModeAutoClick();
    const int listed = Find<QComboBox>(form, "cbxComPort")->findText(QString::fromStdString(text));
    if (listed >= 0)
      Find<QComboBox>(form, "cbxComPort")->setCurrentIndex(listed);
    else
      Find<QComboBox>(form, "cbxComPort")->setEditText(QString::fromStdString(text));
    form->OpenPortClick();
    ASSERT_TRUE(form->Comm()->IsOpen());
    dev.Write("[DEVICE DATA END]\r\n");
    ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
    form->TimerConnectionTimer();
    ASSERT_TRUE(Shows("Connected..."));
    dialogs.shown.clear();  // a typed port is asked about first
  }
  bool Shows(const char* status) const {
    return Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString() == status;
  }
  // The state a removed port leaves, as Disconnect leaves it.
  void ExpectDisconnected() {
    EXPECT_FALSE(form->Comm()->IsOpen());
    EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
    EXPECT_FALSE(Find<TSpeedButton>(form, "OpenPort")->Down());
    EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->text().toStdString(), "Connect");
    EXPECT_TRUE(Shows("Disconnect..."));
    EXPECT_TRUE(Find<QComboBox>(form, "cbxComPort")->isEnabled());
    EXPECT_FALSE(Find<TTimer>(form, "Timer1")->Enabled());
    EXPECT_TRUE(dialogs.shown.empty());
  }
  std::string link;
};

TEST_F(PortGoneTest, AListedLinkWhoseDeviceGoesEndsTheConnectionWithinTwoSeconds) {
  PtyDevice dev;
  LinkTo(dev);
  // A listed path that leads nowhere is not offered.
  MakeListing(link + ":" + (docs / "nothing-here").string());
  EXPECT_EQ(Find<QComboBox>(form, "cbxComPort")->findText("nothing-here"), -1);
  ConnectTo(dev, "sim0");
  EXPECT_EQ(form->Comm()->DeviceName(), link);

  Vanish(dev);
  fs::remove(link);
  const double ms = MsUntil([&] { return Shows("Disconnect..."); }, 5000);
  EXPECT_GE(ms, 0) << "still shows "
                   << Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString();
  EXPECT_LT(ms, 2000);
  ExpectDisconnected();
  EXPECT_EQ(Find<QComboBox>(form, "cbxComPort")->findText("sim0"), -1);
}

TEST_F(PortGoneTest, ATypedPortStaysThroughOtherDevicesAndGoesWithItsOwn) {
  PtyDevice dev, other;
  LinkTo(dev);
  Make({other.path});
  ConnectTo(dev, link);
  EXPECT_EQ(form->Comm()->DeviceName(), link);

  // Another device comes and goes: the typed port is still there.
  ports->SetPaths({});
  form->DeviceChangeNotice();
  form->Timer2Timer();
  form->Timer2Timer();
  EXPECT_TRUE(form->Comm()->IsOpen());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 1);
  EXPECT_EQ(Find<QComboBox>(form, "cbxComPort")->currentText().toStdString(), link);

  // Its link is removed while the device stays: gone all the same.
  fs::remove(link);
  form->DeviceChangeNotice();
  form->Timer2Timer();
  form->Timer2Timer();
  ExpectDisconnected();

  // Typed again, then its device hangs up: the next tick ends it.
  PtyDevice again;
  LinkTo(again);
  ConnectTo(again, link);
  Vanish(again);
  ASSERT_TRUE(WaitFor([&] { return form->DeviceChanged(); }));
  form->Timer2Timer();
  ExpectDisconnected();
}

TEST_F(PortGoneTest, TheOnlyPortGoingWhileDetectedEndsTheDetectionAsNoPortDoes) {
  PtyDevice dev;  // silent
  LinkTo(dev);
  Make({link});
  QTest::mouseClick(Find<QRadioButton>(form, "RadioButtonConnectionModeAuto"), Qt::LeftButton);
  QTest::mouseClick(Find<TSpeedButton>(form, "OpenPort"), Qt::LeftButton);
  ASSERT_EQ(form->Comm()->DeviceName(), link);
  EXPECT_EQ(Find<TEdit>(form, "EditAutoDetectComPort")->text().toStdString(), "sim0");
  Tick();

  Vanish(dev);
  fs::remove(link);
  ports->SetPaths({});
  ASSERT_TRUE(WaitFor([&] { return form->DeviceChanged(); }));
  form->Timer2Timer();  // the port's own hang-up: the lists are rebuilt at once
  EXPECT_TRUE(form->OpenablePortList().empty());
  Tick(2);  // tick 3 would open the next port: there is none
  EXPECT_THAT(Captions(), ElementsAre("Warning: All serial ports are occupied or no existing!"));
  EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Warning);
  EXPECT_EQ(form->Session().ConnectState, 0);
  EXPECT_EQ(form->Session().ConnectFailed, 1);

  Tick();
  dialogs.shown.clear();
  ExpectDisconnected();
  EXPECT_TRUE(Find<TEdit>(form, "EditAutoDetectComPort")->text().isEmpty());
}

}  // namespace
