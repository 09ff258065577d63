// How long input waits in the real main window while a TCP device floods it
// without pacing: the window shown on the offscreen platform with its timers
// running, connected over loopback to a peer that sends a receiver's GPS
// cycle and AIS reports as fast as the socket takes them. Each iteration is
// one input event, sent by another thread at a moment of its own; its wait
// is the iteration's time. The counters give the median and the worst wait
// in milliseconds (the aim: under 50 ms).
#include <benchmark/benchmark.h>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/MainForm.h"
#include "app/PortDiscovery.h"
#include "tests/app/links/flood_lines.h"
#include "tests/app/links/input_probe.h"
#include "tests/links/loopback_server.h"
#include "tests/support/find_control.h"
#include "tests/support/qt_wait.h"
#include "ui/core/Dialogs.h"

namespace {

// The device: answers the handshake, then floods until it goes.
class FloodingPeer : public LoopbackServer {
 public:
  ~FloodingPeer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  void StartFlood() {
    thread_ = std::thread([this] {
      std::string cycles;
      for (int i = 0; i < 64; ++i) cycles += floodlines::GpsCycle();
      size_t at = 0;
      while (!stop_) {
        const ssize_t n =
            ::send(peer, cycles.data() + at, cycles.size() - at, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
          sent_ += static_cast<size_t>(n);
          at = (at + static_cast<size_t>(n)) % cycles.size();
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
          pollfd p{peer, POLLOUT, 0};
          ::poll(&p, 1, 5);
        } else {
          break;
        }
      }
    });
  }
  size_t Sent() const { return sent_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<size_t> sent_{0};
  std::thread thread_;
};

void BM_InputWaitDuringTcpFlood(benchmark::State& state) {
  const std::filesystem::path docs =
      std::filesystem::temp_directory_path() / ("kvor-flood-bench-" + std::to_string(getpid()));
  RecordingDialogs dialogs;
  TForm1Options options;
  options.dialogs = &dialogs;
  options.ports = std::make_shared<ListPortDiscovery>(std::vector<std::string>{});
  options.documentsDir = docs.string();
  options.deviceMonitor = false;
  auto form = std::make_unique<TForm1>(options);
  struct Tidy {
    std::filesystem::path folder;
    ~Tidy() {
      std::error_code ec;
      std::filesystem::remove_all(folder, ec);
    }
  } tidy{docs};
  form->show();
  FloodingPeer peer;
  form->SelectConnectionMedium(1, Find<QAction>(form, "mnuWiFi"));
  Find<TLabeledEdit>(form, "LabelEditWiFi_TCP_IP")->setText("127.0.0.1");
  Find<TLabeledEdit>(form, "LabelEditWiFi_Port")->setText(QString::number(peer.port));
  form->OpenPortClick();
  if (!peer.Accept()) {
    state.SkipWithError("the window did not connect");
    return;
  }
  peer.Send("S/N:(12345)\r\n");
  WaitFor([&] { return form->Session().ConnectState == 1; }, 5000);
  peer.Send("[DEVICE DATA END]\r\n");
  if (!WaitFor([&] { return form->Session().DeviceConnected == 1; }, 5000)) {
    state.SkipWithError("the handshake did not end");
    return;
  }
  peer.StartFlood();
  Pump(500);  // the window falls behind

  InputProbe probe;
  std::vector<double> waits;
  const size_t sentBefore = peer.Sent();
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    const double ms = probe.WaitMs();
    waits.push_back(ms);
    state.SetIterationTime(ms / 1000);
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!form->Tcp().IsOpen()) state.SkipWithError("the link ended during the flood");
  std::sort(waits.begin(), waits.end());
  state.counters["median_ms"] = waits[waits.size() / 2];
  state.counters["worst_ms"] = waits.back();
  state.counters["flood_MB_per_s"] = double(peer.Sent() - sentBefore) / seconds / 1e6;
}

BENCHMARK(BM_InputWaitDuringTcpFlood)
    ->UseManualTime()
    ->Iterations(400)
    ->Unit(benchmark::kMillisecond);

}  // namespace
