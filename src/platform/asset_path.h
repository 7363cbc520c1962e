// Finds a game file on disk from a path written the way the game writes it: any letter case,
// "\" or "/" as separator, and a doubled separator read as one.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tq {

class AssetResolver {
 public:
  explicit AssetResolver(std::filesystem::path root) : root_(std::move(root)) {}

  // The file under the root that the relative path names, or nullopt when there is none.
  std::optional<std::filesystem::path> Resolve(std::string_view relative);
  // The same for a full path built as GamePath & relative: the GamePath prefix is dropped first.
  std::optional<std::filesystem::path> ResolveGamePath(std::string_view gamePath,
                                                       std::string_view fullPath);
  // Forget cached folder listings (after files were written).
  void Refresh() { listings_.clear(); }
  const std::filesystem::path& root() const { return root_; }

 private:
  // Lower-cased entry name -> real name, per folder.
  const std::map<std::string, std::string>& Listing(const std::filesystem::path& dir);

  std::filesystem::path root_;
  std::map<std::string, std::map<std::string, std::string>> listings_;
};

// Lower case of ASCII letters, the way the lookup compares names.
std::string FoldCase(std::string_view s);

}  // namespace tq
