// Writing, reading and checking replays.
#include "autoplay/replay.h"

#include "autoplay/text.h"
#include "autoplay/time_text.h"
#include "platform/file_writes.h"
#include "platform/seq_file.h"

namespace tq::autoplay {
namespace {

constexpr std::string_view kHeader = "tarvoquest replay 1";
// A whole winning game stays far below this; anything larger is not a replay.
constexpr std::size_t kMaxReplayBytes = 256u * 1024u * 1024u;

std::string Where(const std::string& name, int line) {
  return Cat(name, " line ", line, ": ");
}

}  // namespace

Replay ReplayOf(const Session& session, std::string result) {
  return {session.seed(), session.records(), std::move(result)};
}

std::string ReplayText(const Replay& replay) {
  std::string out(kHeader);
  out += Cat("\nseed ", replay.seed, "\n");
  const StateDigest* previous = nullptr;
  for (const InputRecord& r : replay.records) {
    out += Cat(r.atMs, " ", InputText(r.input), " = ", DigestText(r.after, previous), "\n");
    previous = &r.after;
  }
  if (!replay.result.empty()) out += "result " + replay.result + "\n";
  return out;
}

std::optional<std::string> ParseReplay(std::string_view text, const std::string& name,
                                       Replay& out) {
  Replay replay;
  bool header = false, seed = false;
  int lineNo = 0;
  std::int64_t lastMs = 0;
  while (!text.empty()) {
    const std::size_t nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (!header) {
      if (line != kHeader)
        return Where(name, lineNo) + "not a replay (expected \"tarvoquest replay 1\")";
      header = true;
      continue;
    }
    if (!seed) {
      const auto n =
          line.substr(0, 5) == "seed " ? ParseWhole<std::int64_t>(line.substr(5)) : std::nullopt;
      if (!n) return Where(name, lineNo) + "expected \"seed N\"";
      replay.seed = *n;
      seed = true;
      continue;
    }
    if (line.substr(0, 7) == "result ") {
      replay.result = std::string(line.substr(7));
      continue;
    }
    const std::size_t space = line.find(' ');
    const std::size_t eq = line.find(" = ");
    if (space == std::string_view::npos || eq == std::string_view::npos || eq < space) {
      return Where(name, lineNo) + "expected \"<ms> <input> = <digest>\"";
    }
    const auto ms = ParseWhole<std::int64_t>(line.substr(0, space));
    if (!ms || *ms < lastMs) return Where(name, lineNo) + "the time is missing or runs backwards";
    const auto input = ParseInput(line.substr(space + 1, eq - space - 1));
    if (!input) return Where(name, lineNo) + "unknown input";
    const auto digest = ParseDigest(
        line.substr(eq + 3), replay.records.empty() ? nullptr : &replay.records.back().after);
    if (!digest) return Where(name, lineNo) + "the digest is damaged";
    replay.records.push_back({*ms, *input, *digest});
    lastMs = *ms;
  }
  if (!seed) return name + " is not a whole replay: no seed line";
  if (replay.records.empty()) return name + " holds no inputs";
  out = std::move(replay);
  return std::nullopt;
}

std::optional<std::string> ReadReplay(const std::string& path, Replay& out) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec))
    return path + " is no replay: there is no such file";
  std::string text;
  if (auto error = ReadWholeFile(path, text, kMaxReplayBytes)) return *error;
  return ParseReplay(text, path, out);
}

std::optional<std::string> WriteReplay(const std::string& path, const Replay& replay) {
  return WriteWholeFile(path, ReplayText(replay));
}

ReplayCheck RunReplay(const std::filesystem::path& gameFolder, const Replay& replay) {
  ReplayCheck check;
  std::string error;
  std::unique_ptr<Session> session = Session::Open(gameFolder, replay.seed, error);
  if (!session) {
    check.message = error;
    return check;
  }
  const std::size_t count = replay.records.size();
  for (std::size_t i = 0; i < count; ++i) {
    const InputRecord& want = replay.records[i];
    session->WaitUntil(want.atMs);
    session->Give(want.input);
    check.inputsPlayed = i + 1;
    const StateDigest& got = session->records().back().after;
    if (got == want.after) continue;
    check.message =
        Cat("input ", i + 1, " of ", count, " (", InputText(want.input), " at ",
            PreciseClockText(want.atMs), ") differs: ", DescribeDifference(want.after, got));
    return check;
  }
  check.same = true;
  check.message = Cat("the same game: ", count, " inputs over ",
                      MinutesText(replay.records.back().atMs), " min");
  if (!replay.result.empty()) check.message += Cat(", ", replay.result);
  return check;
}

}  // namespace tq::autoplay
