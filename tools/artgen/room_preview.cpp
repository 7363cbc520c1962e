// Room preview: lays the tiles out 13 by 13 as the view lays out its cells.
#include "room_preview.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "monsters.h"
#include "tiles.h"

namespace tq::art {

Image RoomPreview(const std::string& roomFile) {
  std::ifstream in(roomFile);
  std::vector<std::string> items;
  std::string line;
  while (std::getline(in, line)) {
    line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    line.erase(std::remove(line.begin(), line.end(), '"'), line.end());
    items.push_back(line);
  }
  if (items.size() < 170) return Image();
  const int code = std::clamp(std::atoi(items[169].c_str()), 0, 3);
  const Ground g = kGrounds[code];
  Image out(13 * kTileW, 12 * kTileRepeatH + kTileH);
  for (int r = 0; r < 13; ++r)
    for (int c = 0; c < 13; ++c) {
      const std::string& tag = items[static_cast<size_t>(r * 13 + c)];
      const auto& kinds = MonsterKinds();
      const bool monster = std::find(kinds.begin(), kinds.end(), tag) != kinds.end();
      const Image tile = monster ? PaintMonster(g, tag, Facing::Front, 1) : PaintTile(g, tag);
      Composite(out, tile, c * kTileW, r * kTileRepeatH);
    }
  return out;
}

}  // namespace tq::art
