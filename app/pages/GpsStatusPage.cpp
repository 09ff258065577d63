// The GPS STATUS page: its controls, the texts a GNSS sentence changes, the
// signal chart and the sky plot of a finished cycle.
#include "app/pages/GpsStatusPage.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QVBoxLayout>
#include <QValueAxis>

#include <new>

#include "app/PaintSatelliteChart.h"
#include "app/core/GpsText.h"
#include "app/pages/PageBuild.h"
#include "ui/core/Dialogs.h"

namespace {

// Blue and bright green of the device's colour scheme.
const QColor kBarBlue(0, 0, 255);
const QColor kBarGreen(0, 255, 0);

constexpr int kSatelliteIdBand = 20;  // the caption's strip at the chart's foot

// Category labels must be unique; filler bars all read "---", so each gets a
// different run of zero-width spaces that nobody sees.
QString CategoryLabel(const std::string& label, int index) {
  QString s = QString::fromStdString(label);
  if (label == "---") s += QString(index + 1, QChar(0x200B));
  return s;
}

QBarCategoryAxis* CategoryAxis(QBarSeries* series) {
  for (QAbstractAxis* a : series->attachedAxes())
    if (auto* c = qobject_cast<QBarCategoryAxis*>(a)) return c;
  return nullptr;
}

void SetEditText(QLineEdit* edit, const std::string& text) {
  const QString t = QString::fromStdString(text);
  if (edit->text() != t) edit->setText(t);
}

}  // namespace

GpsStatusPage::GpsStatusPage(QTabWidget* pages, Dialogs& dialogs)
    : QWidget(pages), dialogs_(dialogs) {
  setObjectName("TabSheetGpsStatus");
  pages->addTab(this, "GPS STATUS");
  QWidget* p = this;
  auto* v = new QVBoxLayout(p);
  auto* top = new QHBoxLayout;
  auto* form = new QGridLayout;
  form->setHorizontalSpacing(8);
  struct Row {
    TLabeledEdit** edit;
    const char* name;
    const char* caption;
  } rows[] = {{&lblEdtGpsUtcDate, "lblEdtGpsUtcDate", "UTC Date"},
              {&lblEdtGpsUtcTime, "lblEdtGpsUtcTime", "UTC Time"},
              {&lblEdtGpsFixMode, "lblEdtGpsFixMode", "Fix Mode"},
              {&lblEdtHdop, "lblEdtHdop", "HDOP"},
              {&lblEdtGpsLat, "lblEdtGpsLat", "Latitude"},
              {&lblEdtGpsLon, "lblEdtGpsLon", "Longitude"},
              {&lblEdtGpsSOG, "lblEdtGpsSOG", "SOG"},
              {&lblEdtGpsCOG, "lblEdtGpsCOG", "COG"},
              {&lblEdtGpsNoSV_InView, "lblEdtGpsNoSV_InView", "Satellites in view"},
              {&lblEdtGpsNoSV_InUse, "lblEdtGpsNoSV_InUse", "Satellites in use"}};
  int i = 0;
  for (auto& r : rows) {
    *r.edit = NewReadout(p, r.name, r.caption);
    (*r.edit)->setMinimumWidth(120);
    // Two columns of label and value.
    const int row = i % 5, col = (i / 5) * 2;
    form->addWidget((*r.edit)->EditLabel, row, col, Qt::AlignRight);
    form->addWidget(*r.edit, row, col + 1);
    ++i;
  }
  top->addLayout(form, 1);
  PanelSatelliteMap = Named(new QFrame(p), "PanelSatelliteMap");
  PanelSatelliteMap->setFixedSize(198, 200);
  PanelSatelliteMap->setAutoFillBackground(true);
  PanelSatelliteMap->setStyleSheet("QFrame#PanelSatelliteMap { background: white; }");
  {
    auto* l = new QVBoxLayout(PanelSatelliteMap);
    l->setContentsMargins(0, 0, 0, 0);
    ImageGpsMap = NewLabel(PanelSatelliteMap, "ImageGpsMap", "");
    ImageGpsMap->setScaledContents(true);
    ImageGpsMap->hide();
    l->addWidget(ImageGpsMap);
  }
  top->addWidget(PanelSatelliteMap, 0, Qt::AlignTop);
  v->addLayout(top);

  Label10 = NewLabel(p, "Label10", "SNR (dB-Hz)");
  v->addWidget(Label10);
  auto* chart = new QChart;
  chart->setObjectName("Chart1Chart");
  chart->legend()->hide();
  chart->setTitle(QString());
  chart->setBackgroundBrush(Qt::white);
  // The bottom margin keeps the strip for the caption under the PRNs.
  chart->setMargins(QMargins(4, 4, 4, kSatelliteIdBand + 2));
  Series1 = new QBarSeries(chart);
  Series1->setObjectName("Series1");
  Series1->setLabelsVisible(true);
  Series1->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  chart->addSeries(Series1);
  auto* axisX = new QBarCategoryAxis(chart);
  axisX->setGridLineVisible(false);
  axisX->setObjectName("Chart1AxisX");
  // SNR 0..58 dB-Hz, ticked every 10.
  auto* axisY = new QValueAxis(chart);
  axisY->setRange(0, 58);
  axisY->setTickType(QValueAxis::TicksDynamic);
  axisY->setTickAnchor(0);
  axisY->setTickInterval(10);
  axisY->setLabelFormat("%d");
  axisY->setObjectName("Chart1AxisY");
  chart->addAxis(axisX, Qt::AlignBottom);
  chart->addAxis(axisY, Qt::AlignLeft);
  Series1->attachAxis(axisX);
  Series1->attachAxis(axisY);
  Chart1 = Named(new QChartView(chart, p), "Chart1");
  Chart1->setMinimumHeight(160);
  Chart1->setRenderHint(QPainter::Antialiasing);
  v->addWidget(Chart1, 1);
  // Not in the layout: it follows the chart wherever the chart goes.
  lblSatelliteID = NewLabel(p, "lblSatelliteID", "Satellite ID");
  lblSatelliteID->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  lblSatelliteID->setAttribute(Qt::WA_TransparentForMouseEvents);
  Chart1->installEventFilter(this);
  PlaceSatelliteIdLabel();
}

