// The sky plot widget: the background redrawn at the widget's size, and the
// 32 markers made on the parent and moved to their azimuth and elevation.
#include "app/PaintSatelliteChart.h"

#include <QPainter>

TPaintSatelliteChart::TPaintSatelliteChart(QWidget* parent)
    : QWidget(parent), map_(std::make_unique<TDrawSatelliteMap>()) {}

TPaintSatelliteChart::~TPaintSatelliteChart() {
  for (auto& m : markers_) delete m.data();  // QPointer: already gone with the parent is fine
}

bool TPaintSatelliteChart::CreateSatelliteMarker(int i) {
  if (i < 0 || i >= kMarkers || !parentWidget()) return false;
  delete markers_[i].data();
  auto* m = new TPaintSatellite(parentWidget());
  m->Tag = i;
  m->setObjectName(QStringLiteral("PaintSatellite%1").arg(i));
  markers_[i] = m;
  int n = 0;
  for (const auto& p : markers_)
    if (p) ++n;
  markerCount_ = n;
  return true;
}

TPaintSatellite* TPaintSatelliteChart::Marker(int i) const {
  return (i >= 0 && i < kMarkers) ? markers_[i].data() : nullptr;
}

void TPaintSatelliteChart::SetSatellite(int i, int prn, int azimuth, int elevation, bool used) {
  TPaintSatellite* m = Marker(i);
  if (!m) return;
  m->Prn = prn;
  m->Azimuth = azimuth;
  m->Elevation = elevation;
  m->Used = used ? 1 : 0;
  PlaceMarker(i);
  m->update();
}

void TPaintSatelliteChart::PolarToScreen(int azimuth, int elevation, int& x, int& y) const {
  const SkyPoint p = map_->Geometry().PolarToScreen(azimuth, elevation);
  x = p.x;
  y = p.y;
}

void TPaintSatelliteChart::PlaceMarker(int i) {
  TPaintSatellite* m = Marker(i);
  if (!m) return;
  int x = 0, y = 0;
  PolarToScreen(m->Azimuth, m->Elevation, x, y);
  // The chart fills its parent, but map its origin in case it does not.
  const SkyPoint tl = MarkerTopLeft({x, y}, m->width());
  m->move(QPoint(tl.x, tl.y) + pos());
  m->raise();
}

void TPaintSatelliteChart::SetMapBackground(QLabel* image) { map_->SetBackground(image); }

void TPaintSatelliteChart::paintEvent(QPaintEvent*) {
  map_->SetSize(width(), height());
  map_->DrawSkyPlot();
  QPainter p(this);
  p.drawImage(0, 0, *map_);
}

void TPaintSatelliteChart::resizeEvent(QResizeEvent*) {
  // Markers follow the plot at once, not only at the next GPS cycle.
  map_->SetSize(width(), height());
  map_->UpdateGeometry();
  for (int i = 0; i < kMarkers; ++i) PlaceMarker(i);
}
