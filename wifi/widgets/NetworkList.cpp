// The network list's images, drawn at run time (signal bars, lock, tick), and
// its rows painted in the set-up's colours.
#include "wifi/widgets/NetworkList.h"

#include <QAbstractItemModel>
#include <QPainter>
#include <QPainterPath>

#include "wifi/core/WiFiSetup.h"

namespace {

QColor FromBgr(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

QPixmap Blank() {
  QPixmap p(32, 32);
  p.fill(Qt::transparent);
  return p;
}

QPixmap SignalBars(int lit) {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 4; ++i) {
    const int h = 4 + i * 4;
    QRectF bar(4 + i * 6, 24 - h, 4, h);
    g.setPen(Qt::NoPen);
    g.setBrush(i < lit ? QColor(0x1E, 0x7B, 0x34) : QColor(0xC8, 0xC8, 0xC8));
    g.drawRect(bar);
  }
  return p;
}

QPixmap Lock() {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QPen(QColor(0x60, 0x60, 0x60), 2));
  g.setBrush(Qt::NoBrush);
  g.drawArc(QRectF(11, 9, 8, 9), 0, 180 * 16);
  g.drawLine(QPointF(11, 13.5), QPointF(11, 16));
  g.drawLine(QPointF(19, 13.5), QPointF(19, 16));
  g.setPen(Qt::NoPen);
  g.setBrush(QColor(0xD4, 0xA0, 0x17));
  g.drawRoundedRect(QRectF(8, 15, 14, 9), 2, 2);
  return p;
}

QPixmap Linked() {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QPen(QColor(0x00, 0x55, 0xCC), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath tick;
  tick.moveTo(7, 16);
  tick.lineTo(13, 22);
  tick.lineTo(25, 9);
  g.drawPath(tick);
  return p;
}

}  // namespace

std::vector<QPixmap> MakeWiFiImages() {
  std::vector<QPixmap> images;
  for (int lit = 0; lit <= 4; ++lit) images.push_back(SignalBars(lit));
  images.push_back(Lock());
  images.push_back(Linked());
  return images;
}

void NetworkListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  const int row = index.row();
  if (row < 0) return;
  const bool selected = option.state & QStyle::State_Selected;
  const QRect r = option.rect;
  painter->save();
  painter->fillRect(r, FromBgr(NetworkRowColour(row, selected)));
  painter->setPen(selected ? Qt::white : option.palette.color(QPalette::Text));
  painter->drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                    index.data(Qt::DisplayRole).toString());
  const QAbstractItemModel* model = index.model();
  const bool listed = !model->data(model->index(0, 0)).toString().isEmpty();
  if (listed && row < list_.count) {
    const AP_DATA_STRUCT& e = list_.entries[row];
    int image = -1;
    QPoint at = r.topLeft() + QPoint(0, -6);
    switch (index.column()) {
      case 1:
        image = e.signalClass, at += QPoint(10, 0);
        break;
      case 2:
        image = e.security;
        break;
      case 3:
        image = e.link;
        break;
      default:
        break;
    }
    if (image >= 0 && image < static_cast<int>(images_.size())) {
      painter->setClipRect(r);
      painter->drawPixmap(at, images_[static_cast<size_t>(image)]);
    }
  }
  painter->restore();
}
