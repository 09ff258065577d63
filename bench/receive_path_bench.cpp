// The receive path from bytes to displays: recorded receiver traffic fed to
// the real main window in link-sized reads, while connected, with the data
// log on. A saturated 115,200-baud link brings about 11,500 bytes a second.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/MainForm.h"
#include "app/PortDiscovery.h"
#include "ui/core/Dialogs.h"

namespace {

std::string RecordedBytes() {
  std::ifstream in(KVOR_DATA_DIR "/ais-nmea.log", std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void BM_ReceivePath(benchmark::State& state, bool logging) {
  const std::string bytes = RecordedBytes();
  if (bytes.empty()) {
    state.SkipWithError("no recorded traffic in " KVOR_DATA_DIR);
    return;
  }
  RecordingDialogs dialogs;
  TForm1Options options;
  options.dialogs = &dialogs;
  options.ports = std::make_shared<ListPortDiscovery>(std::vector<std::string>{});
  options.documentsDir = "/tmp";
  options.liveTimers = false;
  options.deviceMonitor = false;
  options.sleepMs = [](int) {};
  TForm1 form(options);
  form.cbxEnableLog->setChecked(logging);
  form.TcpRxHandler("[DEVICE DATA END]\r\n");  // arms
  form.TcpRxHandler("[DEVICE DATA END]\r\n");  // connected
  const size_t chunk = 512;
  for (auto _ : state) {
    for (size_t i = 0; i < bytes.size(); i += chunk)
      form.TcpRxHandler(bytes.substr(i, chunk));
    // The log is cleared as a user would, so it does not grow without end.
    state.PauseTiming();
    form.MemoDataLog->clear();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK_CAPTURE(BM_ReceivePath, without_log, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReceivePath, with_log, true)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
