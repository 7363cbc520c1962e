// tq_autoplay: plays Tarvoquest from NEW through the window's own inputs on a manual clock, or
// replays a recorded game and checks it input by input. See docs/autoplay.md.
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "autoplay/command_line.h"
#include "autoplay/player.h"
#include "autoplay/replay.h"
#include "autoplay/session.h"
#include "platform/file_writes.h"
#include "platform/seq_file.h"

namespace {

using namespace tq::autoplay;

int CheckReplay(const CommandLine& cl) {
  Replay replay;
  if (auto error = ReadReplay(cl.replayFile, replay)) {
    std::cerr << *error << "\n";
    return 2;
  }
  const ReplayCheck check = RunReplay(cl.gameFolder, replay);
  std::cout << check.message << "\n";
  return check.same ? 0 : 1;
}

int Play(const CommandLine& cl) {
  std::string error;
  auto session = Session::Open(cl.gameFolder, *cl.seed, error);
  if (!session) {
    std::cerr << error << "\n";
    return 2;
  }
  PlayerOptions options;
  options.maxGameMs = cl.maxMinutes * 60 * 1000;
  options.until = cl.until;
  std::ostringstream log;
  Player player(*session, options, std::cout, cl.logFile.empty() ? nullptr : &log);
  const PlayResult result = player.Play();
  std::cout << result.lastLine << "\n";

  int status = result.success ? 0 : 1;
  if (!cl.logFile.empty()) {
    if (auto e = tq::WriteWholeFile(cl.logFile, log.str())) {
      std::cerr << *e << "\n";
      status = 2;
    }
  }
  if (!cl.recordFile.empty()) {
    if (auto e = WriteReplay(cl.recordFile, ReplayOf(*session, result.lastLine))) {
      std::cerr << *e << "\n";
      status = 2;
    }
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  CommandLine cl;
  if (auto error = ParseCommandLine(args, cl)) {
    std::cerr << "tq_autoplay: " << *error << "\n\n" << Usage();
    return 2;
  }
  return cl.seed ? Play(cl) : CheckReplay(cl);
}
