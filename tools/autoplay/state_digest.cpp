// The state digest: each part written out in a fixed order and hashed.
#include "autoplay/state_digest.h"

#include <cstdio>
#include <map>

#include "autoplay/text.h"
#include "game/game.h"

namespace tq::autoplay {
namespace {

constexpr std::array<std::string_view, kDigestParts> kPartNames = {
    "vars", "view", "items", "controls", "status", "message", "map", "file", "sound"};

std::uint32_t Hash(std::string_view bytes) {
  std::uint32_t h = 2166136261u;
  for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

// Writes the values of one part, each ended so that no two sequences run together.
class PartText {
 public:
  explicit PartText(const std::string& gamePath) : gamePath_(gamePath) {}

  PartText& operator<<(const Value& v) {
    if (v.isEmpty()) out_ += "e";
    if (v.isNumber()) out_ += Cat("n", v.str());
    if (v.isText()) out_ += Cat("t", v.str().size(), ":", v.str());
    out_ += ';';
    return *this;
  }
  PartText& operator<<(std::string_view s) {
    out_ += Cat(s.size(), ":");
    out_ += s;
    out_ += ';';
    return *this;
  }
  PartText& operator<<(std::int64_t n) {
    out_ += std::to_string(n) + ";";
    return *this;
  }
  PartText& operator<<(bool b) {
    out_ += b ? "1;" : "0;";
    return *this;
  }
  // A picture or sound path without the game's folder in front.
  PartText& Path(std::string_view path) {
    if (path.substr(0, gamePath_.size()) == gamePath_) path.remove_prefix(gamePath_.size());
    return *this << path;
  }
  std::uint32_t hash() const { return Hash(out_); }

 private:
  const std::string& gamePath_;
  std::string out_;
};

std::uint32_t Variables(const Game& g) {
  PartText t(g.GamePath);
  // GamePath itself is the folder the game was played in, which differs from run to run.
  t << g.GroundType << g.Facing << g.ShieldItem << std::string_view(g.MonsterFacing) << g.UiTick
    << g.MapBlink << g.QuestStage << g.ExploredPct << g.RainFrame << g.RainTicks << g.HasMagicShirt
    << g.StreePass << g.HasMagicBag << g.SpareValue1 << g.SpareValue2 << std::int64_t{g.SpareValue3}
    << g.MenuTick << g.BonusMode << g.StrikePoints << g.Points << g.SwordPieces << g.TorchLit
    << g.DarkRoom << g.MaxLife << g.MaxStrength << g.EnterMode << g.MonsterCell << g.EnemyHP
    << g.EnemyMaxHP << g.AnimFrame << g.RoomNumber << g.HeroRow << g.HeroCol << g.TargetTile
    << g.InWater << g.Life << g.Strength << g.SwordKind << g.Gold << g.IdleTicks << g.ReturnRoom
    << g.ReturnRow << g.ReturnCol << std::int64_t{g.SwingWait};
  // The generator's state: a rule that draws once more shows here at once.
  t << std::int64_t{g.rnd.seed()};
  return t.hash();
}

std::uint32_t View(const Game& g) {
  PartText t(g.GamePath);
  for (const Control& cell : g.IMGgrid) t.Path(cell.Picture) << std::string_view(cell.Tag);
  return t.hash();
}

std::uint32_t Items(const Game& g) {
  PartText t(g.GamePath);
  for (const Control& slot : g.imgTOOL) t.Path(slot.Picture) << slot.Visible;
  t << g.imgMONEYBAG.Visible << g.imgSHIRT.Visible;
  t.Path(g.imgSWORD.Picture);
  return t.hash();
}

std::uint32_t Controls(const Game& g) {
  PartText t(g.GamePath);
  for (const Control* c : {&g.mnuNEW, &g.mnuLOAD, &g.mnuSAVE, &g.mnuNUM, &g.mnuPAUSE, &g.mnuEXIT,
                           &g.imgMAP1, &g.imgMAP2}) {
    t << c->Enabled << c->Visible << std::string_view(c->Tag);
    t.Path(c->Picture);
  }
  t << g.picSTART.Visible << g.picSCROLL.Visible << g.fraMAP.Visible << g.fraUNDERGROUND.Visible
    << g.LBLpause.Visible;
  t.Path(g.Image2.Picture);
  for (const Timer* timer : g.scheduler.timers()) {
    t << std::string_view(timer->name()) << timer->Enabled() << std::int64_t{timer->Interval()};
  }
  t << std::string_view(g.focus ? g.focus->name : "");
  return t.hash();
}

std::uint32_t Status(const Game& g) {
  PartText t(g.GamePath);
  for (std::size_t i = 0; i < g.lblHP.size(); ++i) {
    t << std::string_view(g.lblHP[i].Caption) << g.lblHP[i].Visible << g.Picture1[i].Visible
      << std::int64_t{g.imgBAR[i].Left};
  }
  for (const Control& icon : g.imgSCRN) t.Path(icon.Picture);
  for (const Control& drop : g.imgRAIN) t.Path(drop.Picture) << drop.Visible;
  t << std::string_view(g.lblROOM.Caption) << std::string_view(g.lblEXPLORE.Caption);
  return t.hash();
}

std::uint32_t Message(const Game& g) {
  PartText t(g.GamePath);
  t << std::string_view(g.lblMESSAGE.Caption) << std::int64_t{g.lblMESSAGE.ForeColor}
    << std::string_view(g.shadowmessage.Caption);
  return t.hash();
}

std::uint32_t Map(const Game& g) {
  PartText t(g.GamePath);
  for (const Control& square : g.imgMAP) t << std::string_view(square.Tag) << square.Visible;
  return t.hash();
}

// A part's hash: eight hexadecimal digits.
std::optional<std::uint32_t> Hex(std::string_view s) {
  if (s.size() != 8) return std::nullopt;
  return ParseWhole<std::uint32_t>(s, 16);
}

std::string Plain(const StateDigest& d) {
  return Cat("room ", d.room, " (", d.row, ",", d.col, ") gold ", d.gold, " life ", d.life);
}

}  // namespace

std::string_view PartName(DigestPart part) {
  return kPartNames[static_cast<std::size_t>(part)];
}

StateDigest TakeDigest(const Game& g, std::string_view roomFile, std::string_view sounds) {
  StateDigest d;
  auto n = [](const Value& v) { return static_cast<int>(v.num()); };
  d.room = n(g.RoomNumber);
  d.row = n(g.HeroRow);
  d.col = n(g.HeroCol);
  d.gold = n(g.Gold);
  d.life = n(g.Life);
  auto set = [&](DigestPart p, std::uint32_t h) { d.parts[static_cast<std::size_t>(p)] = h; };
  set(DigestPart::Variables, Variables(g));
  set(DigestPart::View, View(g));
  set(DigestPart::Items, Items(g));
  set(DigestPart::Controls, Controls(g));
  set(DigestPart::Status, Status(g));
  set(DigestPart::Message, Message(g));
  set(DigestPart::Map, Map(g));
  set(DigestPart::File, Hash(roomFile));
  set(DigestPart::Sound, Hash(sounds));
  return d;
}

std::string DigestText(const StateDigest& d, const StateDigest* previous) {
  std::string out =
      Cat("room=", d.room, " at=", d.row, ",", d.col, " gold=", d.gold, " life=", d.life);
  for (std::size_t i = 0; i < kDigestParts; ++i) {
    if (previous && previous->parts[i] == d.parts[i]) continue;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(d.parts[i]));
    out += Cat(" ", kPartNames[i], "=", hex);
  }
  return out;
}

std::optional<StateDigest> ParseDigest(std::string_view text, const StateDigest* previous) {
  std::map<std::string_view, std::string_view> fields;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find(' ', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view word = text.substr(pos, end - pos);
    pos = end + 1;
    if (word.empty()) continue;
    const std::size_t eq = word.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    if (!fields.emplace(word.substr(0, eq), word.substr(eq + 1)).second) return std::nullopt;
  }

  StateDigest d;
  std::size_t used = 0;
  auto whole = [&](std::string_view key, int& out) {
    const auto it = fields.find(key);
    if (it == fields.end()) return false;
    const auto v = ParseWhole<int>(it->second);
    if (v) out = *v;
    ++used;
    return v.has_value();
  };
  if (!whole("room", d.room) || !whole("gold", d.gold) || !whole("life", d.life)) {
    return std::nullopt;
  }
  const auto at = fields.find("at");
  if (at == fields.end()) return std::nullopt;
  ++used;
  const std::size_t comma = at->second.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const auto row = ParseWhole<int>(at->second.substr(0, comma));
  const auto col = ParseWhole<int>(at->second.substr(comma + 1));
  if (!row || !col) return std::nullopt;
  d.row = *row;
  d.col = *col;
  for (std::size_t i = 0; i < kDigestParts; ++i) {
    const auto it = fields.find(kPartNames[i]);
    if (it == fields.end()) {
      if (!previous) return std::nullopt;
      d.parts[i] = previous->parts[i];
      continue;
    }
    const auto h = Hex(it->second);
    if (!h) return std::nullopt;
    d.parts[i] = *h;
    ++used;
  }
  if (used != fields.size()) return std::nullopt;  // a field no digest has
  return d;
}

std::string DescribeDifference(const StateDigest& expected, const StateDigest& played) {
  std::string parts;
  for (std::size_t i = 0; i < kDigestParts; ++i) {
    if (expected.parts[i] == played.parts[i]) continue;
    parts += parts.empty() ? "" : ", ";
    parts += kPartNames[i];
  }
  std::string out = Cat("expected ", Plain(expected), ", played ", Plain(played));
  if (!parts.empty()) out += Cat("; differs in ", parts);
  return out;
}

}  // namespace tq::autoplay
