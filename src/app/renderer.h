// Draws the window's display list onto any SDL renderer at 1:1 pixels, with the pictures,
// fonts and laid-out texts it needs cached within a memory budget.
#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/display_list.h"
#include "app/lru_cache.h"
#include "app/sdl_handles.h"
#include "platform/asset_path.h"

namespace tq {

class Game;

class Renderer {
 public:
  Renderer(SDL_Renderer* target, AssetResolver& assets);
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  // Draws the whole window into the renderer's current target.
  void Draw(const Game& g);
  void Execute(const DisplayList& list);
  // Draws only what falls inside the given areas.
  void Execute(const DisplayList& list, const std::vector<PixelRect>& areas);
  // Loads a picture as a surface, or nullptr; used for the icon and cursor.
  SurfaceHandle LoadSurface(const std::string& picture);
  // Pictures asked for that could not be found.
  const std::set<std::string>& missing() const { return missing_; }

 private:
  struct Text {
    TextureHandle texture;
    int w = 0, h = 0;
  };
  void Run(const DrawOp& op);
  void Picture(const DrawOp& op);
  void Caption(const DrawOp& op);
  void DrawText(const DrawOp& op, PixelRect box);
  SDL_Texture* Texture(std::string_view picture);
  // The picture scaled once to the given size, so that drawing it is a plain copy whatever
  // part of it is drawn.
  SDL_Texture* Scaled(std::string_view picture, int w, int h);
  SDL_Texture* Placeholder();
  TTF_Font* FontFor(const Font& f);
  static std::vector<std::string> WrapLines(TTF_Font* font, const std::string& text, int width,
                                            bool wrap);

  TtfLibrary ttf_;  // held until the fonts below are closed
  SDL_Renderer* target_;
  AssetResolver& assets_;
  std::string gamePath_;
  std::map<std::tuple<std::string, int, bool>, FontHandle> fonts_;
  LruCache<TextureHandle> textures_;
  LruCache<Text> texts_;
  std::set<std::string> missing_;
  TextureHandle placeholder_;
};

}  // namespace tq
