// Mouse and keyboard as the window delivers them: hit testing and dispatch to the event table.
#pragma once

namespace tq {

class Game;
struct Control;

// The top-most shown control under a point of the client area (in twips), or nullptr.
Control* ControlAt(Game& g, int xTwips, int yTwips);
// A click at a point: the control under it receives its click event if it is enabled; a picture
// box under it takes the keyboard focus.
// Returns the control that handled the click, or nullptr.
Control* ClickAt(Game& g, int xTwips, int yTwips);
// A click delivered to one control (used by the pointer and by tests).
bool Click(Game& g, Control& c);
// A key pressed: the control holding the focus receives its key-down event.
void KeyDown(Game& g, int keyCode);

}  // namespace tq
