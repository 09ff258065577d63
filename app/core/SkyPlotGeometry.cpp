// The sky plot's centre, radius, compass labels and satellite positions in
// whole pixels, with the plot's own single-precision angle.
#include "app/core/SkyPlotGeometry.h"

#include <cmath>
#include <string>

SkyPlotGeometry ComputeSkyGeometry(int width, int height) {
  SkyPlotGeometry g;
  g.width = width;
  g.height = height;
  g.cx = width / 2;
  g.cy = height / 2;
  const int rw = (width - 2 * kSkyPlotMargin) / 2;
  const int rh = (height - 2 * kSkyPlotMargin) / 2;
  g.radius = rh < rw ? rh : rw;
  if (g.radius < 0) g.radius = 0;  // a control squeezed below its margins
  return g;
}

std::array<SkyLabel, 4> SkyPlotGeometry::Labels() const {
  std::array<SkyLabel, 4> l;
  const int r = radius;
  l[0].letter = 'N';
  l[0].text = {cx - 4, cy - r - 4};
  l[0].box = {l[0].text.x - 3, l[0].text.y - 1, kSkyLabelBoxWidth, kSkyLabelBoxHeight};
  l[1].letter = 'S';
  l[1].text = {cx - 4, cy + r - 8};
  l[1].box = {l[1].text.x - 4, l[1].text.y - 2, kSkyLabelBoxWidth, kSkyLabelBoxHeight};
  l[2].letter = 'E';
  l[2].text = {cx + r - 8, cy - 4};
  l[2].box = {l[2].text.x - 4, l[2].text.y - 2, kSkyLabelBoxWidth, kSkyLabelBoxHeight};
  l[3].letter = 'W';
  l[3].text = {cx - r - 6, cy - 4};
  l[3].box = {cx - r - 8, cy - 6, kSkyLabelBoxWidth, kSkyLabelBoxHeight};
  return l;
}

SkyPoint SkyPlotGeometry::PolarToScreen(int azimuth, int elevation) const {
  // Whole pixels from the horizon, then single precision as the plot always was.
  const float d = static_cast<float>(radius * elevation / 90);
  const float r = static_cast<float>(radius) - d;
  float angle = 450.0f - static_cast<float>(azimuth);
  if (angle < 0.0f) angle += 360.0f;
  if (angle > 360.0f) angle -= 360.0f;
  angle *= kDegToRad;
  SkyPoint p;
  p.x = static_cast<int>(cx + std::cos(static_cast<double>(angle)) * r);
  p.y = static_cast<int>(cy - std::sin(static_cast<double>(angle)) * r);
  return p;
}

SkyPoint MarkerTopLeft(SkyPoint centre, int markerWidth) {
  return {centre.x - markerWidth / 2, centre.y - markerWidth / 2};
}

SkyMarkerPaint MarkerPaintGeometry(int width, int height, int prn) {
  SkyMarkerPaint m;
  m.centre = {width / 2, height / 2};
  m.radius = width / 2 - 1;
  m.textPos = std::to_string(prn).size() >= 2 ? SkyPoint{3, 3} : SkyPoint{6, 3};
  return m;
}
