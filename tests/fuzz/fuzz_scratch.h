#pragma once
// A scratch folder for one fuzzing run, named by the process and removed when
// the fuzzer exits. A finding ends the process without cleaning up, so the
// folders of runs that are gone are swept first.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/fuzz/fuzz_check.h"

struct FuzzScratchDir {
  std::string path;
  explicit FuzzScratchDir(const std::string& prefix) {
    const std::string parent = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(parent, ec)) {
      const std::string name = e.path().filename().string();
      if (!name.starts_with(prefix)) continue;
      const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
      if (pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
        std::filesystem::remove_all(e.path(), ec);
      }
    }
    path = parent + "/" + prefix + std::to_string(getpid());
    std::filesystem::remove_all(path, ec);
    FUZZ_CHECK(mkdir(path.c_str(), 0700) == 0);
  }
  ~FuzzScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};
