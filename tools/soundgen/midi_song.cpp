// A piece of music built note by note and written as a Standard MIDI File for General MIDI.
#include "midi_song.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tq::soundgen {
namespace {

void PutVarLen(std::string& out, std::uint32_t v) {
  std::uint8_t bytes[5];
  int n = 0;
  bytes[n++] = static_cast<std::uint8_t>(v & 0x7F);
  while ((v >>= 7) != 0) bytes[n++] = static_cast<std::uint8_t>((v & 0x7F) | 0x80);
  while (n > 0) out.push_back(static_cast<char>(bytes[--n]));
}

void Put32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

void Put16(std::string& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v >> 8));
  out.push_back(static_cast<char>(v & 0xFF));
}

std::uint8_t Byte(int v) {
  return static_cast<std::uint8_t>(std::clamp(v, 0, 127));
}

// The synthesiser renders General MIDI far quieter than the effects are mixed, so every
// piece is played harder and louder than written, keeping the balance between its parts.
constexpr double kVelocityLift = 1.25;
constexpr int kVolumeLift = 17;

}  // namespace

int NoteNumber(std::string_view name) {
  static constexpr int kSteps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.empty() || name[0] < 'A' || name[0] > 'G') {
    throw std::invalid_argument("bad note " + std::string(name));
  }
  int semis = kSteps[name[0] - 'A'];
  std::size_t i = 1;
  if (i < name.size() && name[i] == '#') ++semis, ++i;
  if (i < name.size() && name[i] == 'b') --semis, ++i;
  if (i >= name.size()) throw std::invalid_argument("note without octave " + std::string(name));
  const int octave = std::stoi(std::string(name.substr(i)));
  return 12 * (octave + 1) + semis;
}

Song::Song(std::string title, double beatsPerMinute, int beatsPerBar)
    : title_(std::move(title)), bpm_(beatsPerMinute), beatsPerBar_(beatsPerBar) {}

int Song::AddPart(const std::string& name, int program, int volume, int pan, int reverb) {
  if (nextChannel_ == kDrumChannel) ++nextChannel_;
  if (nextChannel_ > 15) throw std::length_error(title_ + " has more parts than MIDI channels");
  return AddTrack(name, nextChannel_++, program, volume, pan, reverb);
}

int Song::AddDrums(const std::string& name, int volume, int pan, int reverb) {
  return AddTrack(name, kDrumChannel, 0, volume, pan, reverb);
}

int Song::AddTrack(const std::string& name, int channel, int program, int volume, int pan,
                   int reverb) {
  Part part{name, channel, {}};
  const auto status = static_cast<std::uint8_t>(0xB0 | channel);
  part.events.push_back({0, 0, {status, 7, Byte(volume + kVolumeLift)}});
  part.events.push_back({0, 0, {status, 10, Byte(pan)}});
  part.events.push_back({0, 0, {status, 91, Byte(reverb)}});
  if (channel != kDrumChannel) {
    part.events.push_back({0, 0, {static_cast<std::uint8_t>(0xC0 | channel), Byte(program)}});
  }
  parts_.push_back(std::move(part));
  return static_cast<int>(parts_.size()) - 1;
}

std::uint32_t Song::Tick(double beat) const {
  return static_cast<std::uint32_t>(std::lround(std::max(0.0, beat) * kTicksPerBeat));
}

void Song::Note(int part, double beat, double beats, int note, int velocity, double gate) {
  Part& p = parts_.at(static_cast<std::size_t>(part));
  const std::uint32_t on = Tick(beat);
  const std::uint32_t off = std::max(on + 1, Tick(beat + beats * gate));
  p.events.push_back({on,
                      2,
                      {static_cast<std::uint8_t>(0x90 | p.channel), Byte(note),
                       Byte(static_cast<int>(velocity * kVelocityLift + 0.5))}});
  p.events.push_back({off, 1, {static_cast<std::uint8_t>(0x80 | p.channel), Byte(note), 0}});
}

double Song::Line(int part, double beat, std::string_view text, int velocity, double gate) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    if (pos >= text.size()) break;
    std::size_t end = text.find(' ', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view token = text.substr(pos, end - pos);
    pos = end;
    const std::size_t colon = token.find(':');
    if (colon == std::string_view::npos) {
      throw std::invalid_argument("no length in " + std::string(token));
    }
    const double beats = std::stod(std::string(token.substr(colon + 1)));
    std::string_view pitches = token.substr(0, colon);
    if (pitches != "r") {
      std::size_t p = 0;
      while (p <= pitches.size()) {
        std::size_t plus = pitches.find('+', p);
        if (plus == std::string_view::npos) plus = pitches.size();
        Note(part, beat, beats, NoteNumber(pitches.substr(p, plus - p)), velocity, gate);
        p = plus + 1;
      }
    }
    beat += beats;
  }
  return beat;
}

