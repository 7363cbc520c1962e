// Reading the game's sequential text files and building their text.
#include "platform/seq_file.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <limits>

#include "platform/file_writes.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}
bool IsControl(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7F;
}

std::string ItemProblem(int item, const std::string& what) {
  return "item " + std::to_string(item) + " " + what;
}

}  // namespace

std::string DataFileName(const std::string& path) {
  const fs::path p(path);
  const fs::path folder = p.parent_path().filename();
  if (folder.empty()) return p.filename().string();
  return (folder / p.filename()).string();
}

std::string DamagedFileMessage(const std::string& path, const std::string& problem) {
  return DataFileName(path) + " is damaged: " + problem + ".";
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::string& out,
                                         std::size_t maxBytes) {
  // A committed group not yet in place holds the newest content of its files.
  const std::string from = PathToRead(path);
  std::error_code ec;
  const auto status = fs::status(from, ec);
  if (ec || !fs::exists(status)) {
    // Only a name that leads nowhere is missing; a loop of links or a folder we may not enter
    // is there but cannot be read.
    if (!ec || ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory) {
      return DataFileName(path) + " is missing.";
    }
    return DataFileName(path) + " could not be opened: " + ec.message() + ".";
  }
  if (!fs::is_regular_file(status)) return DataFileName(path) + " is not a file.";
  std::ifstream in(from, std::ios::binary);
  if (!in) return DataFileName(path) + " could not be opened.";
  out.clear();
  char buf[8192];
  while (in) {
    in.read(buf, sizeof buf);
    out.append(buf, static_cast<std::size_t>(in.gcount()));
    if (out.size() > maxBytes) return DataFileName(path) + " is too large to be a game file.";
  }
  if (in.bad()) return DataFileName(path) + " could not be read.";
  return std::nullopt;
}

void SeqWriter::Separate() {
  if (lineHasItems_) out_ += ',';
  lineHasItems_ = true;
}

void SeqWriter::Text(std::string_view s) {
  Separate();
  out_ += '"';
  out_ += s;
  out_ += '"';
}

void SeqWriter::Number(std::int64_t n) {
  Separate();
  out_ += std::to_string(n);
}

void SeqWriter::Dynamic(const Value& v) {
  switch (v.kind()) {
    case Value::Kind::Empty:
      Separate();
      break;
    case Value::Kind::Number:
      Number(v.num());
      break;
    case Value::Kind::Text:
      Text(v.str());
      break;
  }
}

void SeqWriter::EndLine() {
  out_ += "\r\n";
  lineHasItems_ = false;
}

std::optional<std::string> SeqReader::Next(Item& item) {
  ++items_;
  if (pos_ >= data_.size()) return "it ends after item " + std::to_string(items_ - 1);
  while (pos_ < data_.size() && IsBlank(data_[pos_])) ++pos_;
  item = Item{};
  if (pos_ < data_.size() && data_[pos_] == '"') {
    const std::size_t start = ++pos_;
    while (pos_ < data_.size() && data_[pos_] != '"') {
      if (IsLineEnd(data_[pos_])) return ItemProblem(items_, "has no closing quote");
      if (IsControl(data_[pos_])) return ItemProblem(items_, "holds a control character");
      ++pos_;
    }
    if (pos_ >= data_.size()) return ItemProblem(items_, "has no closing quote");
    item.quoted = true;
    item.text = data_.substr(start, pos_ - start);
    ++pos_;
    while (pos_ < data_.size() && IsBlank(data_[pos_])) ++pos_;
    if (pos_ < data_.size() && data_[pos_] != ',' && !IsLineEnd(data_[pos_])) {
      return ItemProblem(items_, "has something after its closing quote");
    }
  } else {
    const std::size_t start = pos_;
    while (pos_ < data_.size() && data_[pos_] != ',' && !IsLineEnd(data_[pos_])) {
      if (data_[pos_] == '"') return ItemProblem(items_, "has a quote inside it");
      if (IsControl(data_[pos_]) && !IsBlank(data_[pos_])) {
        return ItemProblem(items_, "holds a control character");
      }
      ++pos_;
    }
    std::size_t end = pos_;
    while (end > start && IsBlank(data_[end - 1])) --end;
    item.text = data_.substr(start, end - start);
  }
  // One separator: a comma or one line end (CR LF, LF or CR).
  afterComma_ = false;
  if (pos_ < data_.size()) {
    if (data_[pos_] == ',') {
      afterComma_ = true;
      ++pos_;
    } else if (data_[pos_] == '\r') {
      ++pos_;
      if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    } else if (data_[pos_] == '\n') {
      ++pos_;
    }
  }
  return std::nullopt;
}

std::optional<std::string> SeqReader::End() {
  bool more = afterComma_;
  for (std::size_t i = pos_; i < data_.size() && !more; ++i) {
    more = !IsBlank(data_[i]) && !IsLineEnd(data_[i]);
  }
  if (!more) return std::nullopt;
  return "it holds more than " + std::to_string(items_) + " items";
}

std::optional<std::string> SeqReader::Text(std::string& out) {
  Item item;
  if (auto err = Next(item)) return err;
  if (!item.quoted && !item.text.empty()) return ItemProblem(items_, "should be quoted text");
  out.assign(item.text);
  return std::nullopt;
}

namespace {

// A bare whole number: an optional minus and decimal digits.
std::optional<std::int64_t> ParseBare(std::string_view s) {
  if (s.empty()) return std::nullopt;
  std::int64_t n = 0;
  const char* first = s.data();
  const char* last = s.data() + s.size();
  auto [end, ec] = std::from_chars(first, last, n);
  if (ec != std::errc() || end != last) return std::nullopt;
  return n;
}

}  // namespace

std::optional<std::string> SeqReader::Dynamic(Value& out) {
  Item item;
  if (auto err = Next(item)) return err;
  if (item.quoted) {
    out = Value(std::string(item.text));
  } else if (item.text.empty()) {
    out = Value();
  } else {
    const auto n = ParseBare(item.text);
    if (!n) return ItemProblem(items_, "should be a whole number or quoted text");
    out = Value(*n);
  }
  return std::nullopt;
}

std::optional<std::string> SeqReader::Int16(std::int16_t& out) {
  Item item;
  if (auto err = Next(item)) return err;
  if (item.quoted) return ItemProblem(items_, "should be a number");
  if (item.text.empty()) {
    out = 0;
    return std::nullopt;
  }
  const auto n = ParseBare(item.text);
  if (!n) return ItemProblem(items_, "should be a number");
  if (*n < std::numeric_limits<std::int16_t>::min() ||
      *n > std::numeric_limits<std::int16_t>::max()) {
    return ItemProblem(items_, "is out of range");
  }
  out = static_cast<std::int16_t>(*n);
  return std::nullopt;
}

}  // namespace tq
