#pragma once
// The worker thread of the TCP medium: connects to the transponder's Wi-Fi
// module and reports readable data and the end of the link by callbacks.
#include <atomic>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>

class TTCPIPClientThread {
 public:
  using Callback = void (*)(void* context);

  // Created suspended: Start runs it.
  explicit TTCPIPClientThread(bool createSuspended = true);
  // Ends the link (OnDisconnect runs if it has not yet) and joins the thread.
  ~TTCPIPClientThread();
  TTCPIPClientThread(const TTCPIPClientThread&) = delete;
  TTCPIPClientThread& operator=(const TTCPIPClientThread&) = delete;

  // 1..19 characters: stored, length returned; else cleared and -1.
  int SetAddress(const char* text);
  // 0..65535 stored; else -1.
  void SetPort(int port);
  void SetOnRead(Callback fn, void* context);
  void SetOnDisconnect(Callback fn, void* context);
  void Start();

  // Sends all of it (waiting half a second at most for room); on failure
  // ends the link and returns false. Before the connection is made it sends
  // nothing and returns false, and the connection goes on.
  bool SendData(const void* buffer, int length);
  // One recv of at most 512 bytes: the count, 0 when the peer closed, -1 on
  // error (the link ends unless the read would only block).
  int ReceiveData(void* buffer);
  // Ends the link once: OnDisconnect, socket closed, thread told to stop.
  // From a thread other than the worker it waits for an OnRead that is
  // running, so nothing is delivered after it returns: OnRead must never
  // wait for that thread.
  void Disconnect();
  // Joins the worker; not from the worker itself.
  void WaitFor();

  const char* Address() const { return address_; }
  int Port() const { return port_; }
  bool Ended() const { return ended_; }

  // Prints the text for errno (or err) and returns true only for a read
  // or write that would block.
  static bool CheckSocketError(int err);
  static const char* SocketErrorText(int err);

  static constexpr int kReceiveSize = 512;

 private:
  void Execute();
  bool ConnectSocket();
  void CloseSocket();
  bool WaitConnected();
  void Wake();

  std::mutex receiveLock_;             // around recv only, as the Part says
  std::mutex socketLock_;              // keeps send and close apart
  std::mutex fdLock_;                  // keeps the end's shutdown and the close apart
  std::recursive_mutex callbackLock_;  // held by the worker around OnRead
  Callback onRead_ = nullptr;
  void* onReadContext_ = nullptr;
  Callback onDisconnect_ = nullptr;
  void* onDisconnectContext_ = nullptr;
  char address_[20] = {};
  int port_ = -1;
  std::atomic<int> socket_{-1};
  int wakeFd_ = -1;
  std::atomic<bool> ended_{false};
  std::atomic<bool> terminated_{false};
  std::atomic<bool> peerClosed_{false};
  std::atomic<bool> connected_{false};  // the connect has settled
  std::thread thread_;
  std::thread::id workerId_;
  std::mutex startLock_;
};
