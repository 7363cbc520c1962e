// The whole random world built in memory: every room a new game writes and the map icons.
#pragma once

#include "world/template_rooms.h"
#include "world/world_work.h"

namespace tq {

class Random;

// Runs the drawing stages of a new world in their order (special cells, overland rooms, special
// templates, home and theme icons, underground rooms, passages, template batches) with the
// generator as it stands; the caller seeds it first. Nothing is written to disk.
WorldWork BuildWorld(Random& rnd, const TemplateSet& templates);

}  // namespace tq
