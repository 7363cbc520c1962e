// Starting, watching and ending a measured program through fork, exec and /proc.
#include "process_probe.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace tq::measure {

Process::Process(const std::vector<std::string>& argv, const std::string& folder,
                 const std::vector<std::string>& env, const std::string& log) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  started_ = std::chrono::steady_clock::now();
  pid_ = fork();
  if (pid_ == 0) {
    if (chdir(folder.c_str()) != 0) _exit(127);
    // Started as from a terminal, whatever this program was started from: a shell's background
    // job ignores SIGINT, and a program started with SIGINT ignored keeps ignoring it.
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
    const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd >= 0) {
      dup2(fd, 2);
      dup2(fd, 1);
      close(fd);
    }
    execv(args[0], args.data());
    _exit(127);
  }
}

Process::~Process() {
  if (pid_ > 0 && !ended_) WaitForEnd(0);
}

double Process::AgeMs() const {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started_)
      .count();
}

double Process::CpuSeconds() const {
  std::ifstream f("/proc/" + std::to_string(pid_) + "/stat");
  std::string all((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  // The command name may hold blanks; the fields after it are plain numbers.
  const auto close = all.rfind(')');
  if (close == std::string::npos) return 0;
  std::istringstream rest(all.substr(close + 2));
  std::string field;
  long long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && rest >> field; ++i) {
    if (i == 14) utime = std::atoll(field.c_str());
    if (i == 15) stime = std::atoll(field.c_str());
  }
  return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double Process::RssMb() const {
  std::ifstream f("/proc/" + std::to_string(pid_) + "/status");
  std::string line;
  while (std::getline(f, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
  }
  return 0;
}

void Process::Signal(int sig) const {
  if (pid_ > 0 && !ended_) kill(pid_, sig);
}

std::string Process::WaitForEnd(int timeoutMs) {
  if (ended_) return "ended";
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  int status = 0;
  for (;;) {
    const pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == pid_) break;
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      ended_ = true;
      return "still running";
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ended_ = true;
  if (WIFEXITED(status)) return "exit " + std::to_string(WEXITSTATUS(status));
  return "signal " + std::to_string(WTERMSIG(status));
}

}  // namespace tq::measure
