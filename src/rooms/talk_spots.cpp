// Stage H of the hero's step: the words of a sign or a person's spot the hero stands on.
#include <string_view>

#include "game/game.h"
#include "game/message_line.h"
#include "rooms/move_hero_stages.h"

namespace tq {
namespace {

struct TalkSpot {
  std::string_view tag;
  std::string_view words;
};

constexpr TalkSpot kTalkSpots[] = {
    {"STONEMESS",
     "Behold the magical RUINSTONE! Its power is great but limited- once you step upon it it's "
     "power fades away."},
    {"TALK1",
     "Hi Tarvo! Remember that a SHIELD is a great thing to have out there- It can block enemy "
     "attacks sometimes."},
    {"TALK2",
     "Tarvo, it is very dark underground.. I suggest that you purchase a TORCH before you go into "
     "caves and it'll be much easier."},
    {"TALK3",
     "Hey Tarvo, I came here to try and enter the dungeon, but there's a wall around the cave and "
     "I can't get in. Oh well, back to my cooking."},
    {"TALK4",
     "The swamps are not places many come to, youngster. The zombies will eat you alive out "
     "here.. OUCH! .. Grrr! Or the mosquitoes!"},
};

}  // namespace

void ShowTalkSpot(Game& g, const HeroStep& s) {
  for (const TalkSpot& spot : kTalkSpots) {
    if (s.ViewGrid[12] != spot.tag) continue;
    ShowMessage(g, MessageColor::White, std::string(spot.words));
    g.Play(g.MM1, "sounds/squeak3.wav");
  }
}

}  // namespace tq
