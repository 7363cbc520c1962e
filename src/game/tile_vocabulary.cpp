// The tile vocabulary: every tag a room cell can hold, by group.
#include "game/tile_vocabulary.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tq {
namespace {

struct TagEntry {
  std::string_view tag;
  TileGroup group;
};

using G = TileGroup;

constexpr std::array<TagEntry, 125> kTags{{
    // Ground: the hero walks on these; the TALK tiles and STONEMESS have words.
    {"FLOOR", G::Ground},
    {"FLOWER1", G::Ground},
    {"FLOWER2", G::Ground},
    {"FLOWER3", G::Ground},
    {"FLOWER4", G::Ground},
    {"STONEMESS", G::Ground},
    {"TALK1", G::Ground},
    {"TALK2", G::Ground},
    {"TALK3", G::Ground},
    {"TALK4", G::Ground},
    // Items, picked up by walking onto them.
    {"COIN", G::Item},
    {"BAG", G::Item},
    {"GOLDBAG", G::Item},
    {"LIFEPOTION", G::Item},
    {"POWERPOTION", G::Item},
    {"APPLES", G::Item},
    {"BLUEBERRIES", G::Item},
    {"LIFESYMBOL", G::Item},
    {"POWERSYMBOL", G::Item},
    {"GOLDKEY", G::Item},
    {"REDKEY", G::Item},
    {"PURPLEKEY", G::Item},
    {"SHIRT", G::Item},
    {"SWORD1", G::Item},
    {"SWORD2", G::Item},
    {"SWORD3", G::Item},
    // Shop deeds, bought by stepping onto them.
    {"SHIELD", G::ShopDeed},
    {"TORCH", G::ShopDeed},
    {"BOOK", G::ShopDeed},
    {"POTION", G::ShopDeed},
    {"BADGE", G::ShopDeed},
    {"MEDAL", G::ShopDeed},
    {"MAGICBAG", G::ShopDeed},
    {"SWORD", G::ShopDeed},
    {"LIFE", G::ShopDeed},
    {"POWER", G::ShopDeed},
    {"FOOD", G::ShopDeed},
    // Exits to other rooms.
    {"EXIT", G::Exit},
    {"HOLE", G::Exit},
    {"HOLE2", G::Exit},
    {"HOLE3", G::Exit},
    {"HOLE5", G::Exit},
    {"RUINSTONE", G::Exit},
    {"RUINSTONESNOW", G::Exit},
    {"LADDERUP", G::Ladder},
    {"LADDERDOWN", G::Ladder},
    // Shop entrances, then the locked doors.
    {"DOOR", G::Door},
    {"DOOR2", G::Door},
    {"DOOR3", G::Door},
    {"DOOR4", G::Door},
    {"GOLDDOOR", G::Door},
    {"REDDOOR", G::Door},
    {"PURPLEDOOR", G::Door},
    // Water, the four currents among it.
    {"WATER", G::Water},
    {"NORTH", G::Water},
    {"SOUTH", G::Water},
    {"EAST", G::Water},
    {"WEST", G::Water},
    {"ULCORNER", G::Water},
    {"URCORNER", G::Water},
    {"LLCORNER", G::Water},
    {"LRCORNER", G::Water},
    {"WUL", G::Water},
    {"WLL", G::Water},
    {"WUR", G::Water},
    {"WLR", G::Water},
    {"RIVER", G::Water},
    {"MOUTH", G::Water},
    {"LMOUTH", G::Water},
    {"SWAMP", G::Water},
    {"LILYPADS", G::Water},
    // Things the sword breaks.
    {"TREE", G::Tree},
    {"STREE", G::Tree},
    {"APPLETREE", G::Tree},
    {"SWAMPTREE", G::Tree},
    {"STUMP", G::Tree},
    {"BUSH", G::Plant},
    {"PLANT", G::Plant},
    {"BERRYPLANT", G::Plant},
    {"LOG", G::Plant},
    {"SWAMPLOG", G::Plant},
    {"WALL", G::Wall},
    {"SPWALL", G::Wall},
    {"WINDOW", G::Wall},
    {"ROOF", G::Wall},
    {"CHIMNEY", G::Wall},
    {"CRATE", G::Furniture},
    {"BARREL", G::Furniture},
    {"TABLE", G::Furniture},
    {"BED", G::Furniture},
    {"SHELF", G::Furniture},
    {"SIGN", G::Furniture},
    {"CHEST", G::Furniture},
    {"CAMPFIRE", G::Furniture},
    {"WELL", G::Furniture},
    {"ARMORSTAND", G::Furniture},
    {"WEAPONRACK", G::Furniture},
    // Shopkeepers and folk; nobody walks through them.
    {"COUNTER", G::People},
    {"COUNTER2", G::People},
    {"COUNTER3", G::People},
    {"COUNTER4", G::People},
    {"ELF1", G::People},
    {"ELF2", G::People},
    {"ELF3", G::People},
    {"ELF4", G::People},
    {"SIBLING1", G::People},
    // Monsters; four names have a blank inside.
    {"WYVERN", G::Monster},
    {"OGRE", G::Monster},
    {"DEMON", G::Monster},
    {"DEMON LORD", G::Monster},
    {"PLATER", G::Monster},
    {"NEWT", G::Monster},
    {"ZOMBIE", G::Monster},
    {"BAT", G::Monster},
    {"DRAGON", G::Monster},
    {"THIEF", G::Monster},
    {"BEETLE", G::Monster},
    {"SALAMANDER", G::Monster},
    {"KNIGHT", G::Monster},
    {"SHADOW DEMON", G::Monster},
    {"ICE PLATER", G::Monster},
    {"SHADOW BOSS", G::Monster},
    {"VEV", G::Monster},
    // Outside the room or unseen, and rocks.
    {"BLACK", G::Other},
    {"ROCKS", G::Other},
}};

const TagEntry* Find(std::string_view tag) {
  const auto it =
      std::find_if(kTags.begin(), kTags.end(), [&](const TagEntry& e) { return e.tag == tag; });
  return it == kTags.end() ? nullptr : &*it;
}

}  // namespace

const std::vector<std::string_view>& AllTileTags() {
  static const std::vector<std::string_view> all = [] {
    std::vector<std::string_view> v;
    v.reserve(kTags.size());
    for (const auto& e : kTags) v.push_back(e.tag);
    return v;
  }();
  return all;
}

bool IsTileTag(std::string_view tag) {
  return Find(tag) != nullptr;
}

std::optional<TileGroup> GroupOf(std::string_view tag) {
  const TagEntry* e = Find(tag);
  if (!e) return std::nullopt;
  return e->group;
}

std::vector<std::string_view> TagsOf(TileGroup group) {
  std::vector<std::string_view> v;
  for (const auto& e : kTags) {
    if (e.group == group) v.push_back(e.tag);
  }
  return v;
}

}  // namespace tq
