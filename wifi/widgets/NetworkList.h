#pragma once
// The look of the Wi-Fi network list: its images and the delegate that
// paints its rows.
#include <QPixmap>
#include <QStyledItemDelegate>

#include <vector>

#include "wifi/core/WiFiData.h"

// ImageListWiFi: 0 to 4 signal bars, 5 lock, 6 linked; 32 x 32.
std::vector<QPixmap> MakeWiFiImages();

// Draws StringGridWiFiList: alternate row colours, the selected row grey
// with white text, and each network's signal, lock and link images.
class NetworkListDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  NetworkListDelegate(const AP_LIST_STRUCT& list, const std::vector<QPixmap>& images,
                      QObject* parent)
      : QStyledItemDelegate(parent), list_(list), images_(images) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  const AP_LIST_STRUCT& list_;
  const std::vector<QPixmap>& images_;
};
