// The window on a saturated 115,200-baud link for a while: the simulated
// transponder streams its GPS cycle and a fleet's AIS traffic with noise,
// over-long lines, NUL bytes, wrong checksums, cut-off sentences and broken
// AIS fragments mixed in. Afterwards the window must hold exactly what a
// receiver fed only the sound sentences holds, and its memory must be level.
//
// KVOR_SOAK_SECONDS sets how long the link is kept full (default 20).
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <malloc.h>
#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own allocator keeps the count; malloc's statistics do not see it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "app/core/GpsText.h"
#include "app/core/SysCheckCounters.h"
#include "app/pages/SystemCheckPage.h"
#include "protocol/Protocol.h"
#include "tests/app/conn_fixture.h"
#include "tests/support/find_control.h"
#include "tools/transponder-sim/SimServer.h"
#include "wifi/core/WiFiSetup.h"

using namespace conn;

namespace {

constexpr int kFleet = 400;
constexpr int kBaud = 115200;

int SoakSeconds() {
  const char* text = std::getenv("KVOR_SOAK_SECONDS");
  const int seconds = text ? std::atoi(text) : 0;
  return seconds > 0 ? seconds : 20;
}

// Bytes the program has allocated and not freed.
size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
#endif
}

long StatusKb(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::strlen(key));
  return 0;
}

