// The real program started and ended from outside. SIGTERM and SIGINT end it as EXIT does, at
// any moment of its life, start-up included; it exits with status 0 and the sanitizers of a
// sanitized build find nothing on the way out.
#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "kit/headless_game.h"

namespace tq {
namespace {

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
  kit::TempFolder logs;
  const std::string program = std::string(TQ_GAME_DIR) + "/tarvoquest";
  const std::string log = (logs.path() / "stderr").string();
  // The signals wait until the program is running, or they could end the child before exec.
  sigset_t ending, before;
  sigemptyset(&ending);
  sigaddset(&ending, SIGTERM);
  sigaddset(&ending, SIGINT);
  pthread_sigmask(SIG_BLOCK, &ending, &before);
  const pid_t pid = fork();
  if (pid != 0) pthread_sigmask(SIG_SETMASK, &before, nullptr);
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    // SDL's dummy video driver draws nowhere and loads no graphics library (the offscreen one
    // loads EGL, which leaves allocations behind for the leak checker); the test environment
    // chose the dummy audio driver.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    // As from a terminal, whatever ran the tests: a background job ignores SIGINT, and a
    // program started with SIGINT ignored rightly keeps ignoring it.
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    if (!freopen(log.c_str(), "w", stderr)) _exit(126);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(GetParam().afterMs));
  ASSERT_EQ(kill(pid, GetParam().signal), 0);
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  pid_t ended = 0;
  while ((ended = waitpid(pid, &status, WNOHANG)) == 0 &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (ended == 0) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    FAIL() << "the program did not end within 30 s";
  }
  std::ostringstream said;
  said << std::ifstream(log).rdbuf();
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status) << "\n" << said.str();
  EXPECT_EQ(WEXITSTATUS(status), 0) << said.str();
  EXPECT_EQ(said.str().find("Sanitizer"), std::string::npos) << said.str();
  EXPECT_EQ(said.str().find("runtime error"), std::string::npos) << said.str();
}

INSTANTIATE_TEST_SUITE_P(AtAnyMoment, ProgramEnds,
                         ::testing::Values(Ending{SIGTERM, 0}, Ending{SIGINT, 0},
                                           Ending{SIGTERM, 150}, Ending{SIGTERM, 1500},
                                           Ending{SIGINT, 1500}),
                         Describe);

}  // namespace
}  // namespace tq
