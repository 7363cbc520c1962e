// Case-insensitive lookup of game files with cached folder listings.
#include "platform/asset_path.h"

#include <system_error>
#include <vector>

namespace tq {

std::string FoldCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

const std::map<std::string, std::string>& AssetResolver::Listing(const std::filesystem::path& dir) {
  const std::string key = dir.string();
  auto it = listings_.find(key);
  if (it != listings_.end()) return it->second;
  std::map<std::string, std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator d(dir, ec), end; !ec && d != end; d.increment(ec)) {
    const std::string name = d->path().filename().string();
    // Where two entries differ only in case, the first in sorted order wins consistently.
    auto [slot, inserted] = names.emplace(FoldCase(name), name);
    if (!inserted && name < slot->second) slot->second = name;
  }
  return listings_.emplace(key, std::move(names)).first->second;
}

std::optional<std::filesystem::path> AssetResolver::Resolve(std::string_view relative) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : relative) {
    if (c == '/' || c == '\\') {
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(std::move(part));
  if (parts.empty()) return std::nullopt;

  std::filesystem::path at = root_;
  for (const std::string& p : parts) {
    if (p == ".") continue;
    if (p == "..") return std::nullopt;  // game paths never climb out of the game folder
    const auto& names = Listing(at);
    auto it = names.find(FoldCase(p));
    if (it == names.end()) return std::nullopt;
    at /= it->second;
  }
  std::error_code ec;
  if (!std::filesystem::is_regular_file(at, ec)) return std::nullopt;
  return at;
}

std::optional<std::filesystem::path> AssetResolver::ResolveGamePath(std::string_view gamePath,
                                                                    std::string_view fullPath) {
  if (!gamePath.empty() && fullPath.substr(0, gamePath.size()) == gamePath) {
    fullPath.remove_prefix(gamePath.size());
  }
  return Resolve(fullPath);
}

}  // namespace tq
