// The GPS STATUS page fed through the real receive path.
#include <QBarSeries>
#include <QLabel>

#include "app/PaintSatelliteChart.h"
#include "tests/app/diag_fixture.h"
#include "tests/support/find_control.h"

namespace {

std::string BadChecksum(std::string line) {
  line.back() = line.back() == '0' ? '1' : '0';
  return line;
}

// "$GPGSA,A,<mode>,<ids...>,,," with the twelve id fields and empty DOPs.
std::string Gsa(int mode, std::vector<int> ids) {
  std::string body = "$GPGSA,A," + std::to_string(mode);
  for (int i = 0; i < 12; ++i) {
    body += ',';
    if (i < static_cast<int>(ids.size())) body += std::to_string(ids[i]);
  }
  return Signed(body + ",,,");
}

class DiagGpsPage : public DiagFormTest {
 protected:
  void SetUp() override {
    DiagFormTest::SetUp();
    form->show();
    Find<QTabWidget>(form, "PageControlMain")
        ->setCurrentWidget(Find<QWidget>(form, "TabSheetDiagnosis"));
    Find<QTabWidget>(form, "PageControlDiagnosis")
        ->setCurrentWidget(Find<QWidget>(form, "TabSheetGpsStatus"));
    Pump(20);
  }
  std::vector<std::string> Labels() {
    std::vector<std::string> out;
    for (const auto& b : GpsPage()->SignalBars()) out.push_back(b.label);
    return out;
  }
  TPaintSatelliteChart* SkyPlot() {
    return Find<TPaintSatelliteChart>(form, "PaintSatelliteChart");
  }
  int VisibleMarkers() {
    int n = 0;
    for (int i = 0; i < 32; ++i)
      if (!SkyPlot()->Marker(i)->isHidden()) ++n;
    return n;
  }
};

TEST_F(DiagGpsPage, StartsWithSixteenEmptyBarsAndHiddenMarkers) {
  auto bars = GpsPage()->SignalBars();
  ASSERT_EQ(bars.size(), 16u);
  for (const auto& b : bars) {
    EXPECT_EQ(b.label, "---");
    EXPECT_EQ(b.value, 0);
    EXPECT_FALSE(b.used);
  }
  ASSERT_NE(SkyPlot(), nullptr);
  EXPECT_EQ(SkyPlot()->MarkerCount(), 32);
  EXPECT_EQ(VisibleMarkers(), 0);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(DiagGpsPage, RecordedCyclesRedrawOnEveryRmc) {
  Connect();
  // Lines 1-12: GSA, a two-part VDM, then the whole second 21:39:50; line 13 is
  // the RMC of 21:39:51, which shows the satellites of 21:39:50.
  std::vector<std::string> lines;
  ASSERT_TRUE(RecordedLines(13, lines));
  DeviceLines(lines);
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsUtcDate")), "2020/04/07");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsUtcTime")), "21:39:51");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsFixMode")), "3D");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtHdop")), " 1.0");
  // No VDO yet: the own vessel has no position to show.
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsLat")), "N/A");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsLon")), "N/A");
  const std::vector<std::string> second50 = {"3", "8", "10", "11", "14", "17", "22", "28", "32"};
  auto labels = Labels();
  ASSERT_EQ(labels.size(), 16u);
  EXPECT_EQ(std::vector<std::string>(labels.begin(), labels.begin() + 9), second50);
  EXPECT_EQ(labels[9], "---");
  auto bars = GpsPage()->SignalBars();
  EXPECT_EQ(bars[0].value, 23);
  EXPECT_EQ(bars[8].value, 41);
  for (int i = 0; i < 9; ++i) EXPECT_TRUE(bars[i].used) << i;
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsNoSV_InView")), "9");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsNoSV_InUse")), "9");
  EXPECT_EQ(VisibleMarkers(), 9);
  // Satellite 27 has no SNR: neither a bar nor a marker.
  TPaintSatellite* m0 = SkyPlot()->Marker(0);
  EXPECT_EQ(m0->Prn, 3);
  EXPECT_EQ(m0->Elevation, 39);
  EXPECT_EQ(m0->Azimuth, 230);
  EXPECT_EQ(m0->Used, 1);

  // The next second brings the SNR 22 of satellite 3 with the RMC of 21:39:52.
  std::vector<std::string> more;
  ASSERT_TRUE(RecordedLines(22, more));
  DeviceLines(std::vector<std::string>(more.begin() + 13, more.end()));
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsUtcTime")), "21:39:52");
  EXPECT_EQ(GpsPage()->SignalBars()[0].value, 22);
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsNoSV_InView")), "9");
}

