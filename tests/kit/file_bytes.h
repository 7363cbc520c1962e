// Whole files as bytes, for tests that compare or damage what the game wrote.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tq::kit {

inline std::string Slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The lines of a text file, without their line ends (CR LF or LF).
inline std::vector<std::string> Lines(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::vector<std::string> out;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
  }
  return out;
}

inline void Spit(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

// `file` with its item number `item` (counted from 1, whatever line it stands on) spelled
// `spelling` instead.
inline std::string WithItem(const std::string& file, int item, const std::string& spelling) {
  int at = 1;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= file.size(); ++i) {
    if (i < file.size() && file[i] != ',' && file[i] != '\r' && file[i] != '\n') continue;
    if (at == item) return file.substr(0, start) + spelling + file.substr(i);
    if (i + 1 < file.size() && file[i] == '\r' && file[i + 1] == '\n') ++i;
    start = i + 1;
    ++at;
  }
  return file;  // no such item: nothing changes
}

}  // namespace tq::kit
