// The picture tests' fixture: the listed pictures read from the built game folder.
#include "assets/pictures_fixture.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace tq {

namespace fs = std::filesystem;

std::vector<Listed> Pictures::listed_;
std::map<std::string, fs::path> Pictures::onDisk_;
std::map<std::string, Decoded> Pictures::decoded_;

std::string LookupKey(std::string p) {
  std::string out;
  for (char c : p) {
    if (c == '\\') c = '/';
    if (c == '/' && (out.empty() || out.back() == '/')) continue;
    out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  }
  return out;
}

std::vector<Listed> ListedPictures() {
  std::ifstream in(std::string(TQ_SOURCE_DIR) + "/tools/artgen/pictures.tsv");
  std::vector<Listed> out;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Listed l;
    std::string w, h;
    std::getline(fields, l.path, '\t');
    std::getline(fields, w, '\t');
    std::getline(fields, h, '\t');
    l.w = std::stoi(w);
    l.h = std::stoi(h);
    out.push_back(l);
  }
  return out;
}

void Pictures::SetUpTestSuite() {
  listed_ = ListedPictures();
  for (const auto& e : fs::recursive_directory_iterator(TQ_GAME_DIR)) {
    if (!e.is_regular_file()) continue;
    const std::string rel = fs::relative(e.path(), TQ_GAME_DIR).generic_string();
    onDisk_[LookupKey(rel)] = e.path();
  }
  for (const Listed& l : listed_) {
    const auto it = onDisk_.find(LookupKey(l.path));
    if (it != onDisk_.end()) decoded_[LookupKey(l.path)] = DecodePicture(it->second);
  }
}

void Pictures::TearDownTestSuite() {
  decoded_.clear();
  onDisk_.clear();
}

}  // namespace tq
