#pragma once
// The BAUD RATE page: the rates of the device's NMEA ports, two to four of
// them by the device type.
#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

#include "app/core/ConfigPages.h"

class QComboBox;
class QLabel;
class QTabWidget;
class TSpeedButton;
struct MSG_TEXT_STRUCT;

class BaudRatePage : public QWidget {
  Q_OBJECT

 public:
  // Added to pages as the tab "TabSheetBaudRate".
  explicit BaudRatePage(QTabWidget* pages);

  // The lists' selections; the device type is left at 0 for the caller.
  BaudRatePageValues Values() const;
  // A list (0..3) put to its first rate.
  void SelectFirstRate(int list);
  void ReleaseConfigButton();
  // Shows the ports of a device type; false for a type it does not know,
  // whose third and fourth ports are hidden.
  bool ShowNmeaPorts(MultipleBaudType type, const MSG_TEXT_STRUCT& texts);
  // LabelUartNo3's caption after a change of language.
  void ShowThirdPortCaption(const std::string& caption);
  // The dump's NMEA_RX and NMEA_TX rates, as list indexes.
  void ShowDumpRates(int no2Index, int no3Index);
  // A reply of item 183 (sub 10, 11, 20 or 21) with its rate code; false
  // when it is ignored.
  bool ShowRateReply(int32_t sub, int32_t code);
  // The rates the lists show, in the order of items 183/10, 183/11, 183/20
  // and 183/21.
  void PortRates(int32_t (&rates)[4]) const;

 signals:
  // The page's own Config button (hidden: Configure Device writes the page).
  void ConfigRequested();

 private:
  // The four lists, port 1 input to port 2 output.
  std::array<QComboBox*, 4> Lists() const;

  QLabel* LabelUartNo1;
  QComboBox* cbx_NMEABaudRateNo1;
  QLabel* LabelUartNo2;
  QComboBox* cbx_NMEABaudRateNo2;
  QLabel* LabelUartNo3;
  QComboBox* cbx_NMEABaudRateNo3;
  QLabel* LabelUartNo4;
  QComboBox* cbx_NMEABaudRateNo4;
  TSpeedButton* spbBaudRate;
};
