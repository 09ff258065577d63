#pragma once
// The TRANSCEIVER page: DSC monitoring, the GPS update rate and mode, and
// whether the device sends ALR sentences.
#include <QWidget>

#include <cstdint>

#include "app/core/ConfigPages.h"

class QComboBox;
class QLabel;
class QTabWidget;
class TSpeedButton;
struct CONFIG_REPORT_DATA;

class TransceiverPage : public QWidget {
  Q_OBJECT

 public:
  // Added to pages as the tab "TabSheetTransceiver".
  explicit TransceiverPage(QTabWidget* pages);

  TransceiverPageValues Values() const;
  // The ALR list as a write leaves it.
  void SetAlrIndex(int index);
  // AlrReplied: the device has reported its ALR setting since it was last asked.
  bool AlrReplied() const { return alrReplied_; }
  void SetAlrReplied(bool replied) { alrReplied_ = replied; }
  // The device's ALR setting (item 108/6): 0 means its output is on.
  void ShowAlrReply(int32_t value);
  // Indexes of the lists, as the device-data dump gives them.
  void ShowDscMonitoring(int index);
  void ShowGpsOutput(int index);
  void ShowGpsMode(int index);
  // Not const: until the device has said otherwise its ALR output is on, and
  // the list is put back to show it, as a change of the list would.
  void FillReport(CONFIG_REPORT_DATA& report);

  void ComboBoxGpsOutputChange();
  void ComboBoxALRSentenceChange();

 signals:
  // The page's own Config button (hidden: Configure Device writes the page).
  void ConfigRequested();

 private:
  bool alrReplied_ = false;
  QLabel* lblDscMonitoring;
  QComboBox* ComboBoxDscMonitoring;
  QLabel* lblGpsOutput;
  QComboBox* ComboBoxGpsOutput;
  QLabel* lblGsOffWarningMsg;
  QLabel* LabelGPSMode;
  QComboBox* ComboBoxTransceiver_GPSMode;
  QLabel* LabelALRSentence;
  QComboBox* ComboBoxALRSentence;
  TSpeedButton* spbTransponder;
};
