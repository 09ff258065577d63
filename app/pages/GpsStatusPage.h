#pragma once
// The GPS STATUS page: date, time, fix, position, speed and course of the
// receiver, the signal chart and the sky plot, redrawn once per output cycle.
#include <QImage>
#include <QWidget>

#include <vector>

#include "app/core/GpsStatus.h"

class QFrame;
class QLabel;
class QTabWidget;
class TLabeledEdit;
class TPaintSatelliteChart;
class Dialogs;
QT_BEGIN_NAMESPACE
class QBarSeries;
class QChartView;
QT_END_NAMESPACE

class GpsStatusPage : public QWidget {
  Q_OBJECT

 public:
  // Added to pages as the tab "TabSheetGpsStatus".
  GpsStatusPage(QTabWidget* pages, Dialogs& dialogs);

  // The sky plot with its markers, and the chart's empty bars (start-up).
  void CreateSatelliteChart();
  // What a stored GNSS sentence left in the records.
  void UpdateGpsStatus(const GpsSentenceInput& in);
  // Empties the cycle (connection start).
  void ResetGpsStatus() { GpsStatus.Reset(); }

  // hdop is shown only with a 2D or 3D fix.
  void ShowFixMode(int mode, float hdop);
  void ShowHdop(float hdop);
  void ShowPositionSpeedCourse(float lon, float lat, float sog, float cog);
  void ShowSatelliteCounts(int inUse, int inView);
  void SetSkyMarker(int index, int prn, int azimuth, int elevation, bool used);
  // The signal chart's bars, in order (labels as shown).
  void ShowSignalBars(const std::vector<SignalBar>& bars);
  std::vector<SignalBar> SignalBars() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // "Satellite ID" goes in the strip kept free at the chart's foot, wherever
  // the chart is moved or resized.
  void PlaceSatelliteIdLabel();

  Dialogs& dialogs_;
  GpsStatusModel GpsStatus;  // SatsInUse, SatsInView and GpsTypesSeen of the cycle
  QImage ImageListGpsStatusEarth;
  TPaintSatelliteChart* PaintSatelliteChart = nullptr;
  TLabeledEdit* lblEdtGpsUtcDate;
  TLabeledEdit* lblEdtGpsUtcTime;
  TLabeledEdit* lblEdtGpsFixMode;
  TLabeledEdit* lblEdtHdop;
  TLabeledEdit* lblEdtGpsLat;
  TLabeledEdit* lblEdtGpsLon;
  TLabeledEdit* lblEdtGpsSOG;
  TLabeledEdit* lblEdtGpsCOG;
  TLabeledEdit* lblEdtGpsNoSV_InView;
  TLabeledEdit* lblEdtGpsNoSV_InUse;
  QFrame* PanelSatelliteMap;  // the sky plot goes in here
  QLabel* ImageGpsMap;
  QChartView* Chart1;
  QBarSeries* Series1;
  QLabel* lblSatelliteID;
  QLabel* Label10;
};