bool GpsStatusPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Chart1 && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
    PlaceSatelliteIdLabel();
  return QWidget::eventFilter(watched, event);
}

void GpsStatusPage::PlaceSatelliteIdLabel() {
  lblSatelliteID->setGeometry(Chart1->x(), Chart1->y() + Chart1->height() - kSatelliteIdBand,
                              Chart1->width(), kSatelliteIdBand);
  lblSatelliteID->raise();
}

void GpsStatusPage::UpdateGpsStatus(const GpsSentenceInput& in) {
  const GpsPageUpdate up = GpsStatus.UpdateGpsStatus(in);
  if (up.utcDate) SetEditText(lblEdtGpsUtcDate, *up.utcDate);
  if (up.utcTime) SetEditText(lblEdtGpsUtcTime, *up.utcTime);
  if (in.fixModeUpdated) ShowFixMode(in.fixMode, in.hdop);
  if (in.fixValid) ShowPositionSpeedCourse(in.lon, in.lat, in.sog, in.cog);
  if (!up.redraw) return;

  const GpsRedraw& r = *up.redraw;
  ShowSignalBars(r.bars);
  for (int i = 0; i < kSkyMarkerCount; ++i) {
    const SkyMarkerState& m = r.markers[i];
    if (m.visible) SetSkyMarker(i, m.prn, m.azimuth, m.elevation, m.used);
    if (PaintSatelliteChart)
      if (TPaintSatellite* mk = PaintSatelliteChart->Marker(i)) mk->setVisible(m.visible);
  }
  ShowSatelliteCounts(r.inUseCount, r.inViewCount);
}

void GpsStatusPage::ShowFixMode(int mode, float hdop) {
  SetEditText(lblEdtGpsFixMode, FixModeText(mode));
  ShowHdop((mode == 2 || mode == 3) ? hdop : 99.9f);
}

void GpsStatusPage::ShowHdop(float hdop) { SetEditText(lblEdtHdop, HdopText(hdop)); }

void GpsStatusPage::ShowPositionSpeedCourse(float lon, float lat, float sog, float cog) {
  std::string lonText, latText;
  PositionTexts(lon, lat, lonText, latText);
  SetEditText(lblEdtGpsLon, lonText);
  SetEditText(lblEdtGpsLat, latText);
  SetEditText(lblEdtGpsSOG, SogText(sog));
  SetEditText(lblEdtGpsCOG, CogText(cog));
}

