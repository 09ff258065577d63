// A flooding peer against a reader that hands bytes to a slower consumer
// through the backlog, as the window does.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <thread>

#include "links/LoopbackServer.h"
#include "links/TCPIPClientThread.h"
#include "links/TcpBacklog.h"

namespace {

constexpr size_t kLimit = 16 * 1024;

// The worker's side: read, wait for room, queue for the consumer.
struct HandOver {
    TTCPIPClientThread* thread = nullptr;
    TcpBacklog backlog{kLimit};
    std::mutex m;
    std::deque<std::string> queued;
    std::atomic<size_t> queuedBytes{0};
    std::atomic<size_t> mostQueued{0};

    static void OnRead(void* ctx) {
        auto* h = static_cast<HandOver*>(ctx);
        char buf[TTCPIPClientThread::kReceiveSize];
        const int n = h->thread->ReceiveData(buf);
        if (n <= 0 || !h->backlog.Reserve(size_t(n))) return;
        std::lock_guard<std::mutex> lk(h->m);
        h->queued.emplace_back(buf, size_t(n));
        const size_t now = h->queuedBytes += size_t(n);
        if (now > h->mostQueued) h->mostQueued = now;
    }
    // The consumer takes everything queued.
    size_t Drain() {
        std::deque<std::string> taken;
        {
            std::lock_guard<std::mutex> lk(m);
            taken.swap(queued);
        }
        size_t bytes = 0;
        for (const auto& s : taken) {
            bytes += s.size();
            queuedBytes -= s.size();
            backlog.Release(s.size());
        }
        return bytes;
    }
};

// Sends for the given time without waiting; the bytes the peer got rid of.
size_t Flood(const LoopbackServer& server, std::chrono::milliseconds time) {
    const std::string chunk(16 * 1024, 'F');
    size_t sent = 0;
    const auto end = std::chrono::steady_clock::now() + time;
    while (std::chrono::steady_clock::now() < end) {
        ssize_t n = ::send(server.peer, chunk.data(), chunk.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) sent += size_t(n);
        else std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return sent;
}

TEST(TcpBacklog, AFloodWaitsForTheConsumerAndNothingIsLost) {
    LoopbackServer server;
    TTCPIPClientThread thread(true);
    HandOver h;
    h.thread = &thread;
    thread.SetAddress("127.0.0.1");
    thread.SetPort(server.port);
    thread.SetOnRead(&HandOver::OnRead, &h);
    thread.Start();
    ASSERT_TRUE(server.Accept());

    // Nobody consumes: the queue stops at the limit (plus one read), the
    // rest stays in the sockets.
    const size_t sent = Flood(server, std::chrono::milliseconds(300));
    EXPECT_LE(h.mostQueued.load(), kLimit + TTCPIPClientThread::kReceiveSize);
    EXPECT_LT(h.queuedBytes.load(), sent);

    // Once the consumer takes its share, every byte arrives.
    size_t taken = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (taken < sent && std::chrono::steady_clock::now() < end) {
        taken += h.Drain();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(taken, sent);
    EXPECT_LE(h.mostQueued.load(), kLimit + TTCPIPClientThread::kReceiveSize);

    // Ending while the worker waits for room does not hang.
    Flood(server, std::chrono::milliseconds(100));
    h.backlog.End();
    thread.Disconnect();
    thread.WaitFor();
    EXPECT_FALSE(h.backlog.Reserve(1));
}

TEST(TcpBacklog, ASingleHandOverAlwaysFitsAnEmptyBacklog) {
    TcpBacklog backlog(8);
    EXPECT_TRUE(backlog.Reserve(100));
    EXPECT_EQ(backlog.Pending(), 100u);
    backlog.Release(100);
    EXPECT_TRUE(backlog.Reserve(8));
    backlog.Release(50);  // more than was pending: nothing goes below empty
    EXPECT_EQ(backlog.Pending(), 0u);
}

}  // namespace
