// The serial port's event thread: a poll on the port and a wake-up descriptor, line
// changes and error counts polled where only polling sees them, and each event mask
// handed over and waited for, cancelled cleanly on Stop.
#include "links/CommEventThread.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <cerrno>

const uint32_t EventMaskTable[9] = {EV_BREAK, EV_CTS,    EV_DSR,    EV_ERR,    EV_RING,
                                    EV_RLSD,  EV_RXCHAR, EV_RXFLAG, EV_TXEMPTY};

namespace {
// How often line state is looked at when only polling can see it.
constexpr int kStatusPollMs = 200;
// While nobody reads the input queue, its growth is watched at this pace.
constexpr int kStalledPollMs = 50;
constexpr int kTxPollMs = 10;
}  // namespace

// One queued hand-over. Shared with the queued job, which may run after the
// thread has gone: then it finds itself cancelled and does nothing.
struct TCommEventThread::HandOver {
  std::mutex m;
  std::condition_variable cv;
  bool done = false;
  bool cancelled = false;
};

TCommEventThread::TCommEventThread(int portHandle, uint32_t suspendTime, uint32_t eventMask,
                                   UiDispatcher& dispatcher, CommSystem& sys, bool modemLines)
    : portHandle_(portHandle),
      suspendTime_(suspendTime),
      eventMask_(eventMask),
      dispatcher_(dispatcher),
      sys_(sys),
      modemLines_(modemLines) {
  wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  // Taken here, not in the thread: a change right after Open is a change.
  if (modemLines_) {
    sys_.GetModemLines(portHandle_, initialLines_);
    haveCounts_ = sys_.ErrorCounts(portHandle_, initialErrors_) == 0;
  }
}

TCommEventThread::~TCommEventThread() {
  Stop();
  if (wakeFd_ >= 0) ::close(wakeFd_);
}

void TCommEventThread::SetHandler(Handler h) {
  std::lock_guard<std::mutex> lk(mutex_);
  handler_ = std::move(h);
}

void TCommEventThread::Resume() {
  if (!thread_.joinable()) thread_ = std::thread([this] { Execute(); });
}

