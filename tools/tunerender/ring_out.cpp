// Reading a Standard MIDI File's tracks event by event and writing them back with the last-tick
// cuts of a repeating tune dropped and its tracks lengthened.
#include "ring_out.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <vector>

namespace tq::tunerender {
namespace {

constexpr int kAllSoundOff = 120;
constexpr int kAllNotesOff = 123;

struct Event {
  std::uint32_t tick;
  std::string bytes;  // the whole event: status and data, or a meta or system exclusive event
};

struct Track {
  std::vector<Event> events;  // without the end of track
  std::uint32_t end = 0;      // the tick of its end
};

std::uint32_t Be(const std::string& b, std::size_t at, int bytes) {
  if (at + static_cast<std::size_t>(bytes) > b.size()) throw std::runtime_error("cut short");
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

std::uint32_t ReadVarLen(const std::string& b, std::size_t& at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) {
    const auto c = static_cast<std::uint32_t>(Be(b, at++, 1));
    v = (v << 7) | (c & 0x7F);
    if (!(c & 0x80)) return v;
  }
  throw std::runtime_error("a number longer than four bytes");
}

void PutVarLen(std::string& out, std::uint32_t v) {
  std::string bytes(1, static_cast<char>(v & 0x7F));
  while ((v >>= 7) != 0) bytes.insert(bytes.begin(), static_cast<char>((v & 0x7F) | 0x80));
  out += bytes;
}

void Put32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

// One event from `at`, under the running status of the channel messages before it.
Event ReadEvent(const std::string& b, std::size_t& at, std::uint32_t tick, std::uint8_t& running) {
  const std::size_t start = at;
  const auto lead = static_cast<std::uint8_t>(Be(b, at, 1));
  if (lead == 0xFF || lead == 0xF0 || lead == 0xF7) {
    at += lead == 0xFF ? 2 : 1;  // status, and a meta event's type
    const std::uint32_t size = ReadVarLen(b, at);
    at += size;
    if (at > b.size()) throw std::runtime_error("an event cut short");
    return {tick, b.substr(start, at - start)};
  }
  if (lead & 0x80) running = lead, ++at;
  if (!running) throw std::runtime_error("data without a status");
  const int kind = running & 0xF0;
  const std::size_t size = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
  at += size;
  if (at > b.size()) throw std::runtime_error("an event cut short");
  return {tick, static_cast<char>(running) + b.substr(at - size, size)};
}

Track ReadTrack(const std::string& b, std::size_t at, std::size_t stop) {
  Track track;
  std::uint32_t tick = 0;
  std::uint8_t running = 0;
  while (at < stop) {
    tick += ReadVarLen(b, at);
    Event e = ReadEvent(b, at, tick, running);
    if (e.bytes[0] == '\xFF' && e.bytes[1] == '\x2F') {
      track.end = tick;
      return track;
    }
    track.events.push_back(std::move(e));
  }
  throw std::runtime_error("a track without its end");
}

bool IsCut(const Event& e, std::uint32_t end) {
  const auto status = static_cast<std::uint8_t>(e.bytes[0]);
  const int controller = e.bytes.size() > 1 ? e.bytes[1] : -1;
  return e.tick == end && (status & 0xF0) == 0xB0 &&
         (controller == kAllSoundOff || controller == kAllNotesOff);
}

std::string TrackBytes(const Track& track) {
  std::string body;
  std::uint32_t now = 0;
  for (const Event& e : track.events) {
    PutVarLen(body, e.tick - now);
    now = e.tick;
    body += e.bytes;
  }
  PutVarLen(body, track.end - now);
  body += std::string("\xFF\x2F\x00", 3);
  std::string out = "MTrk";
  Put32(out, static_cast<std::uint32_t>(body.size()));
  return out + body;
}

// Seconds from the start to `end` under the tempo changes of all tracks; `lastTempo` is the one
// in force there, in microseconds a beat.
double SecondsTo(const std::vector<Track>& tracks, std::uint32_t end, int division,
                 std::uint32_t& lastTempo) {
  std::map<std::uint32_t, std::uint32_t> tempos = {{0, 500000}};
  for (const Track& t : tracks)
    for (const Event& e : t.events)
      if (e.bytes.size() == 6 && e.bytes[0] == '\xFF' && e.bytes[1] == '\x51')
        tempos[e.tick] = Be(e.bytes, 3, 3);
  double seconds = 0;
  std::uint32_t last = 0;
  lastTempo = 500000;
  for (const auto& [tick, tempo] : tempos) {
    if (tick >= end) break;
    seconds += static_cast<double>(tick - last) * lastTempo / 1e6 / division;
    last = tick, lastTempo = tempo;
  }
  return seconds + static_cast<double>(end - last) * lastTempo / 1e6 / division;
}

}  // namespace

RingingTune LetRingOut(const std::string& smf, double ringSeconds) {
  if (smf.size() < 14 || smf.compare(0, 4, "MThd") != 0) throw std::runtime_error("not MIDI");
  const std::uint32_t tracksCount = Be(smf, 10, 2), division = Be(smf, 12, 2);
  if (division & 0x8000) throw std::runtime_error("time code timing");
  std::vector<Track> tracks;
  std::size_t at = 8 + Be(smf, 4, 4);
  for (std::uint32_t i = 0; i < tracksCount; ++i) {
    const std::size_t stop = at + 8 + Be(smf, at + 4, 4);
    if (stop > smf.size()) throw std::runtime_error("a track cut short");
    if (smf.compare(at, 4, "MTrk") == 0) tracks.push_back(ReadTrack(smf, at + 8, stop));
    at = stop;
  }
  std::uint32_t end = 0;
  for (const Track& t : tracks) end = std::max(end, t.end);
  bool repeats = false;
  for (Track& t : tracks)
    repeats |= std::erase_if(t.events, [&](const Event& e) { return IsCut(e, end); }) > 0;
  if (!repeats) return {smf, 0};
  std::uint32_t tempo = 0;
  const double loopSeconds = SecondsTo(tracks, end, static_cast<int>(division), tempo);
  const auto ring = static_cast<std::uint32_t>(std::ceil(ringSeconds * 1e6 / tempo * division));
  std::string out = smf.substr(0, 8 + Be(smf, 4, 4));
  out[10] = static_cast<char>(tracks.size() >> 8), out[11] = static_cast<char>(tracks.size());
  for (Track& t : tracks) {
    t.end = end + ring;
    out += TrackBytes(t);
  }
  return {out, loopSeconds};
}

}  // namespace tq::tunerender