void GpsStatusPage::ShowSatelliteCounts(int inUse, int inView) {
  SetEditText(lblEdtGpsNoSV_InView, std::to_string(inView));
  SetEditText(lblEdtGpsNoSV_InUse, std::to_string(inUse));
}

void GpsStatusPage::SetSkyMarker(int index, int prn, int azimuth, int elevation, bool used) {
  if (index < kSkyMarkerCount && PaintSatelliteChart)
    PaintSatelliteChart->SetSatellite(index, prn, azimuth, elevation, used);
}

void GpsStatusPage::ShowSignalBars(const std::vector<SignalBar>& bars) {
  Series1->clear();
  Series1->setLabelsVisible(true);
  auto* set = new QBarSet(QStringLiteral("SNR"));
  // Gradient from top to bottom; bars of satellites in the fix are "selected"
  // and drawn green.
  QLinearGradient g(0, 0, 0, 1);
  g.setCoordinateMode(QGradient::ObjectBoundingMode);
  g.setColorAt(0, kBarBlue.lighter(160));
  g.setColorAt(1, kBarBlue);
  set->setBrush(g);
  set->setColor(kBarBlue);
  set->setBorderColor(kBarBlue.darker(130));
  set->setSelectedColor(kBarGreen);
  set->setLabelColor(Qt::black);
  QStringList categories;
  for (size_t i = 0; i < bars.size(); ++i) {
    set->append(bars[i].value);
    categories << CategoryLabel(bars[i].label, static_cast<int>(i));
  }
  for (size_t i = 0; i < bars.size(); ++i)
    if (bars[i].used) set->selectBar(static_cast<int>(i));
  Series1->append(set);
  if (QBarCategoryAxis* axis = CategoryAxis(Series1)) {
    axis->clear();
    axis->append(categories);
  }
}

std::vector<SignalBar> GpsStatusPage::SignalBars() const {
  std::vector<SignalBar> out;
  const QList<QBarSet*> sets = Series1->barSets();
  if (sets.isEmpty()) return out;
  QBarSet* set = sets.first();
  QStringList categories;
  if (QBarCategoryAxis* axis = CategoryAxis(Series1)) categories = axis->categories();
  for (int i = 0; i < set->count(); ++i) {
    SignalBar b;
    QString label = i < categories.size() ? categories[i] : QString();
    label.remove(QChar(0x200B));
    b.label = label.toStdString();
    b.value = static_cast<int>(set->at(i));
    b.used = set->isBarSelected(i);
    out.push_back(b);
  }
  return out;
}

void GpsStatusPage::CreateSatelliteChart() {
  // Qt widgets paint double-buffered already.
  try {
    PaintSatelliteChart = new TPaintSatelliteChart(PanelSatelliteMap);
  } catch (const std::bad_alloc&) {
    PaintSatelliteChart = nullptr;
  }
  if (!PaintSatelliteChart) {
    dialogs_.MessageBox("PaintSatelliteChart", "Fail To New", DialogButtons::Ok);
    return;
  }
  PaintSatelliteChart->setObjectName("PaintSatelliteChart");
  if (auto* l = qobject_cast<QBoxLayout*>(PanelSatelliteMap->layout()))
    l->addWidget(PaintSatelliteChart);
  else
    PaintSatelliteChart->setGeometry(PanelSatelliteMap->rect());
  for (int i = 0; i < TPaintSatelliteChart::kMarkers; ++i) {
    bool made = false;
    try {
      made = PaintSatelliteChart->CreateSatelliteMarker(i);
    } catch (const std::bad_alloc&) {
    }
    if (!made) {
      dialogs_.MessageBox("PaintSatelliteSeries", "Fail To New", DialogButtons::Ok);
      continue;
    }
    TPaintSatellite* m = PaintSatelliteChart->Marker(i);
    m->Tag = i;
    m->hide();
    m->setCursor(Qt::PointingHandCursor);
  }
  PaintSatelliteChart->SetMapBackground(ImageGpsMap);
  ImageListGpsStatusEarth = QImage(QStringLiteral(":/images/gps_earth.png"));
  ImageGpsMap->setPixmap(QPixmap::fromImage(ImageListGpsStatusEarth));
  ShowSignalBars(EmptySignalBars());
}
