// The map panels: the map button opens the map of the hero's area and pauses the game, the close
// button lets it run again, and the marker blinks on the hero's square while a map is open.
#include "rooms/map_panels.h"

#include <cstdint>
#include <string>

#include "game/game.h"
#include "game/message_line.h"

namespace tq {
namespace {

bool InUnderground(const Game& g) {
  return g.RoomNumber >= 301 && g.RoomNumber <= 400;
}

// The hero carries a map of the Black Woods and the caves below them, nothing more.
// GUARD: below room 1 (an empty room number from a damaged save) the marker's blink would read
// before the first map square, so the map is refused there too.
bool InMappedArea(const Game& g) {
  return g.RoomNumber >= 1 && g.RoomNumber <= 400;
}

std::string AreaName(const Game& g) {
  return InUnderground(g) ? "Underground" : "Black Woods";
}

}  // namespace

void imgMAP1_Click(Game& g, int /*index*/) {
  if (g.picSTART.Visible) return;
  SetMessageColor(g, MessageColor::White);
  if (!InMappedArea(g)) {
    g.lblMESSAGE.Caption =
        "You only have a MAP of the Black Woods and its Underground! Some areas are uncharted "
        "Tarvo!";
    g.Play(g.MM1, "sounds/NO.wav");
    return;
  }

  // From here on the game is paused: the main tick and the keys test this flag.
  g.mnuPAUSE.Enabled = false;
  g.mnuPAUSE.Tag = "Unpause";
  g.mnuEXIT.Enabled = false;
  g.mnuNUM.Enabled = false;

  const std::string area = AreaName(g);
  g.lblMESSAGE.Caption = "Tarvo opens the MAP of the " + area + ". The game is PAUSED.";
  g.Play(g.MM1, "sounds/squeak.wav");
  // The underground panel lies inside the overland one and covers it.
  if (area == "Underground") g.fraUNDERGROUND.Visible = true;
  g.fraMAP.Visible = true;
  g.timerMAP.setEnabled(true);
  g.mnuLOAD.Enabled = false;
  g.mnuSAVE.Enabled = false;
  g.mnuNEW.Enabled = false;
  g.imgMAP2.Visible = true;
}

void PutMapAway(Game& g) {
  g.imgMAP2.Visible = false;
  g.mnuLOAD.Enabled = false;
  g.mnuNUM.Enabled = true;
  g.mnuEXIT.Enabled = true;
  g.mnuSAVE.Enabled = true;
  g.mnuNEW.Enabled = false;
  // Closing always lets the game run, even when PAUSE had stopped it before the map was opened.
  g.UiTick = 0;
  g.LBLpause.Visible = false;
  g.timerMAP.setEnabled(false);
  g.mnuPAUSE.Tag = "Pause";
  g.fraMAP.Visible = false;
  g.fraUNDERGROUND.Visible = false;
  g.mnuPAUSE.Enabled = true;
}

void imgMAP2_Click(Game& g, int /*index*/) {
  if (g.picSTART.Visible) return;
  const std::string area = AreaName(g);
  PutMapAway(g);
  // GUARD: a storm on screen with its timer off was held by that pause; left off, its rain would
  // stay frozen on screen. It goes on with the game, as it does when PAUSE itself unpauses.
  if (g.RainTicks > 0 && !g.tmrRAIN.Enabled() && g.imgRAIN[0].Visible) g.tmrRAIN.setEnabled(true);
  ShowMessage(g, MessageColor::White,
              "Tarvo closes his MAP of the " + area + ". The game is UNPAUSED.");
  g.Play(g.MM1, "sounds/squeak2.wav");
}

void timerMAP_Timer(Game& g) {
  if (g.RoomNumber >= 401) {
    g.timerMAP.setEnabled(false);
    return;
  }
  g.MapBlink += 1;
  if (g.MapBlink >= 3) g.MapBlink = 1;

  Control& marker = InUnderground(g) ? g.imgTARVOUNDER : g.imgTARVOLOC;
  const std::int64_t square = g.RoomNumber.num() - (InUnderground(g) ? 201 : 1);
  // A room with no square of its own on this panel leaves the marker where it was.
  const std::int64_t first = InUnderground(g) ? 100 : 0;
  if (square >= first && square < first + 100) {
    const Control& cell = g.imgMAP[static_cast<std::size_t>(square)];
    marker.Top = cell.Top;
    marker.Left = cell.Left;
  }
  const bool shown = g.MapBlink == 1;
  g.imgTARVOLOC.Visible = shown;
  g.imgTARVOUNDER.Visible = shown;
}

}  // namespace tq
