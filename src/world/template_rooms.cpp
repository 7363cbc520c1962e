// The template lists and their loading.
#include "world/template_rooms.h"

namespace tq {

const std::vector<TemplateCopy>& TemplateBatches() {
  static const std::vector<TemplateCopy> batches = [] {
    const std::vector<std::vector<int>> lists = {
        {450, 440, 439, 438, 441, 442, 431, 421},
        {420, 410, 409, 419, 429, 411, 412, 422, 432, 433},
        {498, 499, 489, 490, 479, 478, 469, 470, 460, 461, 462, 463, 451, 452, 473, 474, 484},
        {600, 601, 602, 603, 604, 612, 614, 615, 622, 623, 624, 625, 610,
         619, 620, 621, 629, 630, 639, 631, 640, 641, 642, 643, 644},
    };
    std::vector<TemplateCopy> out;
    for (int b = 0; b < 4; ++b) {
      for (int p = 0; p < static_cast<int>(lists[b].size()); ++p) {
        const int t = lists[b][p];
        int room = t + 100;
        if (t == 643) room = 1039;  // the two thieves' hideouts
        if (t == 644) room = 1041;
        out.push_back({b + 1, p + 1, t, room});
      }
    }
    return out;
  }();
  return batches;
}

std::vector<int> TemplatesRead() {
  std::vector<int> out;
  for (int t = kFirstSpecialTemplate; t <= kLastSpecialTemplate; ++t) out.push_back(t);
  for (const TemplateCopy& c : TemplateBatches()) out.push_back(c.templateRoom);
  return out;
}

std::optional<std::string> LoadTemplates(const std::string& gamePath, TemplateSet& out) {
  TemplateSet read;
  for (int t : TemplatesRead()) {
    if (auto error = ReadRoomFile(RoomFilePath(gamePath, t), read[t])) return error;
  }
  out = std::move(read);
  return std::nullopt;
}

}  // namespace tq
