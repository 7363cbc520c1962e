// roomgen: writes the shipped room files data/Files/ROOM<n> from the readable layouts.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "room_layout.h"

namespace fs = std::filesystem;

namespace {

bool ReadText(const fs::path& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: roomgen <layout folder> <output folder>\n"
                 "Writes one room file ROOM<n> per room of every *.txt layout in the folder.\n";
    return 2;
  }
  const fs::path layoutDir = argv[1];
  const fs::path outDir = argv[2];
  std::vector<fs::path> layoutFiles;
  for (const fs::directory_entry& entry : fs::directory_iterator(layoutDir)) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt") {
      layoutFiles.push_back(entry.path());
    }
  }
  std::sort(layoutFiles.begin(), layoutFiles.end());

  std::vector<tq::roomgen::RoomLayout> rooms;
  for (const fs::path& file : layoutFiles) {
    std::string text;
    if (!ReadText(file, text)) {
      std::cerr << "roomgen: cannot read " << file << "\n";
      return 1;
    }
    tq::roomgen::LayoutParse parsed = tq::roomgen::ParseLayouts(text, file.filename().string());
    if (!parsed.error.empty()) {
      std::cerr << "roomgen: " << parsed.error << "\n";
      return 1;
    }
    std::move(parsed.rooms.begin(), parsed.rooms.end(), std::back_inserter(rooms));
  }

  std::set<int> seen;
  for (const tq::roomgen::RoomLayout& room : rooms) {
    if (!seen.insert(room.number).second) {
      std::cerr << "roomgen: " << room.origin << ": room " << room.number << " is laid out twice\n";
      return 1;
    }
  }

  fs::create_directories(outDir);
  for (const tq::roomgen::RoomLayout& room : rooms) {
    const fs::path target = outDir / ("ROOM" + std::to_string(room.number));
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out << tq::roomgen::RenderRoomFile(room);
    if (!out) {
      std::cerr << "roomgen: cannot write " << target << "\n";
      return 1;
    }
  }
  std::cout << "roomgen: wrote " << rooms.size() << " room files to " << outDir.string() << "\n";
  return 0;
}
