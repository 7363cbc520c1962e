// A control of the game window as plain data: the logic writes it, the renderer reads it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tq {

enum class ControlKind { Form, Frame, PictureBox, Image, Label, Line };
enum class TextAlign { Left, Center, Right };

// Colours are &H00BBGGRR values, blue in the high byte and red in the low one.
using Color = std::uint32_t;

struct Font {
  std::string face = "MS Sans Serif";
  double points = 8.25;
  bool bold = false;
};

struct Control {
  std::string name;
  int index = -1;  // position in its control array, -1 for a lone control
  ControlKind kind = ControlKind::Image;

  // Twips, relative to the parent's client area (15 twips to a pixel).
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = true;
  bool Enabled = true;
  std::string Caption;
  std::string Tag;
  Color ForeColor = 0x000000;
  Color BackColor = 0x000000;
  bool Transparent = false;  // labels: draw no background
  bool HasBorder = false;    // frames and picture boxes: a sunken or etched edge
  Font font;
  TextAlign Alignment = TextAlign::Left;
  bool WordWrap = false;
  // The picture as the game names it: a full path (GamePath & relative) or a layout picture.
  std::string Picture;
  bool Stretch = false;  // images: scale the picture to the control
  // Lines: end point relative to the parent, and the pen width in pixels.
  int X2 = 0, Y2 = 0, PenWidth = 1;

  Control* Parent = nullptr;
  std::vector<Control*> Children;  // drawing order: later children lie above earlier ones

  // Adds a child above the existing ones.
  void Add(Control& child) {
    child.Parent = this;
    Children.push_back(&child);
  }
  // The control's rectangle in twips relative to the form's client area.
  int AbsLeft() const { return Left + (Parent ? Parent->AbsLeft() : 0); }
  int AbsTop() const { return Top + (Parent ? Parent->AbsTop() : 0); }
  // Shown on screen: itself and every container visible.
  bool Showing() const { return Visible && (!Parent || Parent->Showing()); }
};

}  // namespace tq
