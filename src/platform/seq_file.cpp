// Reading and writing the game's sequential text files.
#include "platform/seq_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <vector>

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

// Writes all of `content` to `fd`, retrying short writes.
bool WriteAll(int fd, std::string_view content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
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
  std::error_code ec;
  const auto status = fs::status(path, ec);
  if (ec || !fs::exists(status)) {
    // Only a name that leads nowhere is missing; a loop of links or a folder we may not enter
    // is there but cannot be read.
    if (!ec || ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory) {
      return DataFileName(path) + " is missing.";
    }
    return DataFileName(path) + " could not be opened: " + ec.message() + ".";
  }
  if (!fs::is_regular_file(status)) return DataFileName(path) + " is not a file.";
  std::ifstream in(path, std::ios::binary);
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

namespace {

std::string WriteFailure(const std::string& path, const char* what, int err) {
  return DataFileName(path) + " could not be " + what + ": " + std::strerror(err) + ".";
}

// Writes `content` to a new temporary file beside `path` and flushes it to disk; on success
// `temp` names it.
std::optional<std::string> WriteTemporary(const std::string& path, std::string_view content,
                                          bool flush, std::string& temp) {
  const fs::path target(path);
  std::error_code ec;
  if (target.has_parent_path()) {
    fs::create_directories(target.parent_path(), ec);
    if (ec) return WriteFailure(path, "written", ec.value());
  }
  temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return WriteFailure(path, "written", errno);
  const auto abandon = [&](const char* what) {
    const int err = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    return WriteFailure(path, what, err);
  };
  if (::fchmod(fd, 0644) != 0) return abandon("written");
  if (!WriteAll(fd, content)) return abandon("written");
  if (flush && ::fsync(fd) != 0) return abandon("saved to disk");
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return WriteFailure(path, "written", err);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view content) {
  const FileContent one{path, content};
  return WriteWholeFiles(std::span(&one, 1));
}

std::optional<std::string> WriteWholeFiles(std::span<const FileContent> files) {
  std::vector<std::string> temps;
  const auto dropTemps = [&](std::size_t from) {
    for (std::size_t i = from; i < temps.size(); ++i) ::unlink(temps[i].c_str());
  };
  // One file is flushed on its own; a batch (a whole new world) is written first and flushed
  // to disk in one go, which costs one disk commit instead of hundreds.
  const bool batch = files.size() > 1;
  for (const auto& f : files) {
    std::string temp;
    if (auto err = WriteTemporary(f.path, f.content, !batch, temp)) {
      dropTemps(0);
      return err;
    }
    temps.push_back(std::move(temp));
  }
  if (batch) {
    const int fd = ::open(temps.front().c_str(), O_RDONLY | O_CLOEXEC);
    const int err = fd < 0 || ::syncfs(fd) != 0 ? errno : 0;
    if (fd >= 0) ::close(fd);
    if (err != 0) {
      dropTemps(0);
      return WriteFailure(files.front().path, "saved to disk", err);
    }
  }
  // Each rename swaps a whole file in one step: after a crash either the old or the new file
  // is there, never a part of one.
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (::rename(temps[i].c_str(), files[i].path.c_str()) != 0) {
      const int err = errno;
      dropTemps(i);
      return WriteFailure(files[i].path, "replaced", err);
    }
  }
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
  if (pos_ < data_.size()) {
    if (data_[pos_] == ',') {
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
