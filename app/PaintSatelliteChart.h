#pragma once
// The sky plot widget of the GPS STATUS page, holding the background image
// and the satellite markers.
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

#include "app/DrawSatelliteMap.h"
#include "app/PaintSatellite.h"

class QLabel;

// The sky plot: paints the background map at its own size and owns the 32
// satellite markers, which live on its parent so they sit above it.
class TPaintSatelliteChart : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kMarkers = 32;

  explicit TPaintSatelliteChart(QWidget* parent = nullptr);
  ~TPaintSatelliteChart() override;

  // Creates marker i (0..31) on the chart's parent with Tag i; false when it
  // cannot be made (no parent, or an index outside the array).
  bool CreateSatelliteMarker(int i);
  // Stores the values in marker i and places it; i of 32 and more is ignored.
  void SetSatellite(int i, int prn, int azimuth, int elevation, bool used);
  void PlaceMarker(int i);
  void PolarToScreen(int azimuth, int elevation, int& x, int& y) const;
  void SetMapBackground(QLabel* image);

  TPaintSatellite* Marker(int i) const;
  int MarkerCount() const { return markerCount_; }
  TDrawSatelliteMap& Map() { return *map_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  std::unique_ptr<TDrawSatelliteMap> map_;
  std::array<QPointer<TPaintSatellite>, kMarkers> markers_{};
  int markerCount_ = 0;
};
