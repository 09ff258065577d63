#pragma once
// The SYSTEM CHECK page: six items, each with its value and a pass or fail
// picture, the AIS report counts two of them are judged by, and the button
// that starts the checks over.
#include <QPixmap>
#include <QWidget>

#include <array>

#include "app/core/SysCheck.h"
#include "app/core/SysCheckCounters.h"

class QLabel;
class QTabWidget;
class TSpeedButton;

class SystemCheckPage : public QWidget {
  Q_OBJECT

 public:
  // Added to pages as the tab "TabSheetSystemCheck".
  explicit SystemCheckPage(QTabWidget* pages);

  // The items' values of one refresh.
  void ShowValues(const SysCheckView& v);
  // The items' pictures, in item order.
  void ShowCheckImages(const SysCheckView& v);

  // Transmitted and received position reports since the connection began.
  const AisReportCounts& ReportCounters() const { return counters_; }
  // One AIS sentence that began with '!'.
  void CountAisReports(const char* formatter, char channel);
  void ResetReportCounters();
  // The pictures: 0 fail, 1 pass.
  const std::array<QPixmap, 2>& CheckImages() const { return ImageListSysChk; }

 signals:
  // The clear button: what the items are judged by is to start over.
  void ClearCheckRequested();

 private:
  void SetCheckImage(QLabel* image, bool passed);

  AisReportCounts counters_;
  std::array<QPixmap, 2> ImageListSysChk;
  QLabel* lblChkFwVer;
  QLabel* lblValFwVer;
  QLabel* ImageChkFwVer;
  QLabel* lblChkProdSN;
  QLabel* lblValProdSN;
  QLabel* ImageChkProdSN;
  QLabel* lblChkMMSI;
  QLabel* lblValMMSI;
  QLabel* ImageChkMMSI;
  QLabel* lblChkGPS;
  QLabel* lblValGps;
  QLabel* ImageChkGps;
  QLabel* lblChkTx;
  QLabel* lblChkTxCntChA;
  QLabel* lblValTxCntA;
  QLabel* lblChkTxCntChB;
  QLabel* lblValTxCntB;
  QLabel* ImageChkTx;
  QLabel* lblChkRx;
  QLabel* lblChkRxCntChA;
  QLabel* lblValRxCntA;
  QLabel* lblChkRxCntChB;
  QLabel* lblValRxCntB;
  QLabel* ImageChkRx;
  TSpeedButton* SpeedButtonClearCheck;
};