double Seconds(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double ProcessCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// A receiver that is given only the sentences the simulator meant to be taken.
struct Reference {
  std::unique_ptr<ProtocolState> state = std::make_unique<ProtocolState>();
  AisReportCounts counts;
  long sentences = 0;

  void Take(const std::string& sentence) {
    ++sentences;
    std::string line = sentence + "\r\n";
    if (!ProcessSentence(*state, line)) return;
    const SENTENCE_STRUCT& rec = state->incoming;
    if (ClassifySentence(rec) == GROUP_AIS && rec.start == '!')
      CountAisReports(counts, rec.formatter, rec.fields.vdm.channel);
  }
};

std::string Describe(const AIS_TARGET_STRUCT& t) {
  std::ostringstream s;
  s << t.mmsi << " class " << int(t.targetClass) << " at " << t.latitude << "," << t.longitude
    << " sog " << t.sog << " cog " << t.cog << " hdg " << t.heading << " '" << t.name << "' '"
    << t.callSign << "' type " << int(t.shipType) << " dims " << t.dimA << "/" << t.dimB << "/"
    << int(t.dimC) << "/" << int(t.dimD) << " draught " << t.draught << " to '" << t.destination
    << "'";
  return s.str();
}

std::string Describe(const GNSS_DATA_STRUCT& g) {
  std::ostringstream s;
  s << int(g.utcTime.hour) << ":" << int(g.utcTime.minute) << ":" << int(g.utcTime.second) << "."
    << int(g.utcTime.hundredths) << " " << g.date.year << "-" << int(g.date.month) << "-"
    << int(g.date.day) << " at " << g.latitude << "," << g.longitude << " sog " << g.speedKnots
    << " cog " << g.courseTrue << " q " << int(g.quality) << " fix " << int(g.fixMode) << " used "
    << int(g.satellitesInUse) << " seen " << int(g.satellitesInView) << " hdop " << g.hdop
    << " valid " << int(g.positionValid) << int(g.courseValid);
  return s.str();
}

std::string Describe(const AisReportCounts& c) {
  std::ostringstream s;
  s << "rx " << c.rxA << "/" << c.rxB << " tx " << c.txA << "/" << c.txB;
  return s.str();
}

class SoakTest : public FormTest {
 protected:
  // Runs the event loop for ms, sleeping while nothing happens (the fixture's
  // Pump polls, which would count as the window's own CPU use).
  static void Run(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
  }

  void TearDown() override {
    server.Stop();
    FormTest::TearDown();
  }

  void ConnectToSimulator() {
    Make({server.SlavePath()});
    Find<QRadioButton>(form, "RadioButtonConnectionModeManual")->setChecked(true);
    form->RadioButtonConnectionModeAutoClick();
    Find<QComboBox>(form, "cbxComPort")
        ->setCurrentIndex(
            Find<QComboBox>(form, "cbxComPort")
                ->findText(QString::fromStdString(PortNameFromPath(server.SlavePath()))));
    form->OpenPortClick();
    for (int s = 0; s < 20 && !form->Session().DeviceConnected; ++s) {
      if (Find<TTimer>(form, "Timer1")->Enabled()) form->Timer1Timer();
      WaitFor([&] { return form->Session().DeviceConnected == 1; }, 500);
    }
  }

  // Whether the window holds what the reference holds; what differs, if not.
  std::string Differences() {
    return server.With([&](TransponderSim&) {
      std::ostringstream d;
      const AisReportCounts& got =
          Find<SystemCheckPage>(form, "TabSheetSystemCheck")->ReportCounters();
      const AisReportCounts& want = reference.counts;
      if (got.rxA != want.rxA || got.rxB != want.rxB || got.txA != want.txA || got.txB != want.txB)
        d << "AIS counts: " << Describe(got) << " want " << Describe(want) << "\n";
      if (Describe(form->Protocol().gnss) != Describe(reference.state->gnss))
        d << "GNSS: " << Describe(form->Protocol().gnss) << " want "
          << Describe(reference.state->gnss) << "\n";
      const auto& mine = form->Protocol().ais.targets;
      const auto& theirs = reference.state->ais.targets;
      if (mine.count != theirs.count)
        d << "targets: " << mine.count << " want " << theirs.count << "\n";
      for (int i = 0; i < std::min(mine.count, theirs.count); ++i)
        if (Describe(mine.slot[i]) != Describe(theirs.slot[i]))
          d << "slot " << i << ": " << Describe(mine.slot[i]) << " want "
            << Describe(theirs.slot[i]) << "\n";
      return d.str();
    });
  }

  SimServer server;
  Reference reference;
};

TEST_F(SoakTest, SaturatedNoisyLinkShowsExactlyTheSoundTraffic) {
  server.tickMs = 0;  // quiet until the window is connected
  server.lineRateBaud = kBaud;
  // The reference takes every sentence as it is made: none may be dropped on
  // the way because a busy machine kept the window from reading for a while.
  server.holdStalledOutput = true;
  server.With([&](TransponderSim& sim) {
    sim.state.mmsi = 211000123;
    sim.fleetSize = kFleet;
    // More than a second of the line carries: the line stays full, with one
    // GPS cycle a second as a receiver sends it.
    sim.fleetReportsPerTick = 180;
    sim.faults.garbage = sim.faults.overlongLines = sim.faults.nulBytes = true;
    sim.faults.corruptCopies = sim.faults.brokenFragments = true;
    return 0;
  });
  ASSERT_TRUE(server.StartPty()) << server.Error();
  ConnectToSimulator();
  ASSERT_EQ(form->Session().DeviceConnected, 1);
  form->show();
  Find<QTabWidget>(form, "PageControlMain")
      ->setCurrentWidget(Find<QWidget>(form, "TabSheetDiagnosis"));
  Find<QTabWidget>(form, "PageControlDiagnosis")
      ->setCurrentWidget(Find<QWidget>(form, "TabSheetGpsStatus"));
  Pump(200);

  // From here on every stream sentence goes to the window and the reference alike.
  server.With([&](TransponderSim& sim) {
    sim.onStreamSentence = [this](const std::string& s) { reference.Take(s); };
    return 0;
  });
  const long bytesBefore = server.BytesSent();
  server.SetTickMs(1000);

  // Warm-up: caches, the chart and the sky plot settle; then the level.
  Run(2000);
  // The memo's storage keeps the size it once had; it is brought to its
  // bound here so that the level below compares like with like.
  for (int i = 0; i < 5000; ++i) form->WiFi().OnSerialLine(std::string(60, 'x'));
  form->WiFi().Memo_WiFi.Clear();
  Pump(50);
  const size_t heapStart = HeapInUse();
  const double wallStart = Seconds(CLOCK_MONOTONIC);
  const double guiCpuStart = Seconds(CLOCK_THREAD_CPUTIME_ID);
  const double cpuStart = ProcessCpuSeconds();
  const long bytesStart = server.BytesSent();

  long peakRssKb = 0;
  int maxMemoLines = 0;
  const int seconds = SoakSeconds();
  for (int s = 0; s < seconds; ++s) {
    for (int q = 0; q < 4; ++q) {
      Run(250);
      maxMemoLines =
          std::max(maxMemoLines, Find<QPlainTextEdit>(form, "Memo_WiFi")->document()->blockCount());
      peakRssKb = std::max(peakRssKb, StatusKb("VmRSS:"));
      ASSERT_LE(form->SerialLine().size(), LineCutter::kLimit);
    }
    form->TimerConnectionTimer();
    form->Timer2Timer();
    ASSERT_TRUE(form->Comm()->IsOpen());
  }
  const double wall = Seconds(CLOCK_MONOTONIC) - wallStart;
  const double guiCpu = Seconds(CLOCK_THREAD_CPUTIME_ID) - guiCpuStart;
  const double cpu = ProcessCpuSeconds() - cpuStart;
  const long bytesSoaked = server.BytesSent() - bytesStart;

  // The stream stops behind one last reply, which goes out after all of it:
  // once the window has that reply, it has had everything. The window's
  // state matching the reference on the way would prove nothing: a faulty
  // line still on its way could spoil it after the check.
  const std::vector<std::string> replies = server.With([](TransponderSim& sim) {
    std::vector<std::string> made =
        sim.HandleLine(TransponderSim::WithChecksum("$PKVR,Q,CFG,183,0,0,"));
    sim.faults.silent = true;  // after the reply, which it would withhold
    return made;
  });
  ASSERT_FALSE(replies.empty());
  const std::string lastLine = replies.back().substr(0, replies.back().size() - 2);
  server.TickNow();
  const WiFiMemo& memo = form->WiFi().Memo_WiFi;
  ASSERT_TRUE(WaitFor([&] { return memo.Line(memo.LineCount() - 1) == lastLine; }, 20000));
  EXPECT_EQ(Differences(), "");

  // Every station that was heard soundly, and no other.
  std::set<uint32_t> shown;
  const auto& table = form->Protocol().ais.targets;
  for (int i = 0; i < table.count; ++i) {
    EXPECT_FALSE(TransponderSim::IsGhostMmsi(table.slot[i].mmsi)) << Describe(table.slot[i]);
    shown.insert(table.slot[i].mmsi);
  }
  EXPECT_EQ(table.slot[0].mmsi, 211000123u);
  for (int k = 0; k < kFleet; ++k) EXPECT_TRUE(shown.count(TransponderSim::FleetMmsi(k))) << k;
  EXPECT_EQ(table.count, 1 + 3 + kFleet);
  EXPECT_EQ(shown.size(), size_t(table.count));
  // The page shows the last sound fix, not the corrupt one at 23:59:59.
  const NMEA_TIME& t = reference.state->gnss.utcTime;
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtGpsUtcTime")->text().toStdString(),
            UtcTimeText(t.hour, t.minute, t.second));
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtGpsSOG")->text().toStdString(),
            SogText(reference.state->gnss.speedKnots));

  // Memory: the reply memo keeps its bound, and with it emptied the heap is
  // where it was after the warm-up.
  EXPECT_LE(maxMemoLines, 5000 + 400);  // cleared once a second when above 5,000
  form->WiFi().Memo_WiFi.Clear();
  Pump(50);
  const long heapGrowth = long(HeapInUse()) - long(heapStart);
  EXPECT_LT(heapGrowth, 1L << 20) << "bytes more in use after the soak";

  const long sentences = server.With([&](TransponderSim&) { return reference.sentences; });
  std::printf(
      "soak: %.1f s at %d baud, %ld bytes (%.0f%% of the line), %ld sound sentences taken, %d "
      "stations\n"
      "soak: window thread CPU %.2f%% of one core, whole process %.2f%% (simulator included)\n"
      "soak: peak RSS %ld kB, heap growth %ld bytes, reply memo at most %d lines\n",
      wall, kBaud, bytesSoaked, 100.0 * double(bytesSoaked) * 10.0 / kBaud / wall, sentences,
      table.count, 100.0 * guiCpu / wall, 100.0 * cpu / wall, peakRssKb, heapGrowth, maxMemoLines);
  RecordProperty("bytes", std::to_string(server.BytesSent() - bytesBefore));
  RecordProperty("sentences", std::to_string(sentences));
  RecordProperty("gui_cpu_percent", std::to_string(100.0 * guiCpu / wall));
  RecordProperty("peak_rss_kb", std::to_string(peakRssKb));
}

}  // namespace
