// Icons: item slots, status rows, map squares, toolbar buttons, rain and layout pictures.
#pragma once

#include <string_view>

#include "canvas.h"

namespace tq::art {

// The grey of the frames the small icons sit in.
inline constexpr uint32_t kFrameGrey = 0xc0c0c0;

// A small picture's layer outlined and laid on the frame grey.
Image OnFrameGrey(Image layer);
// An item drawn at scale s in the middle of a w x h picture on the frame grey.
Image ItemOnFrameGrey(std::string_view item, int w, int h, double s, int frame = 1,
                      bool glow = false);

Image ItemIcon(std::string_view name);    // Icons/PIECE0 .. TORCH2 (17 x 17)
Image StatusIcon(std::string_view name);  // heartPIC, HEADPIC, starPIC and blinks (15 x 15)
Image MapIcon(std::string_view name);     // icons/floor .. Ldun16 (17 x 17)
Image ToolbarIcon(std::string_view name, bool enabled);  // 32 x 32 with transparency
Image RainFrame(int k);                                  // 48 x 48 with transparency
Image LayoutPicture(std::string_view name);  // layout/*.bmp and the window icon and cursor

}  // namespace tq::art