void Song::Control(int part, double beat, int controller, int value) {
  Part& p = parts_.at(static_cast<std::size_t>(part));
  p.events.push_back(
      {Tick(beat),
       0,
       {static_cast<std::uint8_t>(0xB0 | p.channel), Byte(controller), Byte(value)}});
}

void Song::Finish(double beats, bool loops) {
  endTick_ = Tick(beats);
  for (Part& p : parts_) {
    for (Event& e : p.events) {
      // Nothing may sound past the end; a note-off that would is moved onto the last tick.
      if ((e.data[0] & 0xF0) == 0x80 && e.tick > endTick_) e.tick = endTick_;
    }
    std::erase_if(p.events, [&](const Event& e) {
      return e.tick > endTick_ || (e.tick == endTick_ && (e.data[0] & 0xF0) == 0x90);
    });
    if (loops) {
      const auto status = static_cast<std::uint8_t>(0xB0 | p.channel);
      p.events.push_back({endTick_, 3, {status, 123, 0}});  // all notes off
      p.events.push_back({endTick_, 3, {status, 120, 0}});  // all sound off
    }
  }
}

double Song::seconds() const {
  return endTick_ / static_cast<double>(kTicksPerBeat) * 60.0 / bpm_;
}

namespace {

// Volume and velocity both set a note's loudness at 40 log10(v / 127) decibels, so a level
// scales them by the same factor; what the volume cannot take (it tops out at 127) the
// velocity does.
std::vector<std::uint8_t> Leveled(std::vector<std::uint8_t> data, double db, int volume) {
  const double factor = std::pow(10.0, db / 40.0);
  const int kind = data[0] & 0xF0;
  if (kind == 0xB0 && data[1] == 7) {
    data[2] = Byte(static_cast<int>(std::lround(data[2] * factor)));
  } else if (kind == 0x90 && data[2] > 0) {
    const double byVolume = volume > 0 ? std::min(factor, 127.0 / volume) : factor;
    data[2] = static_cast<std::uint8_t>(
        std::clamp(static_cast<int>(std::lround(data[2] * factor / byVolume)), 1, 127));
  }
  return data;
}

}  // namespace

std::string Song::Bytes() const {
  std::string out = "MThd";
  Put32(out, 6);
  Put16(out, 1);
  Put16(out, static_cast<std::uint16_t>(parts_.size() + 1));
  Put16(out, kTicksPerBeat);

  auto track = [&](const std::string& name, std::vector<Event> events) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
      return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::string body;
    PutVarLen(body, 0);
    body += "\xFF\x03";
    PutVarLen(body, static_cast<std::uint32_t>(name.size()));
    body += name;
    std::uint32_t now = 0;
    for (const Event& e : events) {
      PutVarLen(body, e.tick - now);
      now = e.tick;
      body.append(e.data.begin(), e.data.end());
    }
    PutVarLen(body, endTick_ - now);
    body += std::string("\xFF\x2F\x00", 3);
    out += "MTrk";
    Put32(out, static_cast<std::uint32_t>(body.size()));
    out += body;
  };

  const auto tempo = static_cast<std::uint32_t>(std::lround(60'000'000.0 / bpm_));
  std::vector<Event> conductor;
  conductor.push_back({0,
                       0,
                       {0xFF, 0x51, 3, static_cast<std::uint8_t>(tempo >> 16),
                        static_cast<std::uint8_t>(tempo >> 8), static_cast<std::uint8_t>(tempo)}});
  conductor.push_back({0, 0, {0xFF, 0x58, 4, static_cast<std::uint8_t>(beatsPerBar_), 2, 24, 8}});
  track(title_, conductor);
  for (const Part& p : parts_) {
    int volume = 0;
    for (const Event& e : p.events)
      if ((e.data[0] & 0xF0) == 0xB0 && e.data[1] == 7) volume = e.data[2];
    std::vector<Event> events = p.events;
    for (Event& e : events) e.data = Leveled(e.data, levelDb_, volume);
    track(p.name, events);
  }
  return out;
}

}  // namespace tq::soundgen
