// The inputs a player gives the window (a key, a click on a control) and their written form.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tq::autoplay {

struct Input {
  enum class Kind { Key, Click, End };
  Kind kind = Kind::End;
  int key = 0;          // Key: the window's key code (32 space, 37..40 the arrows)
  std::string control;  // Click: the control's name
  int index = -1;       // Click: its place in a control array, -1 for a lone control

  bool operator==(const Input&) const = default;
};

Input KeyInput(int key);
Input ClickInput(std::string control, int index = -1);
// The end of a recorded game: no input, only the time let pass since the last one.
Input EndInput();

// "key 38", "click mnuNEW", "click IMGgrid 7", "end".
std::string InputText(const Input& in);
// The reverse; nothing when the text is none of these.
std::optional<Input> ParseInput(std::string_view text);

}  // namespace tq::autoplay
