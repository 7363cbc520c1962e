// The shipped template rooms a new world is copied from, and where each copy goes.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "world/room_file.h"

namespace tq {

constexpr int kFirstSpecialTemplate = 200;
constexpr int kLastSpecialTemplate = 228;
constexpr int kHomeTemplate = 206;
// The swamp template that never gets a zombie.
constexpr int kZombieFreeSwamp = 213;

struct TemplateCopy {
  int batch;     // 1..4
  int position;  // 1.. within its batch
  int templateRoom;
  int room;  // where the copy is written
};

// The four batches in the order they are copied: the dungeons of the 500s, then the Far North
// and the ice dungeon of the 700s with the two hideouts.
const std::vector<TemplateCopy>& TemplateBatches();

// Every template a new world reads: 200..228, then the batches in order.
std::vector<int> TemplatesRead();

using TemplateSet = std::map<int, RoomFile>;

// Reads every template into `out`. Fails on the first missing or damaged one, with a message
// naming its file.
std::optional<std::string> LoadTemplates(const std::string& gamePath, TemplateSet& out);

}  // namespace tq
