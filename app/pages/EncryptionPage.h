#pragma once
// The ENCRYPTION page: encryption on or off, the security address mode with
// its addressee MMSI, and the encryption code, for devices that have it.
#include <QWidget>

#include <cstdint>
#include <string>

#include "app/core/ConfigPages.h"

class QCheckBox;
class QLabel;
class QTabWidget;
class TEdit;
class TLabeledEdit;
class TSpeedButton;
struct CONFIG_REPORT_DATA;

class EncryptionPage : public QWidget {
  Q_OBJECT

 public:
  // Added to pages as the tab "TabSheetEncryption".
  explicit EncryptionPage(QTabWidget* pages);

  // The own MMSI is left at 0 for the caller.
  EncryptionPageValues Values() const;
  // The device's settings (items 108/3, 108/4 and 108/5), shown as a click
  // of the boxes would leave the page.
  void ShowEncryptionOn(bool on);
  void ShowAddressMode(bool on);
  void ShowAddressMmsi(int32_t mmsi);
  // The key text of the device's CEK sentence, as bytes.
  void ShowKey(const std::string& bytes);
  void FillReport(CONFIG_REPORT_DATA& report) const;

  void cbxEncrptionEnableClick();
  void cbxEncryptionAddressModeClick();
  void EnableEncryptionControls(bool on);
  bool EncryptionEnabled() const;
  void EnableAddressControls(bool on);

 signals:
  // The page's own Config button (hidden: Configure Device writes the page).
  void ConfigRequested();

 private:
  QCheckBox* cbxEncrptionEnable;
  QCheckBox* cbxEncryptionAddressMode;
  QLabel* LabelEncryptionMMSINumber;
  TEdit* MaskEditEncryptionAddressMMSI;
  TLabeledEdit* LabeledEditEncryptionASCII;
  TSpeedButton* spbConfigEncryption;
};
