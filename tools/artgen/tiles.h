// Tiles: the 50 x 58 view pictures, one per ground and tag, and their break frames.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas.h"

namespace tq::art {

enum class Ground { Grass, Dirt, Wood, Snow };
inline constexpr Ground kGrounds[] = {Ground::Grass, Ground::Dirt, Ground::Wood, Ground::Snow};
const char* GroundName(Ground g);

constexpr int kTileW = 50;
constexpr int kTileH = 58;
constexpr int kTileRepeatH = 56;  // rows of cells overlap by two pixels

// The floor of a ground type; it repeats seamlessly in both directions.
Image PaintGround(Ground g);

// The object standing on a tile, on a transparent layer (no ground); empty for plain floor.
// frame 1 is the still picture, 2 the second frame of animated tiles, 20 the water glint.
Image ObjectLayer(Ground g, std::string_view tag, int frame);

// The finished tile: ground, contact shadow, outlined object.
Image PaintTile(Ground g, std::string_view tag, int frame = 1);
// An object painted on a layer, finished the same way: laid with its shadow and outline.
Image LayOnGround(Ground g, Image l);
// Break frame 1..4 of a struck object: most shatter into blocks, a chest springs its lid.
Image PaintStruck(Ground g, std::string_view tag, int frame);
// The slash of the sword across a struck figure (its layer), drawn on the finished picture;
// `strength` 1 is the blow itself, less a fading trace of it.
void StrikeSlash(Image& img, const Image& figure, double strength);
// The chest as its lid springs open under the blow, frames 1..4, on a layer (furniture.cpp).
Image OpeningChest(int frame);

// Tile tags drawn on every ground, and which of them have a second frame or break frames.
const std::vector<std::string>& TileTags();
bool IsAnimatedTile(std::string_view tag);
const std::vector<std::string>& BreakableTags();

// An object that stands on a tile: its tag and its painter, which draws it on the empty layer
// for a ground and a frame. Each family of objects keeps a table of them in its own file, and
// ObjectLayer looks the tag up in every family.
struct TileObject {
  std::string_view tag;
  std::function<void(Image& l, Ground g, int frame)> paint;
};
const std::vector<TileObject>& NatureTiles();     // nature.cpp
const std::vector<TileObject>& WaterTiles();      // water.cpp
const std::vector<TileObject>& WallTiles();       // walls.cpp
const std::vector<TileObject>& PassageTiles();    // passages.cpp
const std::vector<TileObject>& FurnitureTiles();  // furniture.cpp
const std::vector<TileObject>& ItemTiles();       // item_tiles.cpp
const std::vector<TileObject>& PeopleTiles();     // people.cpp

// Objects whose layer covers the whole cell (water, walls): no contact shadow or outline.
bool IsFullCover(std::string_view tag);

}  // namespace tq::art
