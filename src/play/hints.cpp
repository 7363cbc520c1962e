// A random hint on the message line.
#include "play/hints.h"

#include <string>

#include "game/game.h"
#include "game/hint_table.h"
#include "game/message_line.h"

namespace tq {

void ShowRandomHint(Game& g) {
  g.rnd.Randomize();
  const auto r = static_cast<int>(g.rnd.Draw(kHintCount));
  ShowMessage(g, MessageColor::White, std::string(HintText(r)));
}

}  // namespace tq
