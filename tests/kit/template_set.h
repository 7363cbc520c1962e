// A small, known set of template rooms for world-building tests, written into a game folder, so
// that the tests do not depend on the designs of the shipped rooms.
#pragma once

#include <filesystem>

#include "world/room_file.h"

namespace tq::kit {

// Template 629 of the Far North holds no floor at all, so it can never get an ice monster.
constexpr int kFloorlessIceTemplate = 629;

// The swamp templates of the set: cell (1,1) is "SWAMPTREE".
bool IsTestSwamp(int templateRoom);

// The template room `t` of the set: the frame, floor inside, and a few marks that tell the
// templates apart. The ground code is t % 4.
RoomFile TestTemplate(int t);

// Writes every template a new game reads (200..228 and the 60 batch templates) into `files`.
void WriteTestTemplates(const std::filesystem::path& files);

// Writes TestTemplate(n) as room n: a room to stand in, open on all sides.
void WritePlainRoom(const std::filesystem::path& files, int n);

// Reads room n of the game folder; throws when it cannot be read.
RoomFile ReadRoom(const std::filesystem::path& folder, int n);

}  // namespace tq::kit
