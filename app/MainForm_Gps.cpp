// The status sentences and the GPS STATUS page: texts, the signal chart and
// the sky plot, rebuilt once per output cycle of the receiver.
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLinearGradient>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cstring>
#include <new>

#include "app/MainForm.h"
#include "app/core/GpsRecords.h"
#include "app/core/GpsText.h"
#include "app/pages/SystemCheckPage.h"
#include "protocol/Protocol.h"

namespace {

constexpr size_t kStatusSentenceLimit = 82;

// Blue and bright green of the device's colour scheme.
const QColor kBarBlue(0, 0, 255);
const QColor kBarGreen(0, 255, 0);

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

void TForm1::DispatchStatusSentence(const std::string& line) {
  if (line.size() > kStatusSentenceLimit) return;
  const size_t start = line.find_first_of("$!");
  if (start == std::string::npos) return;
  std::string sentence = line.substr(start, kStatusSentenceLimit);
  if (!ProcessSentence(*Protocol, sentence)) return;

  const SENTENCE_STRUCT& rec = Protocol->incoming;
  switch (ClassifySentence(rec)) {
    case GROUP_GNSS:
      UpdateGpsStatus();
      break;
    case GROUP_AIS:
      if (rec.start == '!') CountAisReports();
      break;
    case GROUP_PROPRIETARY:
      if (std::strcmp(rec.formatter, "CEK") == 0) ParseCekSentence();
      break;
    default:
      break;
  }
}

void TForm1::CountAisReports() {
  const SENTENCE_STRUCT& rec = Protocol->incoming;
  TabSheetSystemCheck->CountAisReports(rec.formatter, rec.fields.vdm.channel);
}

void TForm1::UpdateGpsStatus() {
  GNSS_DATA_STRUCT& gnss = Protocol->gnss;
  const AIS_TARGET_STRUCT& own = Protocol->ais.targets.slot[0];
  const GpsSentenceInput in = GpsInputFromRecords(Protocol->incoming.formatter, gnss, own);
  // The page has shown this fix; the next GGA raises the flag again.
  if (gnss.fixUpdated == 1) gnss.fixUpdated = 0;

  const GpsPageUpdate up = GpsStatus.UpdateGpsStatus(in);
  if (up.utcDate) SetEditText(lblEdtGpsUtcDate, *up.utcDate);
  if (up.utcTime) SetEditText(lblEdtGpsUtcTime, *up.utcTime);
  if (in.fixModeUpdated) ShowFixMode(in.fixMode);
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

void TForm1::ShowFixMode(int mode) {
  SetEditText(lblEdtGpsFixMode, FixModeText(mode));
  ShowHdop((mode == 2 || mode == 3) ? Protocol->gnss.hdop : 99.9f);
}

void TForm1::ShowHdop(float hdop) { SetEditText(lblEdtHdop, HdopText(hdop)); }

void TForm1::ShowPositionSpeedCourse(float lon, float lat, float sog, float cog) {
  std::string lonText, latText;
  PositionTexts(lon, lat, lonText, latText);
  SetEditText(lblEdtGpsLon, lonText);
  SetEditText(lblEdtGpsLat, latText);
  SetEditText(lblEdtGpsSOG, SogText(sog));
  SetEditText(lblEdtGpsCOG, CogText(cog));
}

void TForm1::ShowSatelliteCounts(int inUse, int inView) {
  SetEditText(lblEdtGpsNoSV_InView, std::to_string(inView));
  SetEditText(lblEdtGpsNoSV_InUse, std::to_string(inUse));
}

void TForm1::SetSkyMarker(int index, int prn, int azimuth, int elevation, bool used) {
  if (index < kSkyMarkerCount && PaintSatelliteChart)
    PaintSatelliteChart->SetSatellite(index, prn, azimuth, elevation, used);
}

void TForm1::ShowSignalBars(const std::vector<SignalBar>& bars) {
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

std::vector<SignalBar> TForm1::SignalBars() const {
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

void TForm1::CreateSatelliteChart() {
  // Qt widgets paint double-buffered already.
  try {
    PaintSatelliteChart = new TPaintSatelliteChart(PanelSatelliteMap);
  } catch (const std::bad_alloc&) {
    PaintSatelliteChart = nullptr;
  }
  if (!PaintSatelliteChart) {
    dialogs.MessageBox("PaintSatelliteChart", "Fail To New", DialogButtons::Ok);
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
      dialogs.MessageBox("PaintSatelliteSeries", "Fail To New", DialogButtons::Ok);
      continue;
    }
    TPaintSatellite* m = PaintSatelliteChart->Marker(i);
    m->Tag = i;
    m->hide();
    m->setCursor(Qt::PointingHandCursor);
  }
  // SNR axis 0..58 dB-Hz, ticked every 10.
  for (QAbstractAxis* a : Series1->attachedAxes())
    if (auto* v = qobject_cast<QValueAxis*>(a)) {
      v->setRange(0, 58);
      v->setTickType(QValueAxis::TicksDynamic);
      v->setTickAnchor(0);
      v->setTickInterval(10);
    }
  PaintSatelliteChart->SetMapBackground(ImageGpsMap);
  ImageListGpsStatusEarth = QImage(QStringLiteral(":/images/gps_earth.png"));
  ImageGpsMap->setPixmap(QPixmap::fromImage(ImageListGpsStatusEarth));
  ShowSignalBars(EmptySignalBars());
}

void TForm1::ResetGpsCounters() {
  GpsStatus.Reset();
  TabSheetSystemCheck->ResetReportCounters();
}
