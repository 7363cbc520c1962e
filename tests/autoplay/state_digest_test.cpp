// The state digest: every part of the window it claims to cover moves its own hash and no other,
// and the folder a game is played in does not count.
#include "autoplay/state_digest.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "kit/headless_game.h"

namespace tq::autoplay {
namespace {

struct Scene {
  Game& g;
  std::string roomFile = "\"FLOOR\"";
  std::string sounds;
  StateDigest Take() const { return TakeDigest(g, roomFile, sounds); }
};

TEST(StateDigest, EachPartOfTheGameMovesItsOwnHashOnly) {
  kit::HeadlessGame h;
  Scene scene{h.game(), "\"FLOOR\"", ""};
  const struct Case {
    const char* name;
    DigestPart part;
    std::function<void(Scene&)> change;
  } cases[] = {
      {"a variable", DigestPart::Variables, [](Scene& s) { s.g.IdleTicks = 3; }},
      {"a variable's kind", DigestPart::Variables, [](Scene& s) { s.g.IdleTicks = "3"; }},
      {"a random draw", DigestPart::Variables, [](Scene& s) { s.g.rnd.Draw(10); }},
      {"a view tag", DigestPart::View, [](Scene& s) { s.g.IMGgrid[7].Tag = "CHEST"; }},
      {"a view picture", DigestPart::View,
       [](Scene& s) { s.g.IMGgrid[12].Picture = s.g.GamePath + "Pics/GRASSWALK2.bmp"; }},
      {"an item", DigestPart::Items, [](Scene& s) { s.g.imgTOOL[6].Visible = true; }},
      {"the money bag", DigestPart::Items, [](Scene& s) { s.g.imgMONEYBAG.Visible = true; }},
      {"a timer", DigestPart::Controls, [](Scene& s) { s.g.tmrRAIN.setEnabled(true); }},
      {"a timer's interval", DigestPart::Controls, [](Scene& s) { s.g.tmrATTACK.setInterval(75); }},
      {"a toolbar button", DigestPart::Controls, [](Scene& s) { s.g.mnuSAVE.Enabled = true; }},
      {"the pause flag", DigestPart::Controls, [](Scene& s) { s.g.mnuPAUSE.Tag = "Unpause"; }},
      {"the focus", DigestPart::Controls, [](Scene& s) { s.g.focus = &s.g.IMGgrid[3]; }},
      {"a number", DigestPart::Status, [](Scene& s) { s.g.lblHP[0].Caption = "12"; }},
      {"a bar", DigestPart::Status, [](Scene& s) { s.g.imgBAR[1].Left = -71; }},
      {"the rain", DigestPart::Status, [](Scene& s) { s.g.imgRAIN[4].Visible = true; }},
      {"the message", DigestPart::Message, [](Scene& s) { s.g.lblMESSAGE.Caption = "Hi"; }},
      {"its colour", DigestPart::Message, [](Scene& s) { s.g.lblMESSAGE.ForeColor = 0xFF; }},
      {"a map square", DigestPart::Map, [](Scene& s) { s.g.imgMAP[44].Visible = true; }},
      {"a map icon", DigestPart::Map, [](Scene& s) { s.g.imgMAP[150].Tag = "dun3"; }},
      {"the room's file", DigestPart::File, [](Scene& s) { s.roomFile = "\"COIN\""; }},
      {"a sound", DigestPart::Sound, [](Scene& s) { s.sounds = "1 play sounds/coin.wav;"; }},
  };
  StateDigest before = scene.Take();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.change(scene);
    const StateDigest after = scene.Take();
    for (std::size_t p = 0; p < kDigestParts; ++p) {
      const bool moved = after.parts[p] != before.parts[p];
      EXPECT_EQ(moved, p == static_cast<std::size_t>(c.part))
          << PartName(static_cast<DigestPart>(p));
    }
    before = after;
  }
}

TEST(StateDigest, ReadsBackFromItsTextAndIgnoresTheGamesFolder) {
  kit::HeadlessGame one, two;
  ASSERT_NE(one->GamePath, two->GamePath);
  for (kit::HeadlessGame* h : {&one, &two}) {
    (*h)->RoomNumber = 45;
    (*h)->HeroRow = 8;
    (*h)->Gold = 37;
    (*h)->IMGgrid[12].Picture = (*h)->GamePath + "Pics/GRASSWALK1.bmp";
  }
  const StateDigest a = TakeDigest(one.game(), "bytes", "");
  EXPECT_EQ(a, TakeDigest(two.game(), "bytes", ""));

  const std::string text = DigestText(a);
  EXPECT_EQ(text.substr(0, 33), "room=45 at=8,6 gold=37 life=10 va");
  EXPECT_EQ(ParseDigest(text), a);
  EXPECT_FALSE(ParseDigest(text + " extra=1"));
  EXPECT_FALSE(ParseDigest("room=45"));

  StateDigest b = a;
  b.room = 46;
  b.parts[static_cast<std::size_t>(DigestPart::View)] ^= 1;
  // After a digest only the parts that changed are written, and read back from it.
  const std::string after = DigestText(b, &a);
  EXPECT_EQ(after.find(" vars="), std::string::npos) << after;
  EXPECT_NE(after.find(" view="), std::string::npos) << after;
  EXPECT_EQ(ParseDigest(after, &a), b);
  EXPECT_FALSE(ParseDigest(after));
  EXPECT_EQ(DescribeDifference(a, b),
            "expected room 45 (8,6) gold 37 life 10, played room 46 (8,6) gold 37 life 10; "
            "differs in view");
}

}  // namespace
}  // namespace tq::autoplay
