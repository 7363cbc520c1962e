// The pieces that play once: going down into a dungeon, the hero's death and the victory.
#include <cstddef>
#include <string_view>

#include "compose.h"
#include "music.h"

namespace tq::soundgen {

// A hole swallows the hero: low brass falling to C minor, a timpani roll and a gong.
Song DungeonJingle() {
  Song song("Into the dungeon", 84, 4);
  const int brass = song.AddPart("Trombones", program::kTrombone, 110, 60, 70);
  const int tuba = song.AddPart("Tuba", program::kTuba, 100, 64, 60);
  const int strings = song.AddPart("Strings", program::kStrings, 90, 80, 80);
  const int timpani = song.AddPart("Timpani", program::kTimpani, 110, 64, 60);
  const int kit = song.AddDrums("Cymbals", 100, 64, 80);

  song.Line(brass, 0, "G3:.5 F#3:.5 G3:.5 Eb3:.5 C3+G3:4", 100);
  song.Line(tuba, 0, "G2:.5 F#2:.5 G2:.5 Eb2:.5 C2:4", 96);
  song.Note(strings, 2, 4, NoteNumber("C4"), 70);
  song.Note(strings, 2, 4, NoteNumber("Eb4"), 70);
  song.Note(strings, 2, 4, NoteNumber("Gb4"), 64);  // the diminished fifth darkens it
  for (int k = 0; k < 8; ++k) song.Note(timpani, k * 0.25, 0.25, NoteNumber("C2"), 50 + k * 7);
  song.Note(timpani, 2, 2, NoteNumber("C2"), 120);
  song.Note(kit, 2, 4, drum::kChinaCymbal, 110);
  song.Note(kit, 2, 1, drum::kLowFloorTom, 110);
  song.Finish(7, false);
  return song;
}

// The hero has fallen: an oboe lament falling over slow strings, ending in A minor.
Song DeathTune() {
  Song song("Fallen", 76, 4);
  const int oboe = song.AddPart("Oboe", program::kOboe, 100, 60, 70);
  const int strings = song.AddPart("Strings", program::kStrings, 90, 72, 80);
  const int harp = song.AddPart("Harp", program::kHarp, 85, 50, 80);
  const int bass = song.AddPart("Contrabass", program::kContrabass, 90, 64, 60);

  song.Line(oboe, 0, "E5:1 D5:1 C5:1 B4:1 A4:1 F4:1 E4:1 G#4:1 A4:4", 84, 0.98);
  Pad(song, strings, 0, 4, "Am", 3, 60);
  Pad(song, strings, 4, 2, "Dm", 3, 56);
  Pad(song, strings, 6, 2, "E7", 3, 58);
  Pad(song, strings, 8, 4, "Am", 3, 52);
  song.Line(bass, 0, "A1:4 D2:2 E1:2 A1:4", 80);
  Broken(song, harp, 8, 2, "Am", 4, 0.25, {7, 6, 5, 4, 3, 2, 1, 0}, 50, 1.0);
  song.Finish(13, false);
  return song;
}

// Victory: trumpet fanfare over the full band, cymbals and timpani, closing on a big D major.
Song WinTune() {
  Song song("Victory", 112, 4);
  const int trumpets = song.AddPart("Trumpets", program::kTrumpet, 110, 60, 60);
  const int horns = song.AddPart("Horns", program::kFrenchHorn, 100, 50, 60);
  const int strings = song.AddPart("Strings", program::kStrings, 95, 78, 70);
  const int bass = song.AddPart("Bass", program::kTuba, 95, 64, 50);
  const int timpani = song.AddPart("Timpani", program::kTimpani, 105, 64, 60);
  const int kit = song.AddDrums("Percussion", 95, 64, 70);

  const double end = Melody(song, trumpets, 0,
                            {{"D5:.5 D5:.5 D5:.5 D5:.5 A5:2 B5:1.5 A5:.5 G5:1 B5:1", 104},
                             {"A5:1.5 F#5:.5 D5:2 E5:1 F#5:1 G5:1 A5:1", 100},
                             {"F#5:1.5 D5:.5 B4:2 G5:1 A5:1 B5:1 D6:1", 104},
                             {"A5:1.5 F#5:.5 D6:2 G5:1 E5:1 C#5:1 E5:1 D5+F#5+D6:6", 110}});
  EachBar(song, "D G D A Bm G D A7 D", [&](std::size_t bar, double at, std::string_view chord) {
    const bool last = bar == 8;  // held on for six beats
    const double length = last ? 6.0 : 4.0;
    Pad(song, strings, at, length, chord, 4, 72);
    Pad(song, horns, at, length, chord, 3, 66);
    const int low = LowRoot(chord, 2, "E2");
    song.Note(bass, at, 2, low, 90);
    song.Note(bass, at + 2, last ? 4 : 2, low + 7, 80);
    song.Note(timpani, at, 1, low, 96);
    Hits(song, kit, at, 0.5, drum::kSnare, last ? "" : "..o...oo", 60);
  });
  song.Note(kit, 0, 4, drum::kCrash, 100);
  song.Note(kit, 16, 4, drum::kCrash, 100);
  for (int k = 0; k < 12; ++k)
    song.Note(timpani, 28 + k * 0.33, 0.33, NoteNumber("A1"), 50 + k * 6);
  song.Note(kit, 32, 6, drum::kCrash, 120);
  song.Note(timpani, 32, 2, NoteNumber("D2"), 120);
  song.Finish(end + 1.5, false);
  return song;
}

}  // namespace tq::soundgen
