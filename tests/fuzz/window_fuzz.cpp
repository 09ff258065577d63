// The main window's receive path as a whole, on the TCP medium's entry: lines
// cut from arbitrary chunks, the handshake, the device-data dump, the
// configuration replies, the key report and the GPS page. One window lives
// through all inputs, as in the program; each input starts a new session.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "app/MainForm.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/find_control.h"
#include "ui/core/Dialogs.h"

namespace {

TForm1* form = nullptr;

void CheckWindow() {
  FUZZ_CHECK(form->TcpLine().size() <= LineCutter::kLimit);
  FUZZ_CHECK(form->Session().ConnectState >= 0 && form->Session().ConnectState <= 2);
  const auto& t = form->Protocol().ais.targets;
  FUZZ_CHECK(t.count >= 1 && t.count <= AIS_TARGET_LIST_STRUCT::kSlots);
  // Lists show one of their entries or none.
  for (QComboBox* box : form->findChildren<QComboBox*>())
    FUZZ_CHECK(box->currentIndex() >= -1 && box->currentIndex() < box->count());
  for (QSpinBox* spin : form->findChildren<QSpinBox*>())
    FUZZ_CHECK(spin->value() >= spin->minimum() && spin->value() <= spin->maximum());
  // A programmed MMSI is shown with its nine digits.
  const std::string mmsi = Find<TEdit>(form, "MaskEditMMSI")->text().toStdString();
  if (!Find<TEdit>(form, "MaskEditMMSI")->isEnabled()) {
    FUZZ_CHECK(mmsi.size() == 9);
    for (char c : mmsi) FUZZ_CHECK(c >= '0' && c <= '9');
  }
  FUZZ_CHECK(TextFits(form->DeviceInfo().name));
  FUZZ_CHECK(TextFits(form->DeviceInfo().callSign));
  FUZZ_CHECK(TextFits(form->DeviceInfo().firmwareText));
  FUZZ_CHECK(TextFits(form->DeviceInfo().serialNumber));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication app(*argc, *argv);
  static RecordingDialogs dialogs;
  TForm1Options options;
  options.dialogs = &dialogs;
  options.ports = std::make_shared<ListPortDiscovery>(std::vector<std::string>{});
  options.documentsDir = "/tmp";
  options.liveTimers = false;
  options.deviceMonitor = false;
  form = new TForm1(options);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte sets the size of the pieces the bytes arrive in.
  const size_t piece = 1 + data[0] % 97;
  std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  form->ResetSession();
  for (size_t at = 0; at < bytes.size(); at += piece) {
    form->TcpRxHandler(std::string(bytes.substr(at, piece)));
    CheckWindow();
  }
  return 0;
}
