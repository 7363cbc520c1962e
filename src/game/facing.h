// The four ways the hero and a monster face, and everything a way is turned into: the view cell
// beside the hero, the step across the room, and the word the game state and the saved game keep.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/value.h"

namespace tq {

// Up is north (row - 1), toward the top of the view; Down faces the viewer.
enum class Heading { Up, Down, Left, Right };

// All four, in the order a damaged save's message lists their words.
constexpr Heading kHeadings[] = {Heading::Down, Heading::Up, Heading::Left, Heading::Right};

// The hero's cell in the middle of the 5 x 5 view.
constexpr int kHeroCell = 12;

// `Facing` holds this after NEW, LOAD and a few strikes and shop exits: MoveHero redraws without
// a step, and the next main tick turns it back into "" (facing the viewer).
constexpr std::string_view kRedrawFacing = "XXX";

// The view cell beside the hero that way: 7 above, 17 below, 11 left, 13 right.
int ViewCell(Heading h);
// The way from the hero to a view cell beside him; nullopt for any other cell.
std::optional<Heading> HeadingOfCell(std::int64_t cell);
// One step that way across the room grid.
int RowStep(Heading h);
int ColStep(Heading h);
Heading Opposite(Heading h);

// The hero's `Facing`: "REAR" up, "" down, "LEFT", "RIGHT".
std::string_view HeroFacingText(Heading h);
// The monster's `MonsterFacing`: "REAR" up, "FRONT" down, "LEFT", "RIGHT".
std::string_view MonsterFacingText(Heading h);
// The way a `Facing` value names; nullopt for the redraw marker or any other value.
std::optional<Heading> HeroHeading(const Value& facing);
// The way a `MonsterFacing` names; nullopt for "" or any other text.
std::optional<Heading> MonsterHeading(std::string_view monsterFacing);

// The monster looks the way the hero looks, so one of them has his back to the other.
bool FaceTheSameWay(const Value& facing, std::string_view monsterFacing);
// The hero and the monster look toward each other's side.
bool FaceOppositeWays(const Value& facing, std::string_view monsterFacing);

}  // namespace tq
