#pragma once
// Geometry of the sky plot: observer at the centre, north up, east right,
// horizon at the outer radius, zenith at the centre. Plain integers so that
// what is painted can be checked to the pixel.
#include <array>

struct SkyPoint {
  int x = 0, y = 0;
  bool operator==(const SkyPoint&) const = default;
};

struct SkyRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const SkyRect&) const = default;
};

struct SkyLabel {
  char letter = 0;
  SkyPoint text;  // where the letter is drawn
  SkyRect box;    // the grey box under it
};

// An 8-pixel margin stays round the plot.
constexpr int kSkyPlotMargin = 8;
constexpr int kSkyLabelBoxWidth = 16;
constexpr int kSkyLabelBoxHeight = 18;
// The factor the plot has always used; kept so markers land where they did.
constexpr float kDegToRad = 0.0174533f;

struct SkyPlotGeometry {
  int width = 0, height = 0;
  int cx = 0, cy = 0, radius = 0;

  // Rings at a third and two thirds of the radius; none at the horizon.
  int RingStep() const { return radius / 3; }
  std::array<int, 2> RingRadii() const { return {RingStep(), 2 * RingStep()}; }
  // "N", "S", "E", "W" in that order.
  std::array<SkyLabel, 4> Labels() const;
  // Screen point of a satellite; elevation 90 is the centre, 0 the horizon.
  SkyPoint PolarToScreen(int azimuth, int elevation) const;
};

SkyPlotGeometry ComputeSkyGeometry(int width, int height);

// Top-left of a square marker of the given width centred on the point.
SkyPoint MarkerTopLeft(SkyPoint centre, int markerWidth);

// The marker's own drawing: a disc of radius width / 2 - 1 about its centre,
// with the PRN text at (3, 3) for two or more digits and (6, 3) for one.
struct SkyMarkerPaint {
  SkyPoint centre;
  int radius = 0;
  SkyPoint textPos;
};
SkyMarkerPaint MarkerPaintGeometry(int width, int height, int prn);
