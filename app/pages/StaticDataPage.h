#pragma once
// The STATIC DATA page: the MMSI, ship name, call sign, ship type and the
// antenna's distances, as the device reports them and as they are written.
#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>

#include "app/core/ConfigPages.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class TEdit;
class TLabeledEdit;
class TSpeedButton;
struct CONFIG_REPORT_DATA;

class StaticDataPage : public QWidget {
  Q_OBJECT

 public:
  // Added to pages as the tab "TabSheetStatic".
  explicit StaticDataPage(QTabWidget* pages);

  StaticPageValues Values() const;
  // The device's MMSI: a programmed one (not 0) is shown locked, with
  // cantProgText beside it; 0 leaves the MMSI to the user.
  void ShowMmsi(uint32_t mmsi, const std::string& cantProgText);
  // A new session: nothing is known of a programmed MMSI.
  void HideMmsiCantProg();
  // Device texts are bytes; each shows as a character of its own.
  void ShowName(const char* bytes);
  void ShowCallSign(const char* bytes);
  // Selects the row of a reported type; a type the list lacks is kept, so
  // that Configure Device writes it back unchanged.
  void ShowReportedShipType(int code);
  void ShowDimensions(int a, int b, int c, int d);
  // The text of the last configuration report (MemoRecord).
  void ShowRecord(const std::string& text);
  void FillReport(CONFIG_REPORT_DATA& report) const;

  void cbxShipTypeChange();
  // The user picked a row.
  void cbxShipCargoTypeClick();
  // A reported ship type that cbxShipType lacks; written back until the user picks a row.
  std::optional<uint16_t> KeptShipType() const { return keptShipType_; }

 signals:
  // The page's own Config button (hidden: Configure Device writes the page).
  void ConfigRequested();

 private:
  std::optional<uint16_t> keptShipType_;
  QLabel* LabelMMSI;
  TEdit* MaskEditMMSI;
  QLabel* LabelMMSICantProg;
  TLabeledEdit* lblEdtName;
  TLabeledEdit* lblEdtCallSign;
  QLabel* LabelShipType;
  QComboBox* cbxShipType;
  QLabel* stShipCargoType;
  QGroupBox* GroupBoxDimension;
  QSpinBox* CSpinEditA;
  QSpinBox* CSpinEditB;
  QSpinBox* CSpinEditC;
  QSpinBox* CSpinEditD;
  TSpeedButton* SpeedButtonStaticData;
  QPlainTextEdit* MemoRecord;
};
