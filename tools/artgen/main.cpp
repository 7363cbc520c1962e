// artgen: writes every picture of the game into the game folder, and a contact sheet.
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "catalogue.h"
#include "formats.h"
#include "room_preview.h"
#include "sheet.h"

namespace {

using namespace tq::art;

bool SavePng(const Image& img, const std::string& path) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, img.w(), img.h(), 32, SDL_PIXELFORMAT_RGBA32);
  if (!s) return false;
  for (int y = 0; y < img.h(); ++y) {
    auto* row = static_cast<uint8_t*>(s->pixels) + static_cast<ptrdiff_t>(y) * s->pitch;
    for (int x = 0; x < img.w(); ++x) {
      const Px p = img.get(x, y);
      row[x * 4 + 0] = p.r;
      row[x * 4 + 1] = p.g;
      row[x * 4 + 2] = p.b;
      row[x * 4 + 3] = 255;
    }
  }
  const bool ok = IMG_SavePNG(s, path.c_str()) == 0;
  SDL_FreeSurface(s);
  return ok;
}

std::vector<uint8_t> Encode(const Picture& p, const Image& img) {
  switch (p.kind) {
    case FileKind::Ico:
      return EncodeIcon(img);
    case FileKind::Cur:
      return EncodeCursor(img, 0, 0);  // the sword's tip
    case FileKind::Bmp:
      break;
  }
  return EncodeBmp(img);
}

// --only takes comma-separated parts of paths, or group names.
bool Matches(const Picture& p, const std::string& only) {
  size_t from = 0;
  while (from <= only.size()) {
    const size_t comma = std::min(only.find(',', from), only.size());
    const std::string part = only.substr(from, comma - from);
    if (!part.empty() && (p.path.find(part) != std::string::npos || p.group == part)) return true;
    from = comma + 1;
  }
  return false;
}

int Usage() {
  std::fprintf(
      stderr,
      "usage: artgen GAME_DIR [--sheet FILE.png] [--only TEXT] [--zoom N]\n"
      "       artgen OUT.png --room ROOMFILE\n"
      "  --only paints just the pictures whose path holds TEXT (with --sheet: a preview)\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::filesystem::path root = argv[1];
  std::string sheetPath, only, room;
  int zoom = 1;
  for (int i = 2; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--sheet") && i + 1 < argc)
      sheetPath = argv[++i];
    else if (!std::strcmp(argv[i], "--only") && i + 1 < argc)
      only = argv[++i];
    else if (!std::strcmp(argv[i], "--room") && i + 1 < argc)
      room = argv[++i];
    else if (!std::strcmp(argv[i], "--zoom") && i + 1 < argc)
      zoom = std::max(1, std::atoi(argv[++i]));
    else
      return Usage();
  }
  if (!room.empty()) {  // a developer's look at one room: GAME_DIR is the PNG to write
    const Image img = RoomPreview(room);
    return !img.w() || !SavePng(img, root.string()) ? 1 : 0;
  }
  const auto start = std::chrono::steady_clock::now();
  std::vector<Picture> todo;
  for (Picture& p : Catalogue())
    if (only.empty() || Matches(p, only)) todo.push_back(std::move(p));
  for (const Picture& p : todo) {
    std::error_code ec;
    std::filesystem::create_directories((root / p.path).parent_path(), ec);
  }
  // Every picture is painted on its own, so a few workers share the list; the build waits for
  // this step, and the pictures are many.
  std::vector<Image> painted(sheetPath.empty() ? 0 : todo.size());
  std::atomic<size_t> next{0};
  std::atomic<bool> failed{false};
  auto work = [&] {
    for (size_t i = next++; i < todo.size() && !failed; i = next++) {
      const Picture& p = todo[i];
      Image img = p.paint();
      const std::filesystem::path file = root / p.path;
      if (!WriteFile(file.string(), Encode(p, img))) {
        std::fprintf(stderr, "artgen: cannot write %s\n", file.string().c_str());
        failed = true;
      }
      if (!painted.empty()) painted[i] = std::move(img);
    }
  };
  const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  std::vector<std::thread> pool;
  for (unsigned w = 1; w < workers; ++w) pool.emplace_back(work);
  work();
  for (std::thread& t : pool) t.join();
  if (failed) return 1;
  const int written = static_cast<int>(todo.size());
  std::vector<SheetEntry> sheet;
  for (size_t i = 0; i < painted.size(); ++i) {
    std::string label = std::filesystem::path(todo[i].path).filename().string();
    label = label.substr(0, label.rfind('.'));
    sheet.push_back({label, todo[i].group, std::move(painted[i])});
  }
  if (!sheetPath.empty() && !SavePng(ContactSheet(sheet, 40, zoom), sheetPath)) {
    std::fprintf(stderr, "artgen: cannot write %s: %s\n", sheetPath.c_str(), IMG_GetError());
    return 1;
  }
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("artgen: %d pictures in %.0f ms\n", written, ms);
  return 0;
}