TEST_F(DiagGpsPage, CycleInAnotherOrderAndWithGaps) {
  Connect();
  // GSV first, a satellite without elevation and azimuth, an empty HDOP.
  DeviceLines({Signed("$GPGSV,1,1,03,05,45,090,40,07,,,33,09,10,180,20"), Gsa(2, {5, 7}),
               Signed("$GPGGA,120000.00,5250.5,N,00542.3,E,1,02,,,M,,M,,"),
               Signed("$GPGSV,1,1,03,05,45,090,40,07,,,33,09,10,180,20"),
               Signed("$GPGGA,120001.00,5250.5,N,00542.3,E,1,02,,,M,,M,,")});
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsFixMode")), "2D");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtHdop")), "N/A");  // never "-100000.0"
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsUtcTime")), "12:00:01");
  EXPECT_EQ(Labels()[0], "5");
  EXPECT_EQ(Labels()[1], "7");
  EXPECT_EQ(Labels()[2], "9");
  auto bars = GpsPage()->SignalBars();
  EXPECT_TRUE(bars[0].used);
  EXPECT_TRUE(bars[1].used);
  EXPECT_FALSE(bars[2].used);
  // Satellite 7 keeps its bar but has nowhere on the plot to go.
  EXPECT_FALSE(SkyPlot()->Marker(0)->isHidden());
  EXPECT_TRUE(SkyPlot()->Marker(1)->isHidden());
  EXPECT_FALSE(SkyPlot()->Marker(2)->isHidden());
  EXPECT_EQ(SkyPlot()->Marker(2)->Used, 0);

  // A fix lost: "Lost", and HDOP is not shown.
  DeviceLines({Gsa(1, {}), Signed("$GPGGA,120002.00,,,,,0,00,,,M,,M,,")});
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsFixMode")), "Lost");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtHdop")), "N/A");
  // That cycle had no GSV: every bar "---" and every marker hidden.
  for (const auto& l : Labels()) EXPECT_EQ(l, "---");
  EXPECT_EQ(VisibleMarkers(), 0);
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsNoSV_InView")), "0");
}

TEST_F(DiagGpsPage, OwnVesselPositionSpeedAndCourse) {
  Connect();
  DeviceLines({PositionReport18("VDO", 'A', 244123456, 121.5, 25.5, 12.3, 359.9, 30),
               Signed("$GPRMC,120000.00,A,2530.0,N,12130.0,E,12.3,359.9,010524,,,A")});
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsLat")), " 25\u00B030.0000'N");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsLon")), "121\u00B030.0000'E");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsSOG")), "12.30 Kn");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsCOG")), "359.9\u00B0");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsUtcDate")), "2024/05/01");

  // Speed and course not available in the report: "N/A".
  DeviceLines({PositionReport18("VDO", 'A', 244123456, -0.5, -33.75, 102.3, 360.0, 31),
               Signed("$GPRMC,120001.00,A,3345.0,S,00030.0,W,,,010524,,,A")});
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsLat")), " 33\u00B045.0000'S");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsLon")), "  0\u00B030.0000'W");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsSOG")), "N/A");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsCOG")), "N/A");
}

TEST_F(DiagGpsPage, FortySatellitesFillThirtySixBarsAndAllMarkers) {
  Connect();
  std::vector<std::string> lines = {
      Signed("$GPRMC,120000.00,A,2530.0,N,12130.0,E,0.0,0.0,010524,,,A")};
  for (int s = 0; s < 10; ++s) {
    std::string body = "$GPGSV,9,1,40";
    for (int k = 0; k < 4; ++k) {
      const int prn = s * 4 + k + 1;
      for (const int field : {prn, (prn * 7) % 91, (prn * 37) % 360, 20 + prn % 30}) {
        body += ',';
        body += std::to_string(field);
      }
    }
    lines.push_back(Signed(body));
  }
  lines.push_back(Signed("$GPRMC,120001.00,A,2530.0,N,12130.0,E,0.0,0.0,010524,,,A"));
  DeviceLines(lines);
  auto labels = Labels();
  ASSERT_EQ(labels.size(), 36u);
  EXPECT_EQ(labels[35], "36");
  EXPECT_EQ(Text(Find<TLabeledEdit>(form, "lblEdtGpsNoSV_InView")), "36");
  EXPECT_EQ(VisibleMarkers(), 32);
  // Every marker sits within the plot.
  const QRect plot = SkyPlot()->geometry();
  for (int i = 0; i < 32; ++i) {
    const QRect m = SkyPlot()->Marker(i)->geometry();
    EXPECT_TRUE(plot.adjusted(-10, -10, 10, 10).contains(m)) << i;
  }
}

