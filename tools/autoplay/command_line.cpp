// Reading tq_autoplay's arguments.
#include "autoplay/command_line.h"

#include "autoplay/player.h"
#include "autoplay/text.h"

namespace tq::autoplay {
std::string Usage() {
  return "usage: tq_autoplay GAME_FOLDER --seed N [--max-minutes M] [--until ITEM] [--log FILE]\n"
         "                   [--record FILE]\n"
         "       tq_autoplay GAME_FOLDER --replay FILE\n"
         "Plays a new game from NEW with the clock started at N seconds after midnight, printing\n"
         "its milestones and a last line, and exits 0 only on a win (or once the hero owns ITEM:\n"
         "" +
         ItemNames() +
         ").\n"
         "--record writes the game as a replay; --replay plays one again and fails at the first\n"
         "input whose state differs.\n";
}

std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args,
                                            CommandLine& out) {
  CommandLine cl;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool valued = a == "--seed" || a == "--replay" || a == "--max-minutes" || a == "--log" ||
                        a == "--record" || a == "--until";
    if (valued && i + 1 >= args.size()) return a + " needs a value";
    if (a == "--seed") {
      cl.seed = ParseWhole<std::int64_t>(args[++i]);
      if (!cl.seed) return "--seed takes a whole number, not \"" + args[i] + "\"";
    } else if (a == "--max-minutes") {
      const auto m = ParseWhole<std::int64_t>(args[++i]);
      if (!m || *m <= 0 || *m > 100000) {
        return "--max-minutes takes a whole number of minutes above 0, not \"" + args[i] + "\"";
      }
      cl.maxMinutes = *m;
    } else if (a == "--replay") {
      cl.replayFile = args[++i];
    } else if (a == "--log") {
      cl.logFile = args[++i];
    } else if (a == "--record") {
      cl.recordFile = args[++i];
    } else if (a == "--until") {
      cl.until = args[++i];
      if (!KnownItemName(cl.until)) {
        return "--until takes one of " + ItemNames() + ", not \"" + cl.until + "\"";
      }
    } else if (a.rfind("--", 0) == 0) {
      return "unknown option " + a;
    } else if (cl.gameFolder.empty()) {
      cl.gameFolder = a;
    } else {
      return "one game folder only; \"" + a + "\" is a second";
    }
  }
  if (cl.gameFolder.empty()) return "the game folder is missing";
  if (cl.seed.has_value() == !cl.replayFile.empty()) return "give either --seed or --replay";
  const bool playOptions = !cl.logFile.empty() || !cl.recordFile.empty() || !cl.until.empty();
  if (!cl.replayFile.empty() && playOptions) {
    return "--log, --record and --until go with --seed, not with --replay";
  }
  out = std::move(cl);
  return std::nullopt;
}

}  // namespace tq::autoplay
