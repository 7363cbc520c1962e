// The stages of a strike tick, in the order tmrBREAK_Timer runs them, and what they hand on.
#pragma once

#include <string>

namespace tq {

class Game;
struct MonsterKind;

// Frame 1 against a monster: the damage, the message, the hit points, the sounds and the kill.
// False when the blow did no damage to a monster that lives on: the strike ends there.
bool StrikeMonster(Game& g, const MonsterKind& kind);

// Frame 1 against an object: the blow's draws, which change nothing.
void SwingAtObject(Game& g, const std::string& breakTag);

// After the last frame of a broken object or a killed monster: the points and the BONUS, the
// loot and the struck cell's new tag in the view and in the room file, then the main tick again.
void ResolveStrike(Game& g, const std::string& struckTag);

// What the broken object or killed monster leaves behind, with the quest effects of the bosses,
// the hint of a sign and the contents of a chest (messages and sounds included). Returns the
// struck cell's new tag.
std::string LeaveLoot(Game& g, const std::string& struckTag);

}  // namespace tq
