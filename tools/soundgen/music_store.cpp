// The shops' tune: a cheerful recorder over oom-pah bassoon and plucked strings.
#include <cstddef>
#include <string_view>

#include "compose.h"
#include "music.h"

namespace tq::soundgen {

Song StoreTheme() {
  Song song("Store", 112, 4);
  const int recorder = song.AddPart("Recorder", program::kRecorder, 105, 60, 50);
  const int pizz = song.AddPart("Pizzicato", program::kPizzicatoStrings, 95, 76, 50);
  const int bassoon = song.AddPart("Bassoon", program::kBassoon, 95, 50, 40);
  const int glock = song.AddPart("Glockenspiel", program::kGlockenspiel, 55, 90, 70);
  const int drums = song.AddDrums("Percussion", 70, 64, 40);

  EachBar(song, "F Bb C F Dm Gm C C7 F F7 Bb Bbm F Dm Gm F",
          [&](std::size_t bar, double at, std::string_view chord) {
            if (bar == 14) {
              // Gm for two beats, then C: the turn home.
              song.Note(bassoon, at, 1, NoteNumber("G2"), 84, 0.7);
              Pad(song, pizz, at + 1, 1, "Gm", 4, 72);
              song.Note(bassoon, at + 2, 1, NoteNumber("C3"), 84, 0.7);
              Pad(song, pizz, at + 3, 1, "C7", 4, 72);
            } else {
              const int root = LowRoot(chord, 2, "E2");
              song.Note(bassoon, at, 1, root, 98, 0.7);
              Pad(song, pizz, at + 1, 1, chord, 4, 72);
              song.Note(bassoon, at + 2, 1, root + 7, 90, 0.7);
              Pad(song, pizz, at + 3, 1, chord, 4, 68);
            }
            Hits(song, drums, at, 0.5, drum::kTambourine, "..x...x.", 72);
            Hits(song, drums, at, 0.5, drum::kShaker, "oxoxoxox", 52);
            if (bar % 4 == 3) song.Note(drums, at + 3.5, 0.5, drum::kTriangle, 70);
            if (bar % 2 == 1) song.Note(glock, at + 3, 1, ChordTones(chord, 6)[bar % 3], 55);
          });
  const double end =
      Melody(song, recorder, 0,
             {{"C5:.5 F5:.5 A5:.5 F5:.5 C6:1 A5:1 Bb5:.5 A5:.5 G5:.5 F5:.5 D5:2", 92},
              {"E5:.5 F5:.5 G5:.5 A5:.5 Bb5:1 G5:1 A5:1.5 G5:.5 F5:2", 102},
              {"F5:.5 A5:.5 D6:.5 A5:.5 F5:1 D5:1 G5:.5 Bb5:.5 D6:.5 Bb5:.5 G5:2", 92},
              {"C6:1 Bb5:.5 A5:.5 G5:1 E5:1 G5:1 E5:1 C5:1 E5:1", 100},
              {"A5:1.5 C6:.5 A5:1 F5:1 Eb6:1 C6:1 A5:1 F5:1", 106},
              {"D6:1.5 C6:.5 Bb5:1 F5:1 Db6:1 Bb5:1 F5:2", 104},
              {"C6:1 A5:.5 F5:.5 C6:1 A5:1 D6:1 A5:1 F5:1 D5:1", 106},
              {"Bb5:1 G5:1 E5:1 G5:1 F5:2 C5:1 A4:.5 Bb4:.5", 102}});
  song.Finish(end, true);
  return song;
}

}  // namespace tq::soundgen