TEST_F(DiagGpsPage, AisReportsCountPerChannel) {
  Connect();
  DeviceLines({PositionReport18("VDM", 'A', 211000001, 5.8, 52.8, 1, 10, 5),
               PositionReport18("VDM", 'B', 211000002, 5.8, 52.8, 1, 10, 5),
               PositionReport18("VDM", 0, 211000003, 5.8, 52.8, 1, 10, 5),
               PositionReport18("VDO", 'B', 244000001, 5.8, 52.8, 1, 10, 5),
               PositionReport18("VDO", 0, 244000001, 5.8, 52.8, 1, 10, 5),
               // A bad checksum and a line too long never count.
               BadChecksum(PositionReport18("VDM", 'A', 211000004, 5.8, 52.8, 1, 10, 5)),
               "!AIVDM,1,1,,A," + std::string(80, '0') + ",0*00"});
  EXPECT_EQ(CheckPage()->ReportCounters().rxA, 1u);
  EXPECT_EQ(CheckPage()->ReportCounters().rxB, 2u);
  EXPECT_EQ(CheckPage()->ReportCounters().txA, 0u);
  EXPECT_EQ(CheckPage()->ReportCounters().txB, 1u);
  // The two-part message of the recording counts once, on its last part.
  std::vector<std::string> rec;
  ASSERT_TRUE(RecordedLines(3, rec));
  DeviceLines({rec[1], rec[2]});
  EXPECT_EQ(CheckPage()->ReportCounters().rxB, 3u);
}

TEST_F(DiagGpsPage, SkyPlotGeometryFollowsItsSize) {
  TPaintSatelliteChart* c = SkyPlot();
  c->resize(200, 200);
  int x = 0, y = 0;
  c->PolarToScreen(0, 0, x, y);
  EXPECT_EQ(x, 99);
  EXPECT_EQ(y, 8);
  c->SetSatellite(3, 7, 0, 0, true);
  EXPECT_EQ(c->Marker(3)->geometry().topLeft() - c->pos(), QPoint(89, -2));
  c->SetSatellite(4, 17, 90, 45, false);
  EXPECT_EQ(c->Marker(4)->geometry().topLeft() - c->pos(), QPoint(135, 89));
  c->SetSatellite(32, 1, 0, 90, true);  // no such marker: ignored

  // The height decides at 300 by 100; markers follow a resize at once.
  c->resize(300, 100);
  EXPECT_EQ(c->Map().Radius(), 42);
  c->PolarToScreen(123, 90, x, y);
  EXPECT_EQ(QPoint(x, y), QPoint(150, 50));
  EXPECT_EQ(c->Marker(4)->geometry().topLeft() - c->pos(), QPoint(160, 39));

  // The painted map: rings and cross white, the N box grey, round the globe transparent.
  c->resize(200, 200);
  QImage img(200, 200, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  c->render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
  auto whiteNear = [&](int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (QColor(img.pixel(x + dx, y + dy)) == QColor(Qt::white)) return true;
    return false;
  };
  EXPECT_TRUE(whiteNear(121, 79));                            // first ring, off the cross
  EXPECT_TRUE(whiteNear(142, 58));                            // second ring
  EXPECT_FALSE(whiteNear(110, 88));                           // between centre and first ring
  EXPECT_FALSE(whiteNear(165, 35));                           // no ring at the horizon
  EXPECT_EQ(QColor(img.pixel(100, 150)), QColor(Qt::white));  // the cross
  EXPECT_EQ(QColor(img.pixel(93, 19)), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(qAlpha(img.pixel(1, 1)), 0);
}

}  // namespace
