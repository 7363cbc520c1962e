// The hint texts, in the order of their numbers.
#include "game/hint_table.h"

#include <array>
#include <cassert>

namespace tq {
namespace {

constexpr std::array<std::string_view, kHintCount> kHints{{
    "Not only can you break signs, you can also break barrels and boxes.",
    "Some plants can be destroyed with your sword.",
    "Use coins to purchase supplies from any merchants you may find.",
    "You can chop down trees with your sword.",
    "There may even be hidden underground areas that can be found!",
    "If you can't open a door, find the key that matches the lock's color.",
    "Enemies will heal themselves if you leave an area.",
    "If you have the Glove, you will use less strength to break things.",
    "Important treasures can be found in chests, but these are rare.",
    "Your brother was taken to the Far North, into the lair of VEV and the Shadow Demons!",
    "Enemies are much tougher underground.",
    "Shadow Demons can only be hurt with the Shadow Sword.",
    "You can break rocks if you have the Shadow Sword.",
    "Your strength will decrease by breaking things.",
    "Chopping down trees will tire you out fast.",
    "You can hold a maximum of 200 gold coins, but if you get a magic bag you can hold 500!",
    "A crystal ball will FLASH when you are near secret walls or ladders as long as it is not "
    "raining.",
    "If you hold still and don't walk around you will slowly regain strength.",
    "Don't forget- You can destroy most furniture too!",
    "There is a 5% chance that you will do double damage when you hit an enemy.",
    "Zombies can also drain your strength- Be wary of them!",
    "The game will automatically SAVE after you get a key or sword piece.",
    "Monsters carry the most treasure in the game. You may even get a whole sack of gold!",
    "If an enemy hits you, you are temporarily stunned- You can move but can't attack.",
    "Thieves like to stay hidden in their hideouts- They may try to steal your money too!",
    "The swamps are said to creep with the living dead..",
    "The Shadow Sword is more powerful in places where it is dark, like indoors or underground.",
    "The Shadow Sword will glow when it is at full power.",
    "Your beginning sword is reliable, but has a slow swing and can't destroy some objects.",
    "The Shadow Sword pieces were entrusted to Black Knights- very strong minons of the Shadow "
    "Demons.",
    "Platers have a protective shell on their heads. You can't hurt them if you hit it.",
    "Take on enemies face to face if you have a shield- You'll increase the chance to block an "
    "attack!",
    "Backs are vunerable- A +1 damage bonus is awarded to whoever hits a backside.",
    "Platers are weak, but their plated heads make a frontal attack impossible.",
    "The Far North can only be accessed by a RUINSTONE. Step into the stone pillars to get there.",
    "Beware the SHADOW BOSS! It is more powerful than a Shadow Demon. It is second only to VEV "
    "himself!",
    "There's a species of platers up north that are very powerful.",
    "You score points for defeating enemies. When you get 100 points, you'll gain health and "
    "strength!",
    "You also get points for discovering secret items and areas.",
    "When your BONUS STAR flashes you'll lose NO strength when you break things.. until you get "
    "hurt!",
    "It takes 20 Strength to score a CRITICAL hit on an enemy.",
    "Use your map to backtrack to shops when you get a lot of money.",
    "The ghost of VEV is haunting the Far North. He comands the Shadow Demons from his lair up "
    "there.",
    "The HERO MEDAL adds +2 to damage and also a +5% chance to make a CRITICAL hit!",
    "The HERO MEDAL lessens enemy damage and will increase the chance a SHIELD will block an "
    "attack.",
    "When it rains, you won't be able to closely examine things and a crystal ball won't work "
    "either.",
    "When your BONUS STAR flashes you'll hit for DOUBLE DAMAGE... Until you get hurt!",
    "Those with a HERO MEDAL can pierce a PLATER's defenses and hit it head-on!",
    "Be careful of the rain- Your sword will become wet and be less effective and -1 damage "
    "penalty!",
    "He who wears the Glove will recover strength much faster while resting.",
}};

}  // namespace

std::string_view HintText(int r) {
  assert(r >= 1 && r <= kHintCount);
  return kHints[static_cast<std::size_t>(r - 1)];
}

}  // namespace tq
