// The whole random world built in memory: every room a new game writes and the map icons.
#pragma once

#include <optional>
#include <string>

#include "world/template_rooms.h"
#include "world/world_work.h"

namespace tq {

class Random;

// Runs the drawing stages of a new world in their order (special cells, overland rooms, special
// templates, home and theme icons, underground rooms, passages, template batches) with the
// generator as it stands; the caller seeds it first. Nothing is written to disk.
WorldWork BuildWorld(Random& rnd, const TemplateSet& templates);

// Every room of the new world replaces its file in one batch: all are written and on disk
// before the first is renamed, so a failure leaves the old world whole. Returns a message
// naming the file on failure.
std::optional<std::string> WriteWorld(const std::string& gamePath, const WorldWork& world);

}  // namespace tq
