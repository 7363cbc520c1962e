// The order of the world's drawing stages.
#include "world/world_builder.h"

#include "game/game.h"
#include "platform/file_writes.h"
#include "platform/random.h"
#include "world/overland_rooms.h"
#include "world/passages.h"
#include "world/saved_game.h"
#include "world/special_cells.h"
#include "world/special_templates.h"
#include "world/template_batches.h"
#include "world/underground_rooms.h"

namespace tq {

WorldWork BuildWorld(Random& rnd, const TemplateSet& templates) {
  WorldWork w;
  for (int i = 0; i < 100; ++i) w.MapTag[i] = "floor";
  for (int i = 100; i < 200; ++i) w.MapTag[i] = "dunfloor";

  DrawSpecialCells(rnd, w);
  for (int n = 1; n <= 100; ++n) BuildOverlandRoom(rnd, n, w);
  CopySpecialTemplates(rnd, templates, w);

  // The home is the one square known from the start; the other special cells show their theme.
  for (int k = 1; k <= 29; ++k) w.MapTag[w.SpecialCell[k] - 1] = ThemeTag(k);
  w.Explored[w.SpecialCell[7] - 1] = 1;

  w.MonsterName[1] = "THIEF";
  w.MonsterName[2] = "DRAGON";
  for (int m = 1; m <= 100; ++m) BuildUndergroundRoom(rnd, m, w);
  DrawPassages(rnd, w);
  OpenPassages(w);

  CopyTemplateBatches(rnd, templates, w);
  return w;
}

WriteResult WriteWorld(const WorldWork& world, const Game& g) {
  FileGroup files;
  for (const auto& [number, room] : world.rooms) {
    AddRoomFile(files, RoomFilePath(g.GamePath, number), room);
  }
  AddSavedGame(files, g);
  return files.Write();
}

}  // namespace tq
