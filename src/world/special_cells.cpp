// The walk-back draw of the special cells.
#include "world/special_cells.h"

#include "platform/random.h"
#include "world/world_work.h"

namespace tq {

void DrawSpecialCells(Random& rnd, WorldWork& w) {
  int k = 1;
  while (k != 30) {
    const int cell = static_cast<int>(rnd.Draw(100));
    w.SpecialCell[k] = cell;
    bool rejected = OnWorldBorder(cell);
    // Entries above k still hold what earlier draws left there, and they count too.
    for (int j = 1; j <= 28 && !rejected; ++j) {
      if (j != k && w.SpecialCell[j] == cell) rejected = true;
    }
    if (!rejected) {
      ++k;
    } else if (k > 1) {
      --k;
    }
  }
}

}  // namespace tq
