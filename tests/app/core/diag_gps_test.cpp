#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <initializer_list>

#include "app/core/GpsStatus.h"
#include "app/core/GpsText.h"

namespace {

struct Sat {
  int prn, elev, azim, snr;
};

GpsSentenceInput Sentence(const char* formatter) {
  GpsSentenceInput in;
  std::memcpy(in.formatter, formatter, 3);  // the fourth byte stays NUL
  return in;
}

GpsSentenceInput Gsv(std::initializer_list<Sat> sats) {
  GpsSentenceInput in = Sentence("GSV");
  int i = 0;
  for (const Sat& s : sats) {
    in.gsvPrn[i] = static_cast<uint8_t>(s.prn);
    in.gsvElevation[i] = static_cast<int8_t>(s.elev);
    in.gsvAzimuth[i] = static_cast<uint16_t>(s.azim);
    in.gsvSnr[i] = static_cast<int8_t>(s.snr);
    ++i;
  }
  in.gsvCount = i;
  return in;
}

GpsSentenceInput Gsa(std::initializer_list<int> ids) {
  GpsSentenceInput in = Sentence("GSA");
  in.gsaIds.fill(static_cast<int8_t>(128));
  int i = 0;
  for (int id : ids) in.gsaIds[i++] = static_cast<int8_t>(id);
  return in;
}

std::vector<std::string> Labels(const GpsRedraw& r) {
  std::vector<std::string> out;
  for (const auto& b : r.bars) out.push_back(b.label);
  return out;
}

}  // namespace

TEST(GpsCycle, EachRmcRedrawsTheSatellitesOfItsSecond) {
  GpsStatusModel m;
  std::vector<GpsRedraw> redraws;
  for (int second = 0; second < 4; ++second) {
    for (auto in : {Sentence("RMC"), Sentence("GGA"), Gsa({3 + second, 8}),
                    Gsv({{3 + second, 40, 230, 23}, {8, 31, 170, 31}}), Gsv({{14, 43, 97, 39}})}) {
      auto up = m.UpdateGpsStatus(in);
      if (up.redraw) redraws.push_back(*up.redraw);
    }
  }
  // The first second has no earlier RMC; each later RMC ends the cycle before it.
  ASSERT_EQ(redraws.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    const std::string first = std::to_string(3 + k);
    EXPECT_EQ(Labels(redraws[k])[0], first);
    EXPECT_EQ(Labels(redraws[k])[1], "8");
    EXPECT_EQ(Labels(redraws[k])[2], "14");
    EXPECT_EQ(redraws[k].inView, "3");
    EXPECT_EQ(redraws[k].inUse, "2");
    EXPECT_TRUE(redraws[k].bars[0].used);
    EXPECT_FALSE(redraws[k].bars[2].used);
  }
}

TEST(GpsCycle, AnyRepeatedTypeEndsTheCycleButGsaAndGsvNever) {
  GpsStatusModel m;
  EXPECT_FALSE(m.UpdateGpsStatus(Sentence("GLL")).redraw);
  for (int i = 0; i < 5; ++i) {
    EXPECT_FALSE(m.UpdateGpsStatus(Gsv({{1, 10, 10, 10}})).redraw);
    EXPECT_FALSE(m.UpdateGpsStatus(Gsa({1})).redraw);
  }
  EXPECT_FALSE(m.UpdateGpsStatus(Sentence("VTG")).redraw);
  EXPECT_FALSE(m.UpdateGpsStatus(Sentence("ZDA")).redraw);  // no bit of its own
  EXPECT_TRUE(m.UpdateGpsStatus(Sentence("GLL")).redraw);
  // The GLL that ended the cycle already counts in the new one.
  EXPECT_EQ(m.GpsTypesSeen, kSeenGLL);
  EXPECT_EQ(m.SatsInView.count, 0);
  EXPECT_TRUE(m.UpdateGpsStatus(Sentence("GLL")).redraw);
}

TEST(GpsCycle, SatelliteListsFilterAndCap) {
  GpsStatusModel m;
  m.UpdateGpsStatus(Sentence("RMC"));
  // A repeat in a second GSV, an id above 127, one without SNR and one without position.
  m.UpdateGpsStatus(
      Gsv({{5, 10, 20, 30}, {200, 10, 20, 30}, {6, 10, 20, 128}, {7, 128, 65535, 25}}));
  m.UpdateGpsStatus(Gsv({{5, 50, 60, 40}}));
  m.UpdateGpsStatus(Gsa({5, 0, 128}));
  auto r = m.UpdateGpsStatus(Sentence("RMC")).redraw;
  ASSERT_TRUE(r);
  EXPECT_EQ(r->inView, "2");
  EXPECT_EQ(r->inUse, "1");
  ASSERT_EQ(r->bars.size(), 16u);
  EXPECT_EQ(r->bars[0].label, "5");
  EXPECT_EQ(r->bars[0].value, 30);  // first appearance wins
  EXPECT_EQ(r->bars[1].label, "7");
  EXPECT_EQ(r->bars[1].value, 25);
  EXPECT_EQ(r->bars[2].label, "---");
  EXPECT_TRUE(r->markers[0].visible);
  EXPECT_EQ(r->markers[0].azimuth, 20);
  // Keeps its bar, gets no marker: it has nowhere on the plot to go.
  EXPECT_FALSE(r->markers[1].visible);
  EXPECT_FALSE(r->markers[2].visible);
}

TEST(GpsTexts, MissingValuesShowNotAvailable) {
  EXPECT_EQ(HdopText(-100000.0f), "N/A");  // empty field, never "-100000.0"
  EXPECT_EQ(HdopText(99.9f), "N/A");
  EXPECT_EQ(HdopText(99.8f), "99.8");
  EXPECT_EQ(HdopTextForMode(2, 0.9f), " 0.9");
  EXPECT_EQ(FixModeText(0), "Lost");
  EXPECT_EQ(FixModeText(2), "2D");
  EXPECT_EQ(SogText(102.2f), "N/A");
  EXPECT_EQ(SogText(102.1f), "102.10 Kn");
  EXPECT_EQ(SogText(-100000.0f), "N/A");
  EXPECT_EQ(CogText(360.0f), "N/A");
  EXPECT_EQ(CogText(359.94f), "359.9\u00B0");
  EXPECT_EQ(CogText(-1.0f), "N/A");

  std::string lon, lat;
  PositionTexts(181.0f, 91.0f, lon, lat);  // never "181°00.0000'E"
  EXPECT_EQ(lon, "N/A");
  EXPECT_EQ(lat, "N/A");
  PositionTexts(-33.5f, 200.0f, lon, lat);
  EXPECT_EQ(lat, "N/A");
  PositionTexts(-0.5f, -33.75f, lon, lat);
  EXPECT_EQ(lon, "  0\u00B030.0000'W");
  EXPECT_EQ(lat, " 33\u00B045.0000'S");
}

TEST(GpsTexts, FormattingIgnoresTheLocale) {
  const char* saved = std::setlocale(LC_NUMERIC, nullptr);
  std::string keep = saved ? saved : "C";
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale here";
  EXPECT_EQ(HdopText(1.25f), " 1.2");
  EXPECT_EQ(SogText(5.5f), " 5.50 Kn");
  std::setlocale(LC_NUMERIC, keep.c_str());
}
