// The TCP link's inbox: what fits is kept in order, the rest dropped with
// the gap marked, one drain at a time; and a real link flooding it, whose
// worker never waits for a window that takes nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "links/TCPIPClientThread.h"
#include "links/TcpInbox.h"
#include "tests/links/loopback_server.h"

namespace {

TEST(TcpInbox, KeepsWhatFitsAndMarksTheGapOnce) {
  TcpInbox inbox(8);
  testing::internal::CaptureStderr();
  EXPECT_TRUE(inbox.Append("abcdef", 6));  // asks for a drain
  EXPECT_FALSE(inbox.Append("ghijk", 5));  // "gh" fits; a drain is pending
  EXPECT_FALSE(inbox.Append("lmn", 3));    // all dropped: still the same gap
  const std::string noted = testing::internal::GetCapturedStderr();
  EXPECT_NE(noted.find("dropped"), std::string::npos);
  EXPECT_EQ(noted.find('\n'), noted.size() - 1) << "noted once: " << noted;
  EXPECT_EQ(inbox.Size(), 8u);
  EXPECT_EQ(inbox.Dropped(), 6u);

  // After a drop nothing is kept until half is taken.
  TcpInbox::Slice s = inbox.Take(3);
  EXPECT_EQ(s.bytes, "abc");
  EXPECT_FALSE(s.gapBefore);
  EXPECT_FALSE(inbox.Append("o", 1));
  EXPECT_EQ(inbox.Size(), 5u);
  EXPECT_TRUE(inbox.FinishDrain());
  s = inbox.Take(1);
  EXPECT_EQ(s.bytes, "d");
  EXPECT_FALSE(inbox.Append("pq", 2));  // 4 held: half, kept again
  EXPECT_EQ(inbox.Size(), 6u);

  // Slices stop at the gap and the one after it says so.
  s = inbox.Take(100);
  EXPECT_EQ(s.bytes, "efgh");
  EXPECT_FALSE(s.gapBefore);
  s = inbox.Take(100);
  EXPECT_EQ(s.bytes, "pq");
  EXPECT_TRUE(s.gapBefore);
  EXPECT_FALSE(inbox.FinishDrain());
  EXPECT_EQ(inbox.MostHeld(), 8u);
}

TEST(TcpInbox, OneDrainAtATime) {
  TcpInbox inbox(64);
  EXPECT_TRUE(inbox.Append("a\n", 2));
  EXPECT_FALSE(inbox.Append("b\n", 2));
  EXPECT_EQ(inbox.Take(3).bytes, "a\nb");
  // More came while the slice was handled: the same drain goes on.
  EXPECT_FALSE(inbox.Append("c\n", 2));
  EXPECT_TRUE(inbox.FinishDrain());
  EXPECT_EQ(inbox.Take(64).bytes, "\nc\n");
  EXPECT_FALSE(inbox.FinishDrain());
  EXPECT_TRUE(inbox.Append("d", 1));  // a new drain
}

TEST(TcpInbox, AGapWithNothingAfterItStillReachesTheWindow) {
  TcpInbox inbox(4);
  inbox.Append("abcdef", 6);
  EXPECT_EQ(inbox.Take(10).bytes, "abcd");
  EXPECT_TRUE(inbox.FinishDrain());  // the gap is still to be told
  TcpInbox::Slice s = inbox.Take(10);
  EXPECT_TRUE(s.gapBefore);
  EXPECT_TRUE(s.bytes.empty());
  EXPECT_FALSE(inbox.FinishDrain());
}

// Appends and takes of every size across the ring's end: the bytes kept come
// out unchanged and in order, each run of drops marked where it happened.
TEST(TcpInbox, WhatIsKeptComesOutInOrder) {
  std::mt19937 random(7);
  TcpInbox inbox(1000);
  std::string expected;  // kept bytes, with '|' where a gap is
  std::string got;
  uint8_t next = 0;
  uint64_t dropped = 0;
  for (int round = 0; round < 5000; ++round) {
    const size_t n = random() % 700;
    std::string bytes;
    for (size_t i = 0; i < n; ++i) bytes.push_back(static_cast<char>('a' + next++ % 26));
    const size_t before = inbox.Size();
    const uint64_t droppedBefore = inbox.Dropped();
    inbox.Append(bytes.data(), bytes.size());
    const size_t kept = inbox.Size() - before;
    expected += bytes.substr(0, kept);
    if (inbox.Dropped() != droppedBefore && (expected.empty() || expected.back() != '|'))
      expected += '|';
    dropped += bytes.size() - kept;
    TcpInbox::Slice s = inbox.Take(random() % 900);
    if (s.gapBefore) got += '|';
    got += s.bytes;
  }
  for (;;) {
    TcpInbox::Slice s = inbox.Take(1000);
    if (s.gapBefore) got += '|';
    got += s.bytes;
    if (!inbox.FinishDrain()) break;
  }
  EXPECT_GT(dropped, 0u);
  EXPECT_EQ(inbox.Dropped(), dropped);
  EXPECT_LE(inbox.MostHeld(), 1000u);
  EXPECT_EQ(got, expected);
}

// A worker that only appends, as the window's OnRead does.
struct Flooded {
  TcpInbox inbox{16 * 1024};  // first: outlives the worker, which appends to it until joined
  TTCPIPClientThread thread{true};
  static void OnRead(void* context) {
    auto* f = static_cast<Flooded*>(context);
    char buffer[TTCPIPClientThread::kReceiveSize];
    const int n = f->thread.ReceiveData(buffer);
    if (n > 0) f->inbox.Append(buffer, static_cast<size_t>(n));
  }
};

TEST(TcpInbox, AFloodNobodyTakesNeitherHoldsUpTheLinkNorGrows) {
  LoopbackServer server;
  Flooded f;
  f.thread.SetAddress("127.0.0.1");
  f.thread.SetPort(server.port);
  f.thread.SetOnRead(&Flooded::OnRead, &f);
  f.thread.Start();
  ASSERT_TRUE(server.Accept());

  std::atomic<bool> stop{false};
  std::thread peer([&] {
    const std::string chunk(64 * 1024, 'F');
    while (!stop) {
      if (::send(server.peer, chunk.data(), chunk.size(), MSG_NOSIGNAL | MSG_DONTWAIT) < 0) {
        if (errno != EAGAIN) break;
        pollfd p{server.peer, POLLOUT, 0};
        ::poll(&p, 1, 10);
      }
    }
  });
  testing::internal::CaptureStderr();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (f.inbox.Dropped() < (1u << 20) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_GE(f.inbox.Dropped(), 1u << 20) << "the worker stopped reading";
  EXPECT_EQ(f.inbox.MostHeld(), 16u * 1024);

  const auto start = std::chrono::steady_clock::now();
  f.thread.Disconnect();
  f.thread.WaitFor();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
  stop = true;
  peer.join();
  testing::internal::GetCapturedStderr();
}

}  // namespace
