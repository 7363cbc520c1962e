// Rainstorms over the overland: the storm's start, its countdown with the overlay, and its end.
#include "play/rain.h"

#include <string>

#include "game/game.h"
#include "game/message_line.h"

namespace tq {
namespace {

// The overlay runs through its three pictures 1, 2, 3, 2, 1, 3 as RainFrame goes 1..5, 0.
std::string RainFrameName(const Value& rainFrame) {
  static constexpr int kFrameOfStep[6] = {3, 1, 2, 3, 2, 1};
  const auto step = rainFrame.num();
  const int k = step >= 0 && step < 6 ? kFrameOfStep[step] : 3;
  return "icons/RAIN" + std::to_string(k) + ".ico";
}

}  // namespace

void StartRain(Game& g) {
  // No storm gathers while the player studies the map.
  if (g.fraMAP.Visible) return;
  // The overlay shows whatever frame it last held until the first rain tick sets its own.
  for (Control& drop : g.imgRAIN) drop.Visible = true;
  g.tmrRAIN.setEnabled(true);
  g.Play(g.MM3, "sounds/RAINTHUNDER.wav");
  g.RainTicks = (g.rnd.Draw(11) + 9) * 30;  // 30 to 60 seconds of 100 ms ticks
  ShowMessage(g, MessageColor::Silver, "A heavy rainstorm begins.");
}

void StopRain(Game& g) {
  g.RainTicks = 0;
  for (Control& drop : g.imgRAIN) drop.Visible = false;
  g.tmrRAIN.setEnabled(false);
  g.Play(g.MM3, "sounds/overland2.mid");
  g.Play(g.MM1, "sounds/wild.wav");
  ShowMessage(g, MessageColor::Silver, "The rains fade as the sun comes out once again.");
}

void tmrRAIN_Timer(Game& g) {
  // The pause blinker's counter skips a beat of the storm; off the overland the storm is held.
  if (g.UiTick == 1) return;
  if (g.RoomNumber >= 101) return;
  g.RainTicks -= 1;
  if (g.RainTicks <= 0) {
    g.RainTicks = 0;
    StopRain(g);
    return;
  }
  g.RainFrame += 1;
  if (g.RainFrame >= 6) g.RainFrame = 0;
  const std::string frame = g.GamePath + RainFrameName(g.RainFrame);
  for (Control& drop : g.imgRAIN) drop.Picture = frame;
}

}  // namespace tq
