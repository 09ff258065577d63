// The receive path from bytes to displays: recorded receiver traffic fed to
// the real main window in link-sized reads, while connected, with the data
// log on. A saturated 115,200-baud link brings about 11,500 bytes a second.
#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QPlainTextEdit>

#include <memory>
#include <string>

#include "app/MainForm.h"
#include "app/PortDiscovery.h"
#include "tests/support/find_control.h"
#include "tests/support/recorded_traffic.h"
#include "ui/core/Dialogs.h"

namespace {

void BM_ReceivePath(benchmark::State& state, bool logging) {
  std::string bytes, error;
  if (!recorded::ReadBytes(bytes, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  RecordingDialogs dialogs;
  TForm1Options options;
  options.dialogs = &dialogs;
  options.ports = std::make_shared<ListPortDiscovery>(std::vector<std::string>{});
  options.documentsDir = "/tmp";
  options.liveTimers = false;
  options.deviceMonitor = false;
  TForm1 form(options);
  Find<QCheckBox>(form, "cbxEnableLog")->setChecked(logging);
  form.TcpRxHandler("[DEVICE DATA END]\r\n");  // arms
  form.TcpRxHandler("[DEVICE DATA END]\r\n");  // connected
  const size_t chunk = 512;
  for (auto _ : state) {
    for (size_t i = 0; i < bytes.size(); i += chunk) form.TcpRxHandler(bytes.substr(i, chunk));
    // The log is cleared as a user would, so it does not grow without end.
    state.PauseTiming();
    Find<QPlainTextEdit>(form, "MemoDataLog")->clear();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK_CAPTURE(BM_ReceivePath, without_log, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReceivePath, with_log, true)->Unit(benchmark::kMillisecond);

}  // namespace
