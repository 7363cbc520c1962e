// Hashes the drawn properties of the control tree.
#include "app/view_hash.h"

#include <functional>
#include <string>

#include "game/game.h"

namespace tq {
namespace {

void Mix(std::uint64_t& h, std::uint64_t v) {
  h = (h ^ v) * 0x100000001B3ull;
}

void HashControl(const Control& c, std::uint64_t& h) {
  Mix(h, c.Visible);
  if (!c.Visible) return;
  Mix(h, static_cast<std::uint64_t>(c.Left) << 32 | static_cast<std::uint32_t>(c.Top));
  Mix(h, static_cast<std::uint64_t>(c.Width) << 32 | static_cast<std::uint32_t>(c.Height));
  Mix(h, c.ForeColor);
  Mix(h, c.BackColor);
  Mix(h, std::hash<std::string>{}(c.Caption));
  Mix(h, std::hash<std::string>{}(c.Picture));
  for (const Control* child : c.Children) HashControl(*child, h);
}

}  // namespace

std::uint64_t ViewHash(const Game& g) {
  std::uint64_t h = 0xCBF29CE484222325ull;
  HashControl(g.frmTQ, h);
  Mix(h, std::hash<std::string>{}(g.GamePath));
  return h;
}

}  // namespace tq
