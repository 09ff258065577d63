#pragma once
// Serves a TransponderSim on a pseudo-terminal or a loopback TCP port from a
// background thread: received bytes go to the simulator, its replies and its
// once-a-second stream go back. Stop ends the thread cleanly.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "tools/transponder-sim/TransponderSim.h"

class SimServer {
 public:
  SimServer() = default;
  ~SimServer();
  SimServer(const SimServer&) = delete;
  SimServer& operator=(const SimServer&) = delete;

  // Milliseconds between stream seconds; 0 streams nothing unless TickNow
  // is called. Set before Start, or later through SetTickMs.
  std::atomic<int> tickMs{1000};
  void SetTickMs(int ms);
  // Before Start: 0 sends as fast as the reader takes; otherwise no faster
  // than a serial line at this many baud (ten bits a byte). With a tickMs
  // shorter than a second's output takes, the line is kept full.
  int lineRateBaud = 0;
  // Before Start: output a reader is slow to take waits for it, however
  // long, instead of being dropped as a device's would be; for a test that
  // holds the reader to everything that was sent.
  bool holdStalledOutput = false;

  // A pseudo-terminal; linkPath, when given, becomes a symlink to its slave
  // (an existing symlink there is replaced, any other file is left alone
  // and the start fails). False with a reason in Error().
  bool StartPty(const std::string& linkPath = "");
  // 127.0.0.1 on port (0: a free one, see Port()).
  bool StartTcp(int port = 0);
  void Stop();

  const std::string& SlavePath() const { return slavePath_; }
  int Port() const { return port_; }
  const std::string& Error() const { return error_; }
  // True once the link was dropped by the dropAfterBytes fault.
  bool Dropped() const { return dropped_; }
  // TCP: a program is connected now.
  bool ClientConnected() const { return PeerPresent(); }
  // Bytes written to the link so far.
  long BytesSent() const { return bytesSent_; }

  // Runs f on the simulator under the server's lock.
  template <typename F>
  auto With(F&& f) {
    std::lock_guard<std::mutex> lk(mutex_);
    return f(sim_);
  }
  // One stream second now, sent at once.
  void TickNow();
  // Waits until a received line satisfies pred; false after timeoutMs.
  bool WaitForLine(const std::function<bool(const std::string&)>& pred, int timeoutMs = 5000);

 private:
  void Run();
  void Send(const std::string& bytes);
  void DropLink();
  void Wake();
  bool PeerPresent() const;

  std::mutex mutex_;  // guards sim_
  std::condition_variable lineSeen_;
  TransponderSim sim_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> dropped_{false};
  std::atomic<int> client_{-1};  // the descriptor bytes go out on
  int master_ = -1, listener_ = -1, wakeFd_ = -1;
  std::string slavePath_, linkPath_, error_;
  int port_ = 0;
  long sentOnLink_ = 0;
  std::atomic<bool> tickRequested_{false};
  std::atomic<long> bytesSent_{0};
  std::chrono::steady_clock::time_point lineFreeAt_{};
};
