// The whole random world built in memory: every room a new game writes and the map icons.
#pragma once

#include <optional>
#include <string>

#include "platform/file_writes.h"
#include "world/template_rooms.h"
#include "world/world_work.h"

namespace tq {

class Game;
class Random;

// Runs the drawing stages of a new world in their order (special cells, overland rooms, special
// templates, home and theme icons, underground rooms, passages, template batches) with the
// generator as it stands; the caller seeds it first. Nothing is written to disk.
WorldWork BuildWorld(Random& rnd, const TemplateSet& templates);

// Writes every room of the new world together with the saved game and the map file of `g` (its
// new-game state): after a failure, or a crash at any instant, a fresh start finds the old world
// and its save or the new world and its save, never a mix. What became of the write, with a
// message naming the file when one failed.
WriteResult WriteWorld(const WorldWork& world, const Game& g);

}  // namespace tq
