#pragma once
// The satellite marker widget of the sky plot; where it sits and how its disc
// is measured are worked out in core/SkyPlotGeometry.
#include <QWidget>

// One satellite on the sky plot: a 20 by 20 disc with its PRN, green when the
// satellite is in the fix and blue when it is only in view.
class TPaintSatellite : public QWidget {
  Q_OBJECT
 public:
  explicit TPaintSatellite(QWidget* parent = nullptr);
  ~TPaintSatellite() override;

  int Used = 0;
  int Prn = 0;
  int Azimuth = 0;
  int Elevation = 0;
  int Tag = 0;  // the marker's index

 protected:
  void paintEvent(QPaintEvent*) override;
};
