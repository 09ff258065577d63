// Paints the sky plot's background image: the stretched earth picture, the
// rings, the cross and the compass letters in their grey boxes.
#include "app/DrawSatelliteMap.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

TDrawSatelliteMap::TDrawSatelliteMap() : QImage(1, 1, QImage::Format_ARGB32_Premultiplied) {
  fill(Qt::transparent);
}

TDrawSatelliteMap::~TDrawSatelliteMap() = default;

void TDrawSatelliteMap::SetSize(int width, int height) {
  if (width < 1) width = 1;
  if (height < 1) height = 1;
  if (this->width() == width && this->height() == height) return;
  QImage::operator=(QImage(width, height, QImage::Format_ARGB32_Premultiplied));
}

void TDrawSatelliteMap::SetBackground(QLabel* image) { background_ = image; }

void TDrawSatelliteMap::UpdateGeometry() { geometry_ = ComputeSkyGeometry(width(), height()); }

void TDrawSatelliteMap::DrawSkyPlot() {
  UpdateGeometry();
  // Transparent where no picture lies, so the panel shows through round the globe.
  fill(Qt::transparent);
  QPainter p(this);
  if (background_) {
    const QPixmap pm = background_->pixmap();
    if (!pm.isNull()) p.drawPixmap(QRect(0, 0, width(), height()), pm);
  }
  const SkyPlotGeometry& g = geometry_;
  p.setPen(QPen(QColor(255, 255, 255), 1, Qt::SolidLine));
  p.setBrush(Qt::NoBrush);
  for (int r : g.RingRadii()) p.drawEllipse(QPoint(g.cx, g.cy), r, r);
  p.drawLine(g.cx - g.radius, g.cy, g.cx + g.radius, g.cy);
  p.drawLine(g.cx, g.cy - g.radius, g.cx, g.cy + g.radius);

  QFont font("Arial");
  font.setPointSize(9);
  p.setFont(font);
  for (const SkyLabel& l : g.Labels()) {
    p.fillRect(QRect(l.box.left, l.box.top, l.box.width, l.box.height), QColor(0x80, 0x80, 0x80));
    p.setPen(QColor(255, 255, 255));
    // Text placed by its top-left corner, as the label table gives it.
    p.drawText(QRect(l.text.x, l.text.y, 40, 40), Qt::AlignLeft | Qt::AlignTop,
               QString(QChar(l.letter)));
  }
}
