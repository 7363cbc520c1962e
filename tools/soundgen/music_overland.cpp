// The two outdoor themes: the Black Woods and the Far North.
#include <cstddef>
#include <string_view>

#include "compose.h"
#include "music.h"

namespace tq::soundgen {

// The Black Woods: a flute tune in D dorian over a picked guitar, light hand drums.
Song BlackWoodsTheme() {
  Song song("Black Woods", 100, 4);
  const int flute = song.AddPart("Flute", program::kFlute, 100, 70, 60);
  const int guitar = song.AddPart("Guitar", program::kNylonGuitar, 92, 50, 40);
  const int strings = song.AddPart("Strings", program::kStrings, 62, 80, 70);
  const int bass = song.AddPart("Bass", program::kAcousticBass, 100, 64, 30);
  const int drums = song.AddDrums("Hand drums", 80, 64, 40);

  EachBar(song, "Dm C Bb C Dm C Bb Dm F C Gm Dm Bb F Gm A",
          [&](std::size_t bar, double at, std::string_view chord) {
            if (bar == 6) {  // bar 7 changes chord half-way
              Broken(song, guitar, at, 2, "Bb", 3, 0.5, {0, 1, 2, 3}, 62);
              Broken(song, guitar, at + 2, 2, "C", 3, 0.5, {0, 1, 2, 3}, 62);
              song.Note(bass, at, 2, NoteNumber("Bb1"), 85);
              song.Note(bass, at + 2, 2, NoteNumber("C2"), 85);
            } else {
              Broken(song, guitar, at, 4, chord, 3, 0.5, {0, 2, 3, 1, 4, 2, 3, 1}, 62);
              const int low = LowRoot(chord, 2, "F2");
              song.Note(bass, at, 1.5, low, 88);
              song.Note(bass, at + 1.5, 0.5, low, 70);
              song.Note(bass, at + 2, 2, low + 7, 80);
            }
            Pad(song, strings, at, 4, chord, 4, 45);
            Hits(song, drums, at, 0.5, drum::kLowConga, "x..o.x..", 70);
            Hits(song, drums, at, 0.5, drum::kHighBongo, "..o...o.", 60);
            Hits(song, drums, at, 0.25, drum::kShaker, "o.o.x.o.o.o.x.o.", 45);
          });
  const double end = Melody(song, flute, 0,
                            {{"D5:1.5 E5:.5 F5:1 A5:1 G5:1.5 F5:.5 E5:1 C5:1", 92},
                             {"D5:1.5 E5:.5 F5:1 D5:1 E5:1 C5:1 G4:2", 88},
                             {"D5:1.5 E5:.5 F5:1 A5:1 C6:1.5 Bb5:.5 A5:1 G5:1", 92},
                             {"F5:1 D5:1 E5:1 C5:1 D5:3 r:1", 88},
                             {"A5:1.5 G5:.5 F5:1 C6:1 C6:1 Bb5:.5 A5:.5 G5:2", 96},
                             {"Bb5:1.5 A5:.5 G5:1 D5:1 F5:1 E5:1 D5:1 A5:1", 92},
                             {"D6:1.5 C6:.5 Bb5:1 F5:1 A5:1.5 G5:.5 F5:1 C5:1", 96},
                             {"G5:1 A5:1 Bb5:1 D6:1 C#6:2 E5:1 A4:1", 100}});
  song.Finish(end, true);
  return song;
}

// The Far North: a noble horn over harp and a cold choir, glinting glockenspiel.
Song FarNorthTheme() {
  Song song("Far North", 76, 4);
  const int horn = song.AddPart("Horn", program::kFrenchHorn, 105, 60, 80);
  const int harp = song.AddPart("Harp", program::kHarp, 90, 44, 70);
  const int choir = song.AddPart("Choir", program::kChoir, 70, 84, 90);
  const int bass = song.AddPart("Contrabass", program::kContrabass, 90, 64, 60);
  const int glock = song.AddPart("Glockenspiel", program::kGlockenspiel, 60, 90, 100);
  const int timpani = song.AddPart("Timpani", program::kTimpani, 85, 64, 60);

  EachBar(song, "Am F C G Am F Dm E Am C G F Dm Am F E",
          [&](std::size_t bar, double at, std::string_view chord) {
            Broken(song, harp, at, 4, chord, 3, 0.5, {0, 1, 2, 3, 4, 3, 2, 1}, 58);
            Pad(song, choir, at, 4, chord, 4, 50);
            const int root = ChordTones(chord, 1)[0];
            song.Note(bass, at, 4, root < NoteNumber("E1") ? root + 12 : root, 75);
            // A glint of ice every other beat, high in the chord.
            const auto high = ChordTones(chord, 6);
            song.Note(glock, at + 1.5, 0.5, high[bar % high.size()], 50);
            song.Note(glock, at + 3.5, 0.5, high[(bar + 2) % high.size()], 42);
            if (bar % 4 == 3) {
              for (int k = 0; k < 8; ++k)
                song.Note(timpani, at + 2 + k * 0.25, 0.25, root + 12, 40 + k * 6);
            }
          });
  const double end =
      Melody(song, horn, 0,
             {{"E4:2 A4:1 B4:1 C5:2 B4:1 A4:1 G4:3 E4:1 D4:2 G4:2", 84},
              {"E4:2 A4:1 B4:1 C5:1.5 D5:.5 E5:2 F5:1.5 E5:.5 D5:1 A4:1 B4:3 G#4:1", 88},
              {"A4:2 E5:2 G5:2 E5:1 C5:1 D5:1.5 E5:.5 D5:1 B4:1 C5:2 A4:2", 92},
              {"D5:1.5 E5:.5 F5:1 D5:1 E5:2 C5:1 A4:1 A4:1 C5:1 F5:1 E5:1 E5:2 D5:1 B4:1", 90}});
  song.Finish(end, true);
  return song;
}

}  // namespace tq::soundgen
