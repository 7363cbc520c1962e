// The dungeon, Far North and hideout rooms copied from their templates.
#pragma once

#include "world/template_rooms.h"

namespace tq {

class Random;
struct WorldWork;

// Rooms of the Far North batch that may get an ice monster: positions 13 to 23 of its list.
bool MayHoldIceMonster(const TemplateCopy& copy);

// Walks the room's cells in file order and, on the first floor cell whose draw comes up, puts an
// ice monster there: an ICE PLATER, or a SHADOW DEMON or DEMON LORD in its place.
void PlaceIceMonster(Random& rnd, RoomFile& room);

// Copies the four batches; the Far North gets its ice monsters and the hideouts their thieves.
void CopyTemplateBatches(Random& rnd, const TemplateSet& templates, WorldWork& w);

}  // namespace tq
