// The real program started and ended from outside, each run in a game folder of its own.
// SIGTERM and SIGINT end it as EXIT does, at any moment of its life, start-up included; it exits
// with status 0 and the sanitizers of a sanitized build find nothing on the way out. A second
// copy started on the folder of a running one touches nothing, says why and ends.
#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "app/app_folder.h"
#include "kit/file_bytes.h"
#include "kit/headless_game.h"
#include "kit/write_faults.h"

namespace tq {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A game folder with the real program in it (a hard link to the built one, or a copy), which
// the program takes for its own folder.
class ProgramFolder : public test::AppFolder {
 public:
  ProgramFolder() {
    const fs::path built = fs::path(TQ_GAME_DIR) / "tarvoquest";
    std::error_code ec;
    fs::create_hard_link(built, program(), ec);
    if (ec) fs::copy_file(built, program());
  }
  fs::path program() const { return path() / "tarvoquest"; }
  fs::path files() const { return path() / "Files"; }
};

// Starts the program headless with its stderr going to `log`.
pid_t Start(const fs::path& program, const fs::path& log) {
  // The signals wait until the program is running, or they could end the child before exec.
  sigset_t ending, before;
  sigemptyset(&ending);
  sigaddset(&ending, SIGTERM);
  sigaddset(&ending, SIGINT);
  pthread_sigmask(SIG_BLOCK, &ending, &before);
  const pid_t pid = fork();
  if (pid != 0) {
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    return pid;
  }
  // SDL's dummy video driver draws nowhere and loads no graphics library (the offscreen one
  // loads EGL, which leaves allocations behind for the leak checker); the test environment
  // chose the dummy audio driver. With no display named, no message box can be shown either.
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  // As from a terminal, whatever ran the tests: a background job ignores SIGINT, and a
  // program started with SIGINT ignored rightly keeps ignoring it.
  signal(SIGINT, SIG_DFL);
  signal(SIGTERM, SIG_DFL);
  if (!freopen(log.c_str(), "w", stderr)) _exit(126);
  execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
  _exit(127);
}

// Waits up to 30 s for the program to end; false (after killing it) when it did not.
bool Ended(pid_t pid, int& status) {
  const auto deadline = Clock::now() + std::chrono::seconds(30);
  pid_t ended = 0;
  while ((ended = waitpid(pid, &status, WNOHANG)) == 0 && Clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (ended != 0) return true;
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  return false;
}

// Waits up to 30 s until some process holds a flock on `file`, as the system's list of locks
// shows it (a test that took the lock itself to see would race the program for it).
bool Locked(const fs::path& file) {
  const auto deadline = Clock::now() + std::chrono::seconds(30);
  while (Clock::now() < deadline) {
    struct stat st {};
    if (stat(file.c_str(), &st) == 0) {
      std::ifstream locks("/proc/locks");
      // Built in two steps: GCC 12 sees a false overlap in ":" + to_string(...) once optimised.
      std::string inode = ":";
      inode += std::to_string(st.st_ino);
      for (std::string line; std::getline(locks, line);) {
        std::istringstream in(line);
        std::string id, kind, advisory, mode, owner, device;
        in >> id >> kind >> advisory >> mode >> owner >> device;
        if (kind == "FLOCK" && device.ends_with(inode)) return true;
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

// Ends a running program as a desktop does and expects it to go with status 0, clean.
void EndsCleanly(pid_t pid, int signal, const fs::path& log) {
  ASSERT_EQ(kill(pid, signal), 0);
  int status = 0;
  const bool ended = Ended(pid, status);
  const std::string said = kit::Slurp(log);
  ASSERT_TRUE(ended) << "the program did not end within 30 s";
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status) << "\n" << said;
  EXPECT_EQ(WEXITSTATUS(status), 0) << said;
  EXPECT_EQ(said.find("Sanitizer"), std::string::npos) << said;
  EXPECT_EQ(said.find("runtime error"), std::string::npos) << said;
}

struct Ending {
  int signal;
  int afterMs;
};

std::string Describe(const ::testing::TestParamInfo<Ending>& info) {
  return std::string(info.param.signal == SIGTERM ? "Sigterm" : "Sigint") + "After" +
         std::to_string(info.param.afterMs) + "ms";
}

class ProgramEnds : public ::testing::TestWithParam<Ending> {};

TEST_P(ProgramEnds, WithStatusZero) {
  ProgramFolder game;
  kit::TempFolder logs;
  const fs::path log = logs.path() / "stderr";
  const pid_t pid = Start(game.program(), log);
  ASSERT_GE(pid, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(GetParam().afterMs));
  EndsCleanly(pid, GetParam().signal, log);
}

INSTANTIATE_TEST_SUITE_P(AtAnyMoment, ProgramEnds,
                         ::testing::Values(Ending{SIGTERM, 0}, Ending{SIGINT, 0},
                                           Ending{SIGTERM, 150}, Ending{SIGTERM, 1500},
                                           Ending{SIGINT, 1500}),
                         Describe);

TEST(OneGamePerFolder, ASecondCopyTouchesNothingSaysWhyAndEnds) {
  ProgramFolder game;
  kit::TempFolder logs;
  // A write cut short, which a start-up on the folder cleans up.
  const auto halfWritten = [&] {
    fs::create_directories(game.files() / ".tq-writing");
    kit::Spit(game.files() / ".tq-writing" / ".tq-group", "GAMEFILE\nMAPFILE\n");
    kit::Spit(game.files() / ".tq-writing" / "GAMEFILE", "half a sa");
  };
  halfWritten();
  const pid_t first = Start(game.program(), logs.path() / "first");
  ASSERT_GE(first, 0);
  ASSERT_TRUE(Locked(game.files() / ".tq-lock"));
  // Once the first copy's start-up has cleaned up, it is in the middle of a write of its own.
  const auto deadline = Clock::now() + std::chrono::seconds(30);
  while (fs::exists(game.files() / ".tq-writing") && Clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_FALSE(fs::exists(game.files() / ".tq-writing")) << "the first copy did not start up";
  halfWritten();
  const kit::FolderSnapshot firsts = kit::Snapshot(game.files());

  const pid_t second = Start(game.program(), logs.path() / "second");
  ASSERT_GE(second, 0);
  int status = 0;
  ASSERT_TRUE(Ended(second, status));
  const std::string said = kit::Slurp(logs.path() / "second");
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status) << "\n" << said;
  EXPECT_NE(WEXITSTATUS(status), 0);
  EXPECT_NE(said.find("Another copy of Tarvoquest is already playing in " + game.files().string() +
                      ". Only one copy at a time can use that folder"),
            std::string::npos)
      << said;
  EXPECT_TRUE(kit::Snapshot(game.files()) == firsts);

  // The first plays on and ends as ever; then the folder is free for the next copy.
  EndsCleanly(first, SIGTERM, logs.path() / "first");
  const pid_t next = Start(game.program(), logs.path() / "next");
  ASSERT_GE(next, 0);
  ASSERT_TRUE(Locked(game.files() / ".tq-lock"));
  EndsCleanly(next, SIGTERM, logs.path() / "next");
}

}  // namespace
}  // namespace tq
