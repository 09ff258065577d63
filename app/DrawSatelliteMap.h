#pragma once
// The sky plot's background as an image of its own, which the chart widget
// sizes and draws; its geometry comes from core so tests can check it.
#include <QImage>
#include <QPointer>

#include "app/core/SkyPlotGeometry.h"

class QLabel;

// The sky plot's background, painted into an image at its current size:
// the earth picture, two rings, the cross and the N/S/E/W labels.
class TDrawSatelliteMap : public QImage {
 public:
  TDrawSatelliteMap();
  ~TDrawSatelliteMap();

  // Gives the image a new size (its content is redrawn by DrawSkyPlot).
  void SetSize(int width, int height);
  void DrawSkyPlot();
  // The image control whose picture is stretched under the plot; not owned.
  void SetBackground(QLabel* image);

  int Radius() const { return geometry_.radius; }
  int CentreX() const { return geometry_.cx; }
  int CentreY() const { return geometry_.cy; }
  const SkyPlotGeometry& Geometry() const { return geometry_; }
  void UpdateGeometry();

 private:
  QPointer<QLabel> background_;
  SkyPlotGeometry geometry_;
};
