// The game's sequential text files: items separated by commas and CR LF line ends, text in
// quotes, numbers bare; whole-file reading with a size cap (writing: platform/file_writes.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/value.h"

namespace tq {

// GUARD: a huge or endless file in the game's folder would be read whole into memory. Our data
// files are a few kilobytes; anything far larger is not one of them.
constexpr std::size_t kMaxDataFileBytes = 64 * 1024;

// The short name a message uses for a data file: its folder and its name ("Files/ROOM45").
std::string DataFileName(const std::string& path);

// Reads a whole file into `out`: while a committed group that holds it is not in place yet,
// the group's copy (platform/file_writes.h), which is what will land. On failure (missing,
// unreadable, larger than `maxBytes`) returns a message naming the file; `out` then holds
// nothing useful.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string& out,
                                         std::size_t maxBytes = kMaxDataFileBytes);
// The message for a file whose content is wrong: "Files/ROOM45 is damaged: <problem>."
std::string DamagedFileMessage(const std::string& path, const std::string& problem);

// Builds the text of a file one write statement (line) at a time.
class SeqWriter {
 public:
  // Text, always quoted; nothing inside is escaped.
  void Text(std::string_view s);
  // A whole number, bare.
  void Number(std::int64_t n);
  // A dynamic value by what it holds: a number bare, text quoted, empty as nothing.
  void Dynamic(const Value& v);
  // A 16-bit number, bare.
  void Int16(std::int16_t n) { Number(n); }
  // Ends the current line with CR LF.
  void EndLine();

  const std::string& str() const { return out_; }

 private:
  void Separate();

  std::string out_;
  bool lineHasItems_ = false;
};

// Takes items one by one in order, whatever line they stand on. Each read returns nullopt on
// success or what was wrong with the item (without the file name); after a failure the reader
// is not to be used further.
class SeqReader {
 public:
  explicit SeqReader(std::string_view data) : data_(data) {}

  // Quoted text without its quotes; an empty item is "".
  std::optional<std::string> Text(std::string& out);
  // Quoted text becomes text, a bare number a number, an empty item empty.
  std::optional<std::string> Dynamic(Value& out);
  // A bare number from -32768 to 32767; an empty item is 0.
  std::optional<std::string> Int16(std::int16_t& out);

  // Once every item of the format is read: nullopt when nothing but blanks and line ends
  // follows, else the problem ("it holds more than 170 items").
  // GUARD: a file with more items than its format holds (a line doubled by hand or by a
  // faulty copy) would load shifted by one item, a flag or a tag where another belongs, and a
  // room written back would keep the damage; it is refused as damaged, as a short file is.
  std::optional<std::string> End();

 private:
  struct Item {
    bool quoted = false;
    std::string_view text;
  };
  std::optional<std::string> Next(Item& item);

  std::string_view data_;
  std::size_t pos_ = 0;
  int items_ = 0;
  bool afterComma_ = false;  // the last item ended in a comma, so another item follows
};

}  // namespace tq
