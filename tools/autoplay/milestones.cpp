// Milestones.
#include "autoplay/milestones.h"

#include <algorithm>
#include <cctype>

#include "autoplay/place.h"
#include "autoplay/text.h"
#include "game/game.h"

namespace tq::autoplay {
namespace {

constexpr const char* kItemNames[10] = {"",
                                        "the SHIELD",
                                        "the TORCH",
                                        "the CRYSTAL BALL",
                                        "the GLOVE",
                                        "the FISH BOOK",
                                        "the golden key",
                                        "the red key",
                                        "the purple key",
                                        "the HERO MEDAL"};

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string Where(const Game& g) {
  return CellText(PlaceOf(g));
}

}  // namespace

bool EndPictureShows(const Game& g) {
  const std::string picture = Lower(g.Image2.Picture);
  const std::string end = "icons/tqend1.bmp";
  return g.picSTART.Visible && !g.tmrEND.Enabled() && picture.size() >= end.size() &&
         picture.compare(picture.size() - end.size(), end.size(), end) == 0;
}

Milestones::Seen Milestones::Look(const Game& g) {
  Seen s;
  s.gold = g.Gold.num();
  s.maxLife = g.MaxLife.num();
  s.maxStrength = g.MaxStrength.num();
  s.pieces = g.SwordPieces.num();
  s.swordKind = g.SwordKind.num();
  s.stage = g.QuestStage.num();
  s.life = g.Life.num();
  for (std::size_t i = 0; i < s.items.size(); ++i) s.items[i] = g.imgTOOL[i].Visible;
  s.bag = g.imgMONEYBAG.Visible;
  s.shirt = g.HasMagicShirt == 1;
  s.ending = g.tmrEND.Enabled();
  s.endShown = EndPictureShows(g);
  return s;
}

void Milestones::Rebase(const Game& g) {
  last_ = Look(g);
  started_ = true;
}

std::vector<std::string> Milestones::Observe(const Game& g) {
  std::vector<std::string> lines;
  const Seen now = Look(g);
  if (!started_) {
    Rebase(g);
    return lines;
  }
  if (now.gold > last_.gold) gathered_ += now.gold - last_.gold;
  if (gathered_ >= nextGoldMark_) {
    lines.push_back(Cat("gathered ", gathered_, " gold, ", now.gold, " in the purse"));
    while (nextGoldMark_ <= gathered_) nextGoldMark_ += kGoldMark;
  }
  const std::string purse = Cat(" (", now.gold, " gold left)");
  if (now.bag && !last_.bag) lines.push_back(Cat("got the MAGIC BAG in ", Where(g), purse));
  for (std::size_t i = 1; i < now.items.size(); ++i) {
    if (now.items[i] && !last_.items[i]) {
      lines.push_back(Cat("got ", kItemNames[i], " in ", Where(g), purse));
    }
  }
  if (now.maxLife > last_.maxLife) {
    lines.push_back(Cat("symbol of life in ", Where(g), ": life ", now.maxLife));
  }
  if (now.maxStrength > last_.maxStrength) {
    lines.push_back(Cat("symbol of strength in ", Where(g), ": strength ", now.maxStrength));
  }
  if (now.shirt && !last_.shirt) lines.push_back(Cat("got the MAGIC SHIRT in ", Where(g)));
  if (now.pieces > last_.pieces) {
    lines.push_back(Cat("sword piece ", now.pieces, " of 3 in ", Where(g)));
  }
  if (now.swordKind == 2 && last_.swordKind != 2) lines.push_back("the SHADOW SWORD is whole");
  if (now.stage >= 1 && last_.stage < 1) lines.push_back("the SHADOW BOSS is dead");
  if (now.ending && !last_.ending) lines.push_back("VEV is defeated: the ending plays");
  if (now.endShown && !last_.endShown) lines.push_back("the end picture shows");
  if (now.life <= 0 && last_.life > 0) lines.push_back(Cat("died in ", Where(g)));
  last_ = now;
  return lines;
}

}  // namespace tq::autoplay
