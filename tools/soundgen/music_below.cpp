// The music under the ground: the caves, the foul dungeons and the boss fights.
#include <cstddef>
#include <string_view>

#include "compose.h"
#include "music.h"

namespace tq::soundgen {

// The caves: a slow shakuhachi line in E phrygian, dripping marimba, a dark pad, distant toms.
Song CavesTheme() {
  Song song("Underground", 72, 4);
  const int flute = song.AddPart("Shakuhachi", program::kShakuhachi, 100, 58, 90);
  const int marimba = song.AddPart("Marimba", program::kMarimba, 80, 74, 80);
  const int pad = song.AddPart("Pad", program::kWarmPad, 78, 64, 90);
  const int bass = song.AddPart("Fretless bass", program::kFretlessBass, 95, 64, 50);
  const int drums = song.AddDrums("Toms", 75, 64, 90);

  EachBar(song, "Em Em F F Em Em Dm Em Am Am F F Em C F Em",
          [&](std::size_t bar, double at, std::string_view chord) {
            Pad(song, pad, at, 4, chord, 3, 64);
            // Water dripping in the dark: a broken chord with gaps.
            Broken(song, marimba, at, 4, chord, 4, 0.5, {0, 2, 4, 1, 3, 2, 5, 1}, 60, 0.6);
            const int low = LowRoot(chord, 2, "G2");
            song.Note(bass, at, 2.5, low, 96);
            song.Note(bass, at + 2.5, 1.5, low + 7, 65);
            if (bar % 2 == 0) {
              Hits(song, drums, at, 0.5, drum::kLowFloorTom, "x.......", 88);
            } else {
              Hits(song, drums, at, 0.5, drum::kLowTom, "......o.", 78);
              Hits(song, drums, at, 0.5, drum::kRim, "....o...", 58);
            }
          });
  const double end = Melody(song, flute, 0,
                            {{"B4:3 A4:.5 G4:.5 E4:4 F4:1.5 G4:.5 A4:2 C5:2 B4:1 A4:1", 98},
                             {"B4:4 G4:2 F4:1 E4:1 D4:2 F4:1 A4:1 E4:4", 94},
                             {"A4:2 C5:2 E5:3 D5:.5 C5:.5 D5:2 C5:1 A4:1 C5:4", 102},
                             {"B4:2 G4:1 E4:1 G4:2 E4:1 G4:1 A4:2 G4:1 F4:1 E4:4", 96}});
  song.Finish(end, true);
  return song;
}

// The foul dungeons: a creeping cello figure, tremolo strings, an eerie choir, a heartbeat.
Song FoulDungeonTheme() {
  Song song("Foul Dungeon", 84, 4);
  const int choir = song.AddPart("Choir", program::kChoir, 95, 64, 90);
  const int cello = song.AddPart("Cello", program::kCello, 100, 50, 50);
  const int tremolo = song.AddPart("Tremolo strings", program::kTremoloStrings, 70, 80, 80);
  const int bells = song.AddPart("Tubular bells", program::kTubularBells, 80, 70, 100);
  const int timpani = song.AddPart("Timpani", program::kTimpani, 95, 64, 60);
  const int drums = song.AddDrums("Heartbeat", 90, 64, 40);

  EachBar(song, "Cm Cm Ab Ab Fm Fm G G Cm Db Cm Db Fm Ab G G",
          [&](std::size_t bar, double at, std::string_view chord) {
            const int low = LowRoot(chord, 2, "E2");
            // The figure crawls a half step above and below its root.
            const int crawl[] = {0, 7, 8, 7, 0, 7, 6, 7};
            for (int k = 0; k < 8; ++k)
              song.Note(cello, at + k * 0.5, 0.5, low + 12 + crawl[k], k == 0 ? 96 : 76, 0.8);
            Pad(song, tremolo, at, 4, chord, 3, 62);
            Hits(song, drums, at, 0.25, drum::kKick, "x..o............", 96);
            if (bar % 8 == 0) song.Note(bells, at, 4, NoteNumber("C5"), 70);
          });
  for (int k = 0; k < 16; ++k)
    song.Note(timpani, 56.0 + k * 0.5, 0.5, NoteNumber("G2"), 40 + k * 4);
  const double end = Melody(song, choir, 0,
                            {{"C5:4 Eb5:2 D5:2 C5:4 Eb5:2 D5:1 C5:1", 86},
                             {"Ab4:4 G4:2 F4:2 B4:4 D5:2 Ab4:2", 90},
                             {"G5:4 Ab5:2 F5:2 Eb5:4 F5:2 Db5:2", 96},
                             {"C5:4 Eb5:2 C5:2 B4:4 D5:2 F5:1 Eb5:.5 D5:.5", 92}});
  song.Finish(end, true);
  return song;
}

namespace {

// The boss's kit: kick, snare and hats driving on, a tom run down into the repeat, a crash
// every fourth bar.
void BossDrums(Song& song, int kit, std::size_t bar, double at) {
  if (bar == 15) {
    Hits(song, kit, at, 0.25, drum::kHighTom, "....xxxx........", 85);
    Hits(song, kit, at, 0.25, drum::kMidTom, "........xxxx....", 90);
    Hits(song, kit, at, 0.25, drum::kLowFloorTom, "............xxXX", 95);
    Hits(song, kit, at, 0.5, drum::kKick, "x.......", 100);
  } else {
    Hits(song, kit, at, 0.5, drum::kKick, "x.x..xx.", 96);
    Hits(song, kit, at, 0.5, drum::kSnare, "..x...x.", 92);
    Hits(song, kit, at, 0.5, drum::kClosedHat, "xoxoxoxo", 70);
  }
  if (bar % 4 == 0) song.Note(kit, at, 2, drum::kCrash, bar == 0 ? 90 : 105);
}

}  // namespace

// The boss: driving staccato strings, brass stabs, heroic horns, timpani and a full kit.
Song BossTheme() {
  Song song("Boss", 144, 4);
  const int horns = song.AddPart("Horns", program::kFrenchHorn, 110, 56, 60);
  const int strings = song.AddPart("Strings", program::kStrings, 95, 72, 50);
  const int brass = song.AddPart("Brass", program::kBrassSection, 90, 64, 50);
  const int bass = song.AddPart("Bass", program::kFingerBass, 100, 64, 30);
  const int timpani = song.AddPart("Timpani", program::kTimpani, 100, 64, 50);
  const int trumpet = song.AddPart("Trumpet", program::kTrumpet, 95, 80, 60);
  const int kit = song.AddDrums("Drums", 100, 64, 40);

  EachBar(song, "Dm Dm Bb C Dm Dm Gm A Dm F Bb C Gm Bb A A",
          [&](std::size_t bar, double at, std::string_view chord) {
            const int tone = LowRoot(chord, 3, "F3");
            const int figure[] = {0, 0, 12, 0, 7, 0, 12, 0};
            for (int k = 0; k < 16; ++k) {
              song.Note(strings, at + k * 0.25, 0.25, tone + 12 + figure[k % 8],
                        k % 4 == 0 ? 92 : 66, 0.55);
            }
            for (int k = 0; k < 8; ++k)
              song.Note(bass, at + k * 0.5, 0.5, tone - 12, k % 2 == 0 ? 96 : 78, 0.8);
            // Brass punches on the one and the "and" of two.
            Pad(song, brass, at, 1, chord, 4, 84);
            Pad(song, brass, at + 1.5, 0.5, chord, 4, 72);
            song.Note(timpani, at, 1, tone - 12, 100);
            song.Note(timpani, at + 2.5, 0.5, tone - 5, 80);
            BossDrums(song, kit, bar, at);
          });
  const double half = Melody(song, horns, 0,
                             {{"D4:1.5 A4:.5 A4:2 G4:.5 F4:.5 E4:.5 F4:.5 D4:2", 100},
                              {"F4:1.5 Bb4:.5 Bb4:2 C5:.5 Bb4:.5 A4:.5 G4:.5 E4:2", 100},
                              {"D5:1.5 A4:.5 A4:1 F4:1 G4:1 A4:1 F4:1 D4:1", 104},
                              {"G4:1.5 Bb4:.5 D5:2 C#5:2 E5:1 A4:1", 108}});
  // The second half: the trumpet takes the tune up, the horns answer below.
  Melody(song, trumpet, half,
         {{"F5:2 E5:1 D5:1 C5:2 A4:1 F4:1 D5:2 C5:1 Bb4:1 E5:2 G5:1 E5:1", 100},
          {"D5:1 Bb4:1 G4:1 Bb4:1 F5:2 D5:2 E5:1 C#5:1 A4:1 C#5:1 E5:3 r:1", 104}});
  const double end = Melody(song, horns, half,
                            {{"D4:2 C4:1 Bb3:1 A3:2 F3:2 F4:2 D4:2 G4:2 E4:2", 90},
                             {"G3:2 Bb3:2 D4:2 F4:2 C#4:2 E4:2 A3:4", 92}});
  song.Finish(end, true);
  return song;
}

}  // namespace tq::soundgen
