// The routing of every event the window receives. Each row names the control or timer and the
// procedure that handles it.
#include "shell/event_table.h"

#include <array>
#include <utility>

#include "game/game.h"
#include "play/ending.h"
#include "play/hurt_and_block.h"
#include "play/main_tick.h"
#include "play/rain.h"
#include "play/strike.h"
#include "play/sword_swing.h"
#include "rooms/keyboard.h"
#include "rooms/look_texts.h"
#include "rooms/map_panels.h"
#include "shell/load_game.h"
#include "shell/new_game.h"
#include "shell/start_up.h"
#include "shell/title_scroll.h"
#include "shell/toolbar_commands.h"

namespace tq {
namespace {

const std::pair<std::string_view, TimerEvent> kTimerEvents[] = {
    {"tmrANIMATE", tmrANIMATE_Timer}, {"tmrSHADOW", tmrSHADOW_Timer},
    {"tmrscroll", tmrscroll_Timer},   {"tmrBEGIN", tmrBEGIN_Timer},
    {"tmrPAUSE", tmrPAUSE_Timer},     {"timerMAP", timerMAP_Timer},
    {"tmrATTACK", tmrATTACK_Timer},   {"tmrBREAK", tmrBREAK_Timer},
    {"tmrGUYHIT", tmrGUYHIT_Timer},   {"tmrSHIELD", tmrSHIELD_Timer},
    {"tmrRAIN", tmrRAIN_Timer},       {"tmrEND", tmrEND_Timer},
};

const std::pair<std::string_view, ClickEvent> kClickEvents[] = {
    {"mnuNEW", mnuNEW_Click},           {"mnuLOAD", mnuLOAD_Click},   {"mnuSAVE", mnuSAVE_Click},
    {"mnuNUM", mnuNUM_Click},           {"mnuPAUSE", mnuPAUSE_Click}, {"mnuEXIT", mnuEXIT_Click},
    {"imgMAP1", imgMAP1_Click},         {"imgMAP2", imgMAP2_Click},   {"IMGgrid", IMGgrid_Click},
    {"imgRAIN", imgRAIN_Click},         {"imgSCRN", imgSCRN_Click},   {"imgTOOL", imgTOOL_Click},
    {"imgMONEYBAG", imgMONEYBAG_Click}, {"imgSHIRT", imgSHIRT_Click}, {"imgSWORD", imgSWORD_Click},
};

const std::pair<std::string_view, KeyEvent> kKeyEvents[] = {
    {"pic1", pic1_KeyDown},
};

template <typename T, std::size_t N>
T Find(const std::pair<std::string_view, T> (&table)[N], std::string_view name) {
  for (const auto& [key, fn] : table) {
    if (key == name) return fn;
  }
  return nullptr;
}

}  // namespace

TimerEvent TimerEventFor(std::string_view timerName) {
  return Find(kTimerEvents, timerName);
}
ClickEvent ClickEventFor(std::string_view controlName) {
  return Find(kClickEvents, controlName);
}
KeyEvent KeyDownEventFor(std::string_view controlName) {
  return Find(kKeyEvents, controlName);
}

void ConnectTimers(Game& g) {
  for (Timer* t : g.scheduler.timers()) {
    if (TimerEvent fn = TimerEventFor(t->name())) {
      t->onTimer = [&g, fn] { fn(g); };
    }
  }
}

}  // namespace tq
