// Stages I and J of the hero's step: what he takes or buys from the tile underfoot, sword
// pieces, the autosave after a key or a piece, and the room written back after a pickup.
#include <algorithm>
#include <string>
#include <string_view>

#include "game/game.h"
#include "game/message_line.h"
#include "platform/file_writes.h"
#include "rooms/move_hero_stages.h"
#include "world/room_file.h"
#include "world/saved_game.h"

namespace tq {
namespace {

enum class Limit { None, Gold, Strength, Life };
enum ItemSound { kNoSound = 0, kPotion = 1, kCoin = 2, kLoveMoney = 3 };

struct Underfoot {
  std::string_view tag;
  // Applies the tile to the hero and gives the message line's new caption.
  std::string (*take)(Game&);
  Limit limit;
  int itemSound;
  bool symbol;  // a symbol of life or strength: its own sound
};

// An owned item shows in its slot.
std::string Show(Control& c, std::string_view caption) {
  c.Visible = true;
  return std::string(caption);
}

// Tested in this order; at most one matches.
const Underfoot kUnderfoot[] = {
    {"MAGICBAG",
     [](Game& g) {
       g.HasMagicBag = 1;
       return Show(g.imgMONEYBAG,
                   "You bought a Magic Bag! Now you can hold many more gold coins! (500 max!)");
     },
     Limit::None, kNoSound, false},
    {"SWORD",
     [](Game& g) -> std::string {
       g.MaxStrength = g.MaxStrength + 5;
       g.Strength = g.MaxStrength;
       return "You bought a symbol of Strength! You gain +5 maximum to your strength.";
     },
     Limit::None, kNoSound, true},
    {"LIFE",
     [](Game& g) -> std::string {
       g.MaxLife = g.MaxLife + 1;
       g.Life = g.MaxLife;
       return "You bought a symbol of Life! You gain +1 maximum to your life energy.";
     },
     Limit::None, kNoSound, true},
    {"SHIELD",
     [](Game& g) {
       g.ShieldItem = "SHIELD";
       return Show(g.slot(ItemSlot::Shield),
                   "You bought a Shield! You have a chance to block an attack now!");
     },
     Limit::None, kNoSound, false},
    {"TORCH",
     [](Game& g) {
       return Show(g.slot(ItemSlot::Torch),
                   "You bought a Torch! With this you can see inside dark places.");
     },
     Limit::None, kNoSound, false},
    {"BADGE",
     [](Game& g) {
       return Show(g.slot(ItemSlot::CrystalBall),
                   "You bought a Crystal Ball! This will flash when you are near secrets.");
     },
     Limit::None, kNoSound, false},
    {"POTION",
     [](Game& g) {
       return Show(g.slot(ItemSlot::Glove),
                   "You bought the Glove! You will use less strength when you break things and "
                   "recover it back much faster now!");
     },
     Limit::None, kNoSound, false},
    {"BOOK",
     [](Game& g) {
       return Show(g.slot(ItemSlot::FishBook),
                   "You bought the Fish Book! Its great magic will allow you to swim in any "
                   "water.");
     },
     Limit::None, kNoSound, false},
    {"GOLDKEY",
     [](Game& g) {
       return Show(g.slot(ItemSlot::GoldKey),
                   "You found a Golden Key! You'll be able to open all golden doors now.");
     },
     Limit::None, kNoSound, false},
    {"REDKEY",
     [](Game& g) {
       return Show(g.slot(ItemSlot::RedKey),
                   "You found a Red Key! You'll be able to open all red doors now.");
     },
     Limit::None, kNoSound, false},
    {"PURPLEKEY",
     [](Game& g) {
       return Show(g.slot(ItemSlot::PurpleKey),
                   "You found a Purple Key! You'll be able to open all purple doors now.");
     },
     Limit::None, kNoSound, false},
    {"LIFEPOTION",
     [](Game& g) -> std::string {
       g.Life = g.Life + 5;
       return "When you eat this food, you feel healthier than before.";
     },
     Limit::Life, kPotion, false},
    {"POWERPOTION",
     [](Game& g) -> std::string {
       g.Strength = g.Strength + 15;
       return "When you drink this potion, some of your strength is recovered.";
     },
     Limit::Strength, kPotion, false},
    {"COIN",
     [](Game& g) {
       const Value n = g.rnd.Draw(5);
       g.Gold = g.Gold + n;
       return Join("You picked up ", n, " gold.");
     },
     Limit::Gold, kCoin, false},
    {"APPLES",
     [](Game& g) -> std::string {
       g.Life = g.MaxLife;
       return "Tarvo ate the apples he found on the ground and feels much better!";
     },
     Limit::None, kPotion, false},
    {"BLUEBERRIES",
     [](Game& g) -> std::string {
       g.Strength = g.MaxStrength;
       g.Life = g.MaxLife;
       return "Tarvo ate the blueberries he found on the ground and regains all his health and "
              "strength!";
     },
     Limit::None, kPotion, false},
    {"BAG",
     [](Game& g) {
       const Value n = 3 + g.rnd.Draw(5);
       g.Gold = g.Gold + n;
       return Join("There was ", n, " gold in the sack.");
     },
     Limit::Gold, kCoin, false},
    {"GOLDBAG",
     [](Game& g) {
       const Value n = 10 + g.rnd.Draw(15);
       g.Gold = g.Gold + n;
       return Join("There was ", n, " gold in this sack!");
     },
     Limit::Gold, kLoveMoney, false},
    {"POWER",
     [](Game& g) -> std::string {
       g.Strength = g.Strength + 35;
       return "You bought a power potion! Some of your strength was restored by drinking it.";
     },
     Limit::Strength, kPotion, false},
    {"FOOD",
     [](Game& g) -> std::string {
       g.Life = g.Life + 15;
       return "You bought some food! Some of your health was restored after you ate it.";
     },
     Limit::Life, kPotion, false},
    {"LIFESYMBOL",
     [](Game& g) -> std::string {
       g.MaxLife = g.MaxLife + 1;
       g.Life = g.MaxLife;
       return "You got a symbol of Life! You gain +1 maximum to your life energy.";
     },
     Limit::None, kNoSound, true},
    {"POWERSYMBOL",
     [](Game& g) -> std::string {
       g.MaxStrength = g.MaxStrength + 5;
       g.Strength = g.MaxStrength;
       return "You got a symbol of Strength! You gain +5 maximum to your strength.";
     },
     Limit::None, kNoSound, true},
    {"MEDAL",
     [](Game& g) {
       return Show(g.slot(ItemSlot::HeroMedal),
                   "You bought the Hero Medal! Your attack power and defensive skills increase!");
     },
     Limit::None, kNoSound, false},
    {"SHIRT",
     [](Game& g) -> std::string {
       g.HasMagicShirt = 1;
       return "You found a Magic Shirt! Enemies will do less damage to you now!";
     },
     Limit::None, kPotion, false},
};

void ApplyLimit(Game& g, Limit limit, const Value& goldCap) {
  switch (limit) {
    case Limit::Gold:
      if (g.Gold > goldCap) g.Gold = goldCap;
      break;
    case Limit::Strength:
      if (g.Strength > g.MaxStrength) g.Strength = g.MaxStrength;
      break;
    case Limit::Life:
      if (g.Life > g.MaxLife) g.Life = g.MaxLife;
      break;
    case Limit::None:
      break;
  }
}

// GUARD: only three pieces have a picture; a stray fourth would name a picture that does not
// exist, so the slot keeps showing the whole sword.
constexpr std::int64_t kPiecePictures = 3;

void CountSwordPiece(Game& g, HeroStep& s) {
  g.SwordPieces = g.SwordPieces + 1;
  s.pickupSounds.emplace_back(&g.MM2, "sounds/LOOKATTHAT.wav");
  g.slot(ItemSlot::SwordPieces).Visible = true;
  g.lblMESSAGE.Caption = "You have found a piece of the SHADOW SWORD! Get all 3 to complete it!";
  const Value shown = std::min(g.SwordPieces.num(), kPiecePictures);
  g.slot(ItemSlot::SwordPieces).Picture = Join(g.GamePath, "Icons/PIECE", shown, ".bmp");
  if (g.SwordPieces >= 3) {
    g.lblMESSAGE.Caption =
        "You have the SHADOW SWORD! It's fast and deadly- even more so underground and indoors.";
    g.SwordKind = 2;
  }
}

void RestorePickupState(Game& g, const PickupState& p) {
  g.Gold = p.Gold;
  g.Life = p.Life;
  g.MaxLife = p.MaxLife;
  g.Strength = p.Strength;
  g.MaxStrength = p.MaxStrength;
  g.ShieldItem = p.ShieldItem;
  g.HasMagicShirt = p.HasMagicShirt;
  g.HasMagicBag = p.HasMagicBag;
  g.SwordPieces = p.SwordPieces;
  g.SwordKind = p.SwordKind;
  for (std::size_t i = 0; i < p.owned.size(); ++i) g.imgTOOL[i].Visible = p.owned[i];
  g.slot(ItemSlot::SwordPieces).Picture = p.piecePicture;
  g.imgMONEYBAG.Visible = p.moneyBag;
}

}  // namespace

void KeepPickupState(const Game& g, HeroStep& s) {
  PickupState& p = s.beforePickup;
  p.Gold = g.Gold;
  p.Life = g.Life;
  p.MaxLife = g.MaxLife;
  p.Strength = g.Strength;
  p.MaxStrength = g.MaxStrength;
  p.ShieldItem = g.ShieldItem;
  p.HasMagicShirt = g.HasMagicShirt;
  p.HasMagicBag = g.HasMagicBag;
  p.SwordPieces = g.SwordPieces;
  p.SwordKind = g.SwordKind;
  for (std::size_t i = 0; i < p.owned.size(); ++i) p.owned[i] = g.imgTOOL[i].Visible;
  p.piecePicture = g.slot(ItemSlot::SwordPieces).Picture;
  p.moneyBag = g.imgMONEYBAG.Visible;
}

bool ApplyTileUnderfoot(Game& g, HeroStep& s) {
  // A redraw after a monster's step shows the room and nothing more.
  if (g.EnterMode == 1) {
    g.EnterMode = 0;
    return false;
  }
  // GUARD: a redraw after a load or a new game on a deed the hero cannot afford would hand it to
  // him for nothing; standing on a deed is a purchase only when it was paid for.
  if (s.DeedUnpaid) return false;

  const Value goldCap = g.imgMONEYBAG.Visible ? 500 : 200;
  int itemSound = kNoSound;
  bool symbolTaken = false;

  const std::string& underfoot = s.ViewGrid[12];
  for (const Underfoot& u : kUnderfoot) {
    if (underfoot != u.tag) continue;
    g.lblMESSAGE.Caption = u.take(g);
    itemSound = u.itemSound;
    symbolTaken = u.symbol;
    s.TookItem = true;
    ApplyLimit(g, u.limit, goldCap);
    break;
  }

  if (s.PieceFound && g.RoomNumber >= 500) {
    s.TookItem = true;
    CountSwordPiece(g, s);
  }

  if (itemSound == kPotion) s.pickupSounds.emplace_back(&g.MM1, "sounds/potion.wav");
  if (itemSound == kCoin) s.pickupSounds.emplace_back(&g.MM1, "sounds/coin.wav");
  if (itemSound == kLoveMoney) s.pickupSounds.emplace_back(&g.MM1, "sounds/lovemoney.wav");
  if (symbolTaken) s.pickupSounds.emplace_back(&g.MM1, "sounds/SYMBOL.wav");

  // The save holds the key or the piece; it is written with the room that loses it (stage J).
  if (s.AutosaveDue) {
    g.lblMESSAGE.Caption += " * AUTOSAVED * ";
    SetMessageColor(g, MessageColor::Green);
  }

  if (!s.TookItem) return s.AutosaveDue;
  if (!s.AutosaveDue) SetMessageColor(g, MessageColor::White);
  // A shop deed stays on its tile and can be bought again.
  if (!s.DeedTarget) {
    s.RoomGrid.tags[static_cast<std::size_t>(g.HeroRow.num())]
                   [static_cast<std::size_t>(g.HeroCol.num())] = "FLOOR";
  }
  if (itemSound == kNoSound && !s.DeedTarget && !symbolTaken) {
    s.pickupSounds.emplace_back(&g.MM1, "sounds/equipsound.wav");
  }
  if (s.DeedTarget) s.pickupSounds.emplace_back(&g.MM1, "sounds/buy.wav");
  return true;
}

void WriteRoomBack(Game& g, HeroStep& s) {
  // GUARD: the autosave and the room written one after the other would give the key or the
  // piece twice when the program dies between them, and a failed room write (a full disk, a
  // read-only folder) would keep the item on the floor after it was counted, its error hiding
  // the autosave's. Both are written together, and the pickup counts only when they are on
  // disk: otherwise everything it changed, a deed's price included, is taken back and the
  // failure is shown in red. Once they are committed they land, so the pickup counts even when
  // a file is not in place yet, which the red message says.
  FileGroup files;
  if (s.AutosaveDue) AddSavedGame(files, g);
  if (s.TookItem) AddRoomFile(files, RoomFilePath(g.GamePath, g.RoomNumber), s.RoomGrid);
  const WriteResult written = files.Write();
  if (!written.written() && !s.TookItem) {
    ShowMessage(g, MessageColor::Red, "The game could not be saved. " + written.message);
    return;
  }
  if (!written.written()) {
    RestorePickupState(g, s.beforePickup);
    ShowMessage(g, MessageColor::Red,
                (s.DeedTarget ? "Nothing was bought. " : "Nothing was taken. ") + written.message);
    return;
  }
  if (!written.message.empty()) ShowMessage(g, MessageColor::Red, written.message);
  for (const auto& [channel, sound] : s.pickupSounds) g.Play(*channel, sound);
}

}  // namespace tq
