// Paints one satellite marker: a green or blue disc with a grey rim and its
// PRN in black or white.
#include "app/PaintSatellite.h"

#include <QPainter>

#include "app/core/SkyPlotGeometry.h"

TPaintSatellite::TPaintSatellite(QWidget* parent) : QWidget(parent) {
  setFixedSize(20, 20);
  setAttribute(Qt::WA_TranslucentBackground);
  QFont f = font();
  f.setPixelSize(10);
  f.setBold(true);
  setFont(f);
}

TPaintSatellite::~TPaintSatellite() = default;

void TPaintSatellite::paintEvent(QPaintEvent*) {
  const SkyMarkerPaint g = MarkerPaintGeometry(width(), height(), Prn);
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Used ? QColor(0, 255, 0) : QColor(0, 0, 255));
  p.drawEllipse(QPoint(g.centre.x, g.centre.y), g.radius, g.radius);
  p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPoint(g.centre.x, g.centre.y), g.radius, g.radius);
  // Black on green, white on blue: readable on both discs.
  p.setPen(Used ? Qt::black : Qt::white);
  p.drawText(QRect(g.textPos.x, g.textPos.y, width(), height()), Qt::AlignLeft | Qt::AlignTop,
             QString::number(Prn));
}
