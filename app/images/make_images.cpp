// Draws the project's own pictures: the earth under the sky plot and the
// pass/fail marks of the system check. Run once; the PNGs are committed.
//   g++ -std=c++20 -fPIC make_images.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_images
//   QT_QPA_PLATFORM=offscreen /tmp/make_images app/images
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

static QPainterPath Blob(std::initializer_list<QPointF> pts) {
  QPainterPath p;
  auto it = pts.begin();
  p.moveTo(*it++);
  QPointF prev = *pts.begin();
  for (; it != pts.end(); ++it) {
    QPointF mid = (prev + *it) / 2;
    p.quadTo(prev, mid);
    prev = *it;
  }
  p.quadTo(prev, *pts.begin());
  p.closeSubpath();
  return p;
}

static QImage Earth() {
  QImage img(200, 200, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(100, 100);
  const double r = 98;
  QRadialGradient sea(QPointF(80, 75), 130);
  sea.setColorAt(0, QColor(40, 110, 190));
  sea.setColorAt(0.7, QColor(20, 60, 130));
  sea.setColorAt(1, QColor(8, 25, 70));
  p.setPen(Qt::NoPen);
  p.setBrush(sea);
  p.drawEllipse(c, r, r);
  QPainterPath globe;
  globe.addEllipse(c, r, r);
  p.setClipPath(globe);
  QColor land(60, 120, 60);
  p.setBrush(land);
  p.drawPath(
      Blob({{30, 40}, {70, 22}, {95, 40}, {88, 70}, {70, 80}, {62, 110}, {45, 96}, {30, 70}}));
  p.drawPath(Blob({{70, 120}, {92, 112}, {100, 140}, {90, 178}, {76, 170}, {68, 142}}));
  p.drawPath(Blob({{118, 30}, {160, 24}, {190, 60}, {178, 82}, {150, 78}, {128, 60}}));
  p.drawPath(Blob({{124, 92}, {152, 90}, {160, 120}, {140, 150}, {124, 128}}));
  p.drawPath(Blob({{160, 140}, {182, 136}, {186, 156}, {166, 160}}));
  QRadialGradient shade(QPointF(75, 70), 150);
  shade.setColorAt(0, QColor(255, 255, 255, 40));
  shade.setColorAt(0.6, QColor(0, 0, 0, 0));
  shade.setColorAt(1, QColor(0, 0, 0, 120));
  p.setBrush(shade);
  p.drawEllipse(c, r, r);
  return img;
}

static QImage Mark(bool pass) {
  QImage img(24, 24, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(pass ? QColor(20, 110, 30) : QColor(150, 20, 20), 1));
  p.setBrush(pass ? QColor(40, 170, 60) : QColor(210, 40, 40));
  p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
  p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  if (pass) {
    p.drawPolyline(QPolygonF({QPointF(7, 12.5), QPointF(10.5, 16), QPointF(17, 8.5)}));
  } else {
    p.drawLine(QPointF(8, 8), QPointF(16, 16));
    p.drawLine(QPointF(16, 8), QPointF(8, 16));
  }
  return img;
}

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QString dir = argc > 1 ? argv[1] : ".";
  bool ok = Earth().save(dir + "/gps_earth.png") && Mark(true).save(dir + "/check_pass.png") &&
            Mark(false).save(dir + "/check_fail.png");
  return ok ? 0 : 1;
}
