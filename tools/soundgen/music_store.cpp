// The shops' tune: a cheerful recorder over oom-pah bassoon and plucked strings.
#include <cstddef>

#include "compose.h"
#include "music.h"

namespace tq::soundgen {

Song StoreTheme() {
  Song song("Store", 112, 4);
  const int recorder = song.AddPart("Recorder", 0, 74, 105, 60, 50);
  const int pizz = song.AddPart("Pizzicato", 1, 45, 95, 76, 50);
  const int bassoon = song.AddPart("Bassoon", 2, 70, 95, 50, 40);
  const int glock = song.AddPart("Glockenspiel", 3, 9, 55, 90, 70);
  const int drums = song.AddPart("Percussion", Song::kDrumChannel, 0, 70, 64, 40);

  const auto chords = Bars("F Bb C F Dm Gm C C7 F F7 Bb Bbm F Dm Gm F");
  for (std::size_t bar = 0; bar < chords.size(); ++bar) {
    const double at = static_cast<double>(bar) * 4.0;
    std::string_view chord = chords[bar];
    if (bar == 14) {
      // Gm for two beats, then C: the turn home.
      song.Note(bassoon, at, 1, NoteNumber("G2"), 84, 0.7);
      Pad(song, pizz, at + 1, 1, "Gm", 4, 72);
      song.Note(bassoon, at + 2, 1, NoteNumber("C3"), 84, 0.7);
      Pad(song, pizz, at + 3, 1, "C7", 4, 72);
    } else {
      const auto tones = ChordTones(chord, 2);
      const int root = tones[0] > NoteNumber("E2") ? tones[0] - 12 : tones[0];
      song.Note(bassoon, at, 1, root, 98, 0.7);
      Pad(song, pizz, at + 1, 1, chord, 4, 72);
      song.Note(bassoon, at + 2, 1, root + 7, 90, 0.7);
      Pad(song, pizz, at + 3, 1, chord, 4, 68);
    }
    Hits(song, drums, at, 0.5, drum::kTambourine, "..x...x.", 72);
    Hits(song, drums, at, 0.5, drum::kShaker, "oxoxoxox", 52);
    if (bar % 4 == 3) song.Note(drums, at + 3.5, 0.5, drum::kTriangle, 70);
    if (bar % 2 == 1) song.Note(glock, at + 3, 1, ChordTones(chord, 6)[bar % 3], 55);
  }
  double at = 0;
  at = song.Line(recorder, at, "C5:.5 F5:.5 A5:.5 F5:.5 C6:1 A5:1 Bb5:.5 A5:.5 G5:.5 F5:.5 D5:2",
                 92);
  at = song.Line(recorder, at, "E5:.5 F5:.5 G5:.5 A5:.5 Bb5:1 G5:1 A5:1.5 G5:.5 F5:2", 102);
  at = song.Line(recorder, at, "F5:.5 A5:.5 D6:.5 A5:.5 F5:1 D5:1 G5:.5 Bb5:.5 D6:.5 Bb5:.5 G5:2",
                 92);
  at = song.Line(recorder, at, "C6:1 Bb5:.5 A5:.5 G5:1 E5:1 G5:1 E5:1 C5:1 E5:1", 100);
  at = song.Line(recorder, at, "A5:1.5 C6:.5 A5:1 F5:1 Eb6:1 C6:1 A5:1 F5:1", 106);
  at = song.Line(recorder, at, "D6:1.5 C6:.5 Bb5:1 F5:1 Db6:1 Bb5:1 F5:2", 104);
  at = song.Line(recorder, at, "C6:1 A5:.5 F5:.5 C6:1 A5:1 D6:1 A5:1 F5:1 D5:1", 106);
  at = song.Line(recorder, at, "Bb5:1 G5:1 E5:1 G5:1 F5:2 C5:1 A4:.5 Bb4:.5", 102);
  song.Finish(at, true);
  return song;
}

}  // namespace tq::soundgen
