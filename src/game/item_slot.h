// The ten item slots of the ITEMS frame. Slot 0 always shows and its picture counts the sword
// pieces; every other slot is shown while its item is owned.
#pragma once

namespace tq {

enum class ItemSlot {
  SwordPieces = 0,
  Shield = 1,
  Torch = 2,
  CrystalBall = 3,
  Glove = 4,
  FishBook = 5,
  GoldKey = 6,
  RedKey = 7,
  PurpleKey = 8,
  HeroMedal = 9,
};

// Slots 1..9, the items that can be owned.
constexpr ItemSlot kOwnableItems[] = {ItemSlot::Shield, ItemSlot::Torch,     ItemSlot::CrystalBall,
                                      ItemSlot::Glove,  ItemSlot::FishBook,  ItemSlot::GoldKey,
                                      ItemSlot::RedKey, ItemSlot::PurpleKey, ItemSlot::HeroMedal};

}  // namespace tq
