// The one table that routes the window's events (timers, clicks, keys) to their procedures.
#pragma once

#include <string_view>

namespace tq {

class Game;
struct Control;

using TimerEvent = void (*)(Game&);
using ClickEvent = void (*)(Game&, int index);
using KeyEvent = void (*)(Game&, int keyCode);

// The procedure of each timer, by timer name; nullptr where none is built.
TimerEvent TimerEventFor(std::string_view timerName);
// The click procedure of a control (array controls receive their index), or nullptr.
ClickEvent ClickEventFor(std::string_view controlName);
// The key-down procedure of the control holding the focus, or nullptr.
KeyEvent KeyDownEventFor(std::string_view controlName);

// Hooks every timer of the window to its procedure.
void ConnectTimers(Game& g);

}  // namespace tq
