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

struct Options {
  std::filesystem::path root;  // the game folder, or with --room the PNG to write
  std::string sheetPath, only, room;
  int zoom = 1;
};

bool ParseArgs(int argc, char** argv, Options& o) {
  if (argc < 2) return false;
  o.root = argv[1];
  for (int i = 2; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--sheet") && i + 1 < argc)
      o.sheetPath = argv[++i];
    else if (!std::strcmp(argv[i], "--only") && i + 1 < argc)
      o.only = argv[++i];
    else if (!std::strcmp(argv[i], "--room") && i + 1 < argc)
      o.room = argv[++i];
    else if (!std::strcmp(argv[i], "--zoom") && i + 1 < argc)
      o.zoom = std::max(1, std::atoi(argv[++i]));
    else
      return false;
  }
  return true;
}

// Paints and writes every picture of the list; keeps them in `painted` when it is not empty.
// Every picture is painted on its own, so a few workers share the list; the build waits for
// this step, and the pictures are many.
bool PaintAll(const std::vector<Picture>& todo, const std::filesystem::path& root,
              std::vector<Image>& painted) {
  for (const Picture& p : todo) {
    std::error_code ec;
    std::filesystem::create_directories((root / p.path).parent_path(), ec);
  }
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
  return !failed;
}

// The contact sheet of the painted pictures, each labelled with its file name.
bool WriteSheet(const std::vector<Picture>& todo, std::vector<Image>& painted, const Options& o) {
  std::vector<SheetEntry> sheet;
  for (size_t i = 0; i < painted.size(); ++i) {
    std::string label = std::filesystem::path(todo[i].path).filename().string();
    label = label.substr(0, label.rfind('.'));
    sheet.push_back({label, todo[i].group, std::move(painted[i])});
  }
  if (SavePng(ContactSheet(sheet, 40, o.zoom), o.sheetPath)) return true;
  std::fprintf(stderr, "artgen: cannot write %s: %s\n", o.sheetPath.c_str(), IMG_GetError());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!ParseArgs(argc, argv, o)) return Usage();
  if (!o.room.empty()) {  // a developer's look at one room: GAME_DIR is the PNG to write
    const Image img = RoomPreview(o.room);
    return !img.w() || !SavePng(img, o.root.string()) ? 1 : 0;
  }
  const auto start = std::chrono::steady_clock::now();
  std::vector<Picture> todo;
  for (Picture& p : Catalogue())
    if (o.only.empty() || Matches(p, o.only)) todo.push_back(std::move(p));
  std::vector<Image> painted(o.sheetPath.empty() ? 0 : todo.size());
  if (!PaintAll(todo, o.root, painted)) return 1;
  if (!o.sheetPath.empty() && !WriteSheet(todo, painted, o)) return 1;
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("artgen: %d pictures in %.0f ms\n", static_cast<int>(todo.size()), ms);
  return 0;
}
