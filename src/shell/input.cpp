// Hit testing over the control tree and delivery of clicks and keys.
#include "shell/input.h"

#include "game/game.h"
#include "shell/event_table.h"

namespace tq {
namespace {

bool Contains(const Control& c, int x, int y) {
  const int left = c.AbsLeft(), top = c.AbsTop();
  return x >= left && x < left + c.Width && y >= top && y < top + c.Height;
}

// Depth first from the top of the drawing order: the last child drawn is the first hit.
Control* Hit(Control& c, int x, int y) {
  if (!c.Visible || c.kind == ControlKind::Line) return nullptr;
  if (c.kind != ControlKind::Form && !Contains(c, x, y)) return nullptr;
  for (auto it = c.Children.rbegin(); it != c.Children.rend(); ++it) {
    if (Control* hit = Hit(**it, x, y)) return hit;
  }
  return &c;
}

}  // namespace

Control* ControlAt(Game& g, int xTwips, int yTwips) {
  return Hit(g.frmTQ, xTwips, yTwips);
}

bool Click(Game& g, Control& c) {
  if (!c.Showing() || !c.Enabled) return false;
  ClickEvent fn = ClickEventFor(c.name);
  if (!fn) return false;
  fn(g, c.index);
  return true;
}

Control* ClickAt(Game& g, int xTwips, int yTwips) {
  Control* c = ControlAt(g, xTwips, yTwips);
  if (!c) return nullptr;
  // A picture box takes the keyboard focus when clicked; the main tick hands it back to pic1.
  if (c->kind == ControlKind::PictureBox && c->Enabled && c->Showing()) g.focus = c;
  return Click(g, *c) ? c : nullptr;
}

void KeyDown(Game& g, int keyCode) {
  if (!g.focus) return;
  if (KeyEvent fn = KeyDownEventFor(g.focus->name)) fn(g, keyCode);
}

}  // namespace tq