void TCommEventThread::Stop() {
  std::shared_ptr<HandOver> pending;
  {
    std::lock_guard<std::mutex> lk(mutex_);
    stop_ = true;
    handler_ = nullptr;
    pending = std::move(pending_);
  }
  if (pending) {
    std::lock_guard<std::mutex> lk(pending->m);
    pending->cancelled = true;
    pending->cv.notify_all();
  }
  Wake();
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

void TCommEventThread::NoteWrite() {
  if (!(eventMask_ & EV_TXEMPTY)) return;
  txPending_ = true;
  Wake();
}

void TCommEventThread::NoteRead() {
  ++reads_;
  Wake();
}

void TCommEventThread::Wake() {
  if (wakeFd_ >= 0) {
    uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(wakeFd_, &one, sizeof one);
  }
}

bool TCommEventThread::Stopped() {
  std::lock_guard<std::mutex> lk(mutex_);
  return stop_;
}

void TCommEventThread::Execute() {
  if (wakeFd_ < 0) return;
  const uint32_t lineEvents = EV_CTS | EV_DSR | EV_RING | EV_RLSD | EV_BREAK | EV_ERR;
  const bool watchLines = modemLines_ && (eventMask_ & lineEvents);
  int lastLines = initialLines_;
  CommErrorCounts lastErrors = initialErrors_;
  const bool haveCounts = watchLines && haveCounts_;

  bool lost = false;     // hung up: only the wake-up is waited for
  bool stalled = false;  // bytes wait that nobody reads
  uint32_t stalledCount = 0;
  uint64_t stalledReads = 0;
  int failures = 0;

  while (!Stopped()) {
    const bool txWatch = txPending_;
    int timeout = -1;
    if (!lost) {
      if (watchLines) timeout = kStatusPollMs;
      if (stalled) timeout = kStalledPollMs;
      if (txWatch) timeout = kTxPollMs;
    }
    // Without POLLIN poll still reports a hang-up.
    const bool wantRx = (eventMask_ & EV_RXCHAR) && !stalled;
    pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {portHandle_, short(wantRx ? POLLIN : 0), 0}};
    int r = ::poll(fds, lost ? 1 : 2, timeout);
    if (r < 0) {
      if (errno == EINTR) continue;
      // A wait that keeps failing backs off and finally counts as a loss.
      if (++failures >= 10) lost = true;
      pollfd w{wakeFd_, POLLIN, 0};
      ::poll(&w, 1, 100 * failures);
      continue;
    }
    failures = 0;
    if (fds[0].revents & POLLIN) {
      uint64_t v;
      [[maybe_unused]] ssize_t n = ::read(wakeFd_, &v, sizeof v);
    }
    if (lost) continue;

    uint32_t mask = 0;
    const short rev = fds[1].revents;
    if (rev & (POLLHUP | POLLERR | POLLNVAL)) {
      lost = true;
      mask |= EV_ERR;
    }
    uint32_t inQ = 0, outQ = 0;
    if (sys_.QueueCounts(portHandle_, inQ, outQ) != 0) inQ = outQ = 0;
    if (rev & POLLIN) mask |= EV_RXCHAR;
    if (stalled && reads_ != stalledReads) stalled = false;  // someone read
    if (stalled) {
      if (inQ < stalledCount)
        stalled = false;
      else if (inQ > stalledCount)
        mask |= EV_RXCHAR;
      stalledCount = inQ;
    }
    if (lost && inQ > 0) mask |= EV_RXCHAR;
    if (txWatch && outQ == 0) {
      txPending_ = false;
      mask |= EV_TXEMPTY;
    }
    if (watchLines) {
      int lines = 0;
      if (sys_.GetModemLines(portHandle_, lines) == 0) {
        int changed = lines ^ lastLines;
        if (changed & kModemCts) mask |= EV_CTS;
        if (changed & kModemDsr) mask |= EV_DSR;
        if (changed & kModemCd) mask |= EV_RLSD;
        if (changed & lines & kModemRing) mask |= EV_RING;
        lastLines = lines;
      }
      CommErrorCounts c;
      if (haveCounts && sys_.ErrorCounts(portHandle_, c) == 0) {
        if (c.brk != lastErrors.brk) mask |= EV_BREAK;
        if (c.frame != lastErrors.frame || c.overrun != lastErrors.overrun ||
            c.parity != lastErrors.parity || c.bufOverrun != lastErrors.bufOverrun)
          mask |= EV_ERR;
        lastErrors = c;
      }
    }
    mask &= eventMask_;
    if (mask == 0) continue;
    const uint64_t readsBefore = reads_;
    if (!Synchronize(mask)) break;
    if ((mask & EV_RXCHAR) && !lost && reads_ == readsBefore) {
      // Nobody read: the bytes would keep poll ready. Watch their
      // count instead until someone reads or more arrive.
      stalled = true;
      stalledCount = inQ;  // bytes that came meanwhile count as new
      stalledReads = readsBefore;
    }
  }
  // No purge here: the loop only ends by Close, and bytes already
  // written must still go out.
}

bool TCommEventThread::Synchronize(uint32_t mask) {
  auto h = std::make_shared<HandOver>();
  {
    std::lock_guard<std::mutex> lk(mutex_);
    if (stop_) return false;
    pending_ = h;
  }
  dispatcher_.Post([this, h, mask] {
    {
      std::lock_guard<std::mutex> lk(h->m);
      if (h->cancelled) return;
    }
    // Not cancelled: the thread waits for us, so it still exists.
    DoEvent(mask);
    std::lock_guard<std::mutex> lk(h->m);
    h->done = true;
    h->cv.notify_all();
  });
  std::unique_lock<std::mutex> lk(h->m);
  h->cv.wait(lk, [&] { return h->done || h->cancelled; });
  bool ok = !h->cancelled;
  lk.unlock();
  std::lock_guard<std::mutex> g(mutex_);
  if (pending_ == h) pending_.reset();
  return ok && !stop_;
}

void TCommEventThread::DoEvent(uint32_t mask) {
  Handler h;
  {
    std::lock_guard<std::mutex> lk(mutex_);
    h = handler_;
  }
  if (h) h(this, mask);
}
