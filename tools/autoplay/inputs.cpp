// Inputs and their written form.
#include "autoplay/inputs.h"

#include <vector>

#include "autoplay/text.h"

namespace tq::autoplay {
namespace {

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find(' ', pos);
    const std::size_t stop = end == std::string_view::npos ? text.size() : end;
    if (stop > pos) words.push_back(text.substr(pos, stop - pos));
    pos = stop + 1;
  }
  return words;
}

}  // namespace

Input KeyInput(int key) {
  Input in;
  in.kind = Input::Kind::Key;
  in.key = key;
  return in;
}

Input ClickInput(std::string control, int index) {
  Input in;
  in.kind = Input::Kind::Click;
  in.control = std::move(control);
  in.index = index;
  return in;
}

Input EndInput() {
  return Input{};
}

std::string InputText(const Input& in) {
  switch (in.kind) {
    case Input::Kind::Key:
      return Cat("key ", in.key);
    case Input::Kind::Click: {
      std::string text = "click ";
      text += in.control;
      if (in.index >= 0) {
        text += ' ';
        text += std::to_string(in.index);
      }
      return text;
    }
    case Input::Kind::End:
      break;
  }
  return "end";
}

std::optional<Input> ParseInput(std::string_view text) {
  const std::vector<std::string_view> w = Words(text);
  if (w.size() == 1 && w[0] == "end") return EndInput();
  if (w.size() == 2 && w[0] == "key") {
    const auto key = ParseWhole<int>(w[1]);
    if (!key || *key < 0 || *key > 255) return std::nullopt;
    return KeyInput(*key);
  }
  if ((w.size() == 2 || w.size() == 3) && w[0] == "click") {
    int index = -1;
    if (w.size() == 3) {
      const auto i = ParseWhole<int>(w[2]);
      if (!i || *i < 0) return std::nullopt;
      index = *i;
    }
    return ClickInput(std::string(w[1]), index);
  }
  return std::nullopt;
}

}  // namespace tq::autoplay
