// The template rooms of the special cells: the zombie of the swamps and the map theme icons.
#pragma once

#include <string>

#include "world/template_rooms.h"

namespace tq {

class Random;
struct WorldWork;

// The map icon tag of special cell k (1..29).
const std::string& ThemeTag(int k);

// Puts at most one ZOMBIE on the inside floor of a swamp template (cell (1,1) "SWAMPTREE"),
// never in template 213. A draw is made for every inside cell whatever the template.
void PlaceZombie(Random& rnd, int templateRoom, RoomFile& room);

// Copies the templates 200..228 onto the special cells, forgetting any secret tree drawn there.
void CopySpecialTemplates(Random& rnd, const TemplateSet& templates, WorldWork& w);

}  // namespace tq
