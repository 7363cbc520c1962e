// A short fingerprint of the whole game after an input: a hash for each part of the window
// (variables, view, items, toolbar and timers, status rows, message line, map, the current room's
// file, the sounds just played) and a few plain values a reader can follow the game by. Any rule
// that plays a game differently changes one of the hashes at the first input it touches.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tq {
class Game;
}

namespace tq::autoplay {

enum class DigestPart { Variables, View, Items, Controls, Status, Message, Map, File, Sound };
constexpr std::size_t kDigestParts = 9;
// The names the parts go by in a replay: "vars", "view", "items", ...
std::string_view PartName(DigestPart part);

struct StateDigest {
  int room = 0, row = 0, col = 0, gold = 0, life = 0;
  std::array<std::uint32_t, kDigestParts> parts{};

  bool operator==(const StateDigest&) const = default;
};

// The digest of the window now. `roomFile` is the current room's file as it lies on disk and
// `sounds` what the three channels were asked since the last digest. The game's folder is left
// out of every path, so the same game played in two folders has the same digests.
StateDigest TakeDigest(const Game& g, std::string_view roomFile, std::string_view sounds);

// "room=45 at=8,6 gold=12 life=10 vars=0a1b2c3d view=... sound=...". After a `previous` digest
// only the parts that changed are written; reading takes the others from `previous`.
std::string DigestText(const StateDigest& d, const StateDigest* previous = nullptr);
std::optional<StateDigest> ParseDigest(std::string_view text,
                                       const StateDigest* previous = nullptr);

// What differs, in a reader's words: "expected room 45 (8,6) gold 12 life 10, played room 46
// (2,6) gold 12 life 10; differs in vars, view, file".
std::string DescribeDifference(const StateDigest& expected, const StateDigest& played);

}  // namespace tq::autoplay
