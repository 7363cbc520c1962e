// The look texts of every tile tag, by ground.
#include "rooms/look_text_table.h"

#include <initializer_list>

namespace tq {
namespace {

// Several tags with the same text on every ground not named by another row of the tag.
void Rows(std::vector<LookRow>& t, std::initializer_list<std::string_view> tags,
          std::string_view text, std::string_view ground = "") {
  for (std::string_view tag : tags) t.push_back({tag, ground, text});
}

void Row(std::vector<LookRow>& t, std::string_view tag, std::string_view text,
         std::string_view ground = "") {
  t.push_back({tag, ground, text});
}

std::vector<LookRow> Build() {
  std::vector<LookRow> t;

  // What changes with the ground: floors, trees and walls look different indoors, in the caves
  // and in the Far North.
  const std::initializer_list<std::string_view> floors = {"FLOOR", "TALK1", "TALK2",
                                                          "TALK3", "TALK4", "STONEMESS"};
  Rows(t, floors, "Wooden plank floor.", "WOOD");
  Rows(t, floors, "Damp dirt and soil.", "DIRT");
  Rows(t, floors, "Cold newfallen snow.", "SNOW");
  Rows(t, floors, "Lush green grass.");
  Rows(t, {"TREE", "STREE"}, "A Rongus Bark tree.", "DIRT");
  Rows(t, {"TREE", "STREE"}, "A Saculi tree.");
  Row(t, "WALL", "Solid earth wall entangled with vines.", "DIRT");
  Row(t, "WALL", "Solid stone structure.");
  Row(t, "PLANT", "An underground shrub.", "DIRT");
  Row(t, "PLANT", "A forest plant.");
  Row(t, "PURPLEDOOR", "This door has been sealed by VEV himself. Only the worthy can open it.",
      "SNOW");
  Row(t, "PURPLEDOOR", "This magic door is locked.");
  Row(t, "SHELF", "This is an old banner that has a picture of VEV on it, back when he was alive.",
      "SNOW");
  Row(t, "SHELF", "A shelf full of small items and things. Nothing is valuable enough to take.");
  // Outdoors the exits are just gaps in the trees, nothing worth a word.
  Row(t, "EXIT", "This is the exit door.", "WOOD");
  Row(t, "EXIT", "");

  // Everything else looks the same wherever it stands.
  Row(t, "FLOWER1", "A purple Lashey flower.");
  Row(t, "FLOWER2", "A red Falora flower.");
  Row(t, "FLOWER3", "A blue Isdak flower.");
  Row(t, "FLOWER4", "A giant spotted mushroom.");
  Row(t, "COIN", "Gold coins.");
  Row(t, "BAG", "A sack filled with gold coins.");
  Row(t, "GOLDBAG", "A rare golden sack. These usually hold many gold coins.");
  Row(t, "LIFEPOTION", "A hearty chicken leg.");
  Row(t, "POWERPOTION", "A blue colored potion that will restore some physical strength.");
  Row(t, "APPLES", "A pile of delicious apples.");
  Row(t, "BLUEBERRIES", "A big pile of tasty blueberries.");
  Row(t, "LIFESYMBOL", "A magic Symbol of Life.");
  Row(t, "POWERSYMBOL", "A magic Symbol of Strength.");
  Rows(t, {"GOLDKEY", "REDKEY", "PURPLEKEY"}, "This key was in the chest!");
  Row(t, "SHIRT",
      "MAGIC SHIRT: This shirt is infused with great powers. Wear it and enemies will damage you "
      "less.");
  Row(t, "SWORD1", "That is the handle and scabbard of the SHADOW SWORD!");
  Row(t, "SWORD2", "That is a piece of the blade to the SHADOW SWORD!");
  Row(t, "SWORD3", "That is the final piece of the SHADOW SWORD!");
  Row(t, "SHIELD", "This is the deed to purchase a SHIELD.");
  Row(t, "TORCH", "This is the deed to purchase a TORCH.");
  Row(t, "BOOK", "This is the deed to purchase a FISH BOOK.");
  Row(t, "POTION", "This is the deed to purchase the GLOVE.");
  Row(t, "BADGE", "This is the deed to purchase a CRYSTAL BALL.");
  Row(t, "MEDAL", "This is the deed to  purchase the HERO MEDAL.");
  Row(t, "MAGICBAG", "This is the deed to purchase a MAGIC BAG.");
  Row(t, "SWORD", "STRENGTH SYMBOL: This is the deed to buy it.");
  Row(t, "LIFE", "LIFE SYMBOL: This is the deed to buy it.");
  Row(t, "POWER", "This is the deed to purchase a POWER POTION.");
  Row(t, "FOOD", "This is the deed to purchase FOOD.");
  Rows(t, {"HOLE", "HOLE2", "HOLE3", "HOLE5"}, "This hole leads underground.");
  Row(t, "RUINSTONE",
      "This RUINSTONE is filled with magical energy and will take you to the Far North.");
  Row(t, "RUINSTONESNOW", "This RUINSTONE's powers have stopped working.");
  Row(t, "LADDERUP", "This ladder leads to the surface.");
  Row(t, "LADDERDOWN", "This ladder leads underground.");
  Rows(t, {"DOOR", "DOOR2", "DOOR3", "DOOR4"}, "This is the entrance to a SHOP. The door is open.");
  Row(t, "GOLDDOOR", "This solid gold door is locked.");
  Row(t, "REDDOOR", "This creepy bloodstained door is locked.");
  Rows(t,
       {"WATER", "NORTH", "SOUTH", "EAST", "WEST", "ULCORNER", "URCORNER", "LLCORNER", "LRCORNER",
        "WUL", "WLL", "WUR", "WLR"},
       "Clean flowing water.");
  Rows(t, {"RIVER", "MOUTH", "LMOUTH"}, "A small river. You can't swim in it.");
  Row(t, "SWAMP", "Foul and stinky marshland.");
  Row(t, "LILYPADS", "Lilypads for frogs to sit on.");
  Row(t, "APPLETREE",
      "This Saculi tree has grown many apples on it. The tree should be weak enough to cut it down "
      "completely.");
  Row(t, "SWAMPTREE", "A Deadrot Tree. They can't be cut down.");
  Row(t, "STUMP", "This is all that remains of a Saculi tree.");
  Row(t, "BUSH", "Large, thorny bushes.");
  Row(t, "BERRYPLANT", "Wow! A rare plant with blueberries on it!");
  Row(t, "LOG", "A log from a fallen tree.");
  Row(t, "SWAMPLOG", "This water-soaked rotted log came from a fallen tree.");
  Row(t, "SPWALL", "This wall appears to have cracks in it.");
  Row(t, "WINDOW", "You can see your reflection in this window's glass.");
  Row(t, "ROOF", "The roof is made from a combination of straw and sticks.");
  Row(t, "CHIMNEY", "A stone chimney juts out from the building. Someone must live inside.");
  Row(t, "CRATE", "A wooden crate used to store belongings in.");
  Row(t, "BARREL", "A sturdy oaken barrel.");
  Row(t, "TABLE", "This is one sturdy table.");
  Row(t, "BED", "A nice wooden bed complete with blankets, sheets, and a pillow.");
  Row(t, "SIGN", "A signpost. Break it to reveal its helpful message.");
  Row(t, "CHEST", "A large treasure chest that important things are put in.");
  Row(t, "CAMPFIRE", "A roaring campfire.");
  Row(t, "WELL", "A stone well used to draw ground water out for drinking.");
  Row(t, "ARMORSTAND", "A fancy suit of armor. It is not for sale.");
  Row(t, "WEAPONRACK", "An assortment of weapons. Your sword is far superior to these.");
  Rows(t, {"COUNTER", "COUNTER2", "COUNTER3", "COUNTER4"},
       "This is the merchant who owns this shop.");
  Row(t, "ELF1", "He is wearing a whole suit of armor and carrying a huge sword!");
  Row(t, "ELF2", "Although he is dressed in black, he looks trustworthy enough.");
  Row(t, "ELF3",
      "This is a heavily armored adventurer. It looks like he is cooking some roasted chicken in "
      "the campfire.");
  Row(t, "ELF4",
      "This is one tough warrior. Those swords look dangerous enough to for him to survive out "
      "here in the swamp.");
  Row(t, "SIBLING1", "Your long lost brother RIREZIVI!");
  Row(t, "WYVERN", "WYVERN: A small winged reptile that bites.");
  Row(t, "OGRE",
      "OGRE: An ugly and stupid monster that lives underground. They usually attack on sight.");
  Row(t, "DEMON", "DEMON: An evil inhabitant of the underworld. They never travel above ground.");
  Row(t, "DEMON LORD",
      "DEMON LORD: A winged demon of the highest order. They attack with hellish pitchforks!");
  Row(t, "PLATER",
      "PLATER: This plant eater protects its territory from intruders. It has a plate on its head "
      "that you can't stab through.");
  Row(t, "NEWT", "NEWT: This large red amphibian eats squirrels and cats.");
  Row(t, "ZOMBIE",
      "ZOMBIE: He used to be dead but was raised by VEV's evil magic. He can also drain your "
      "strength!");
  Row(t, "BAT", "BAT: A large bat that swoops from above to attack passers-by.");
  Row(t, "DRAGON", "DRAGON: An ancient and heavily armored winged reptile that breathes fire.");
  Row(t, "THIEF",
      "THIEF: Powerful and evil men that steal from people and make their homes in secret places. "
      "He may even steal your gold!");
  Row(t, "BEETLE", "BEETLE: A horse-sized beetle that has powerful jaws.");
  Row(t, "SALAMANDER",
      "SALAMANDER: Cousin of the NEWT, but only lives in dark damp places and is much more "
      "aggressive.");
  Row(t, "KNIGHT",
      "KNIGHT: Strong axe-toting henchman of the evil ghost VEV. He was entrusted to guard a piece "
      "of the Shadow Sword.");
  Row(t, "SHADOW DEMON",
      "SHADOW DEMON: An evil being made entirely of Shadow. They wear grey cloaks and wield large "
      "swords.");
  Row(t, "ICE PLATER",
      "ICE PLATER: This plater is tougher than normal platers, and will eat anything it can "
      "catch.");
  Row(t, "SHADOW BOSS",
      "SHADOW BOSS: A more powerful form of Shadow Demon. He guards VEV's personal chambers.");
  Row(t, "VEV", "VEV: The evil ghost that kidnapped Rirezivi. He is extremely strong.");
  Row(t, "BLACK", "You can't see this area from here.");
  Row(t, "ROCKS", "A large pile of heavy rocks. They will not budge.");

  return t;
}

}  // namespace

const std::vector<LookRow>& LookTextTable() {
  static const std::vector<LookRow> table = Build();
  return table;
}

}  // namespace tq
