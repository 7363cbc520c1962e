// A program started for measuring: its start time, CPU time over all its threads, resident
// memory and how it ended.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace tq::measure {

using SteadyTime = std::chrono::steady_clock::time_point;

class Process {
 public:
  // Starts `argv` in `folder` with `env` added to this program's environment; its stderr goes
  // to `log`.
  Process(const std::vector<std::string>& argv, const std::string& folder,
          const std::vector<std::string>& env, const std::string& log);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  pid_t pid() const { return pid_; }
  SteadyTime started() const { return started_; }
  // Milliseconds since the start.
  double AgeMs() const;
  // User and system time of every thread, living or ended, in seconds.
  double CpuSeconds() const;
  // Resident set in MB.
  double RssMb() const;
  void Signal(int sig) const;
  // Waits up to `timeoutMs` for the end; "exit 0", "signal 11" or "still running" (then killed).
  std::string WaitForEnd(int timeoutMs);

 private:
  pid_t pid_ = -1;
  bool ended_ = false;
  SteadyTime started_;
};

}  // namespace tq::measure
