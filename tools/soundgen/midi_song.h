// A piece of music built note by note and written as a Standard MIDI File for General MIDI.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tq::soundgen {

class Song {
 public:
  static constexpr int kTicksPerBeat = 480;
  static constexpr int kDrumChannel = 9;

  Song(std::string title, double beatsPerMinute, int beatsPerBar);

  // One instrument (a General MIDI program) on a channel and track of its own; returns its
  // index.
  int AddPart(const std::string& name, int program, int volume, int pan, int reverb = 50);
  // The drum kit, on the drum channel and a track of its own; returns its index.
  int AddDrums(const std::string& name, int volume, int pan, int reverb = 50);
  // A note from `beat` lasting `beats`; `gate` is the sounding share of that time.
  void Note(int part, double beat, double beats, int note, int velocity, double gate = 0.95);
  // A line in a compact notation, e.g. "D5:1.5 E5:.5 F5+A5:1 r:1": a pitch (or several joined
  // by "+"; "r" is a rest) and its length in beats. Returns the beat after the last note.
  double Line(int part, double beat, std::string_view text, int velocity, double gate = 0.95);
  // A controller change, e.g. a swell of expression (11).
  void Control(int part, double beat, int controller, int value);

  // Fixes the length. A looping piece stops every voice dead on its last tick, so that a MIDI
  // player repeats it in time; its render lets them ring on over the start instead.
  void Finish(double beats, bool loops);
  // Plays the whole piece louder or softer by `db` decibels, through every part's volume and
  // every note's velocity alike, so the pieces of the game sound equally loud.
  void setLevel(double db) { levelDb_ = db; }

  int beatsPerBar() const { return beatsPerBar_; }
  double seconds() const;
  std::string Bytes() const;

 private:
  struct Event {
    std::uint32_t tick;
    int order;  // at the same tick: controllers, then note-offs, then note-ons
    std::vector<std::uint8_t> data;
  };
  struct Part {
    std::string name;
    int channel;
    std::vector<Event> events;
  };
  int AddTrack(const std::string& name, int channel, int program, int volume, int pan, int reverb);
  std::uint32_t Tick(double beat) const;

  std::string title_;
  double bpm_;
  int beatsPerBar_;
  std::vector<Part> parts_;
  int nextChannel_ = 0;  // of the instruments; the drums have theirs
  std::uint32_t endTick_ = 0;
  double levelDb_ = 0.0;
};

// The MIDI note number of a name such as "C4" (middle C = 60), "F#3" or "Bb5".
int NoteNumber(std::string_view name);

}  // namespace tq::soundgen
