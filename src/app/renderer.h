// Draws the window's control tree at 15 twips to the pixel onto any SDL renderer.
#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/asset_path.h"

struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Surface;
typedef struct _TTF_Font TTF_Font;

namespace tq {

class Game;
struct Control;
struct Font;

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidthPx = 6480 / kTwipsPerPixel;   // 432
constexpr int kClientHeightPx = 6285 / kTwipsPerPixel;  // 419

class Renderer {
 public:
  Renderer(SDL_Renderer* target, AssetResolver& assets);
  ~Renderer();
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  // Draws the whole window into the renderer's current target at 1:1 pixels.
  void Draw(const Game& g);
  // Loads a picture as a surface (caller frees), or nullptr; used for the icon and cursor.
  SDL_Surface* LoadSurface(const std::string& picture);
  // Pictures asked for that could not be found.
  const std::set<std::string>& missing() const { return missing_; }

 private:
  struct Rect {
    int x, y, w, h;
  };
  void DrawControl(const Control& c, int originX, int originY, Rect clip);
  void DrawPicture(const Control& c, Rect r, Rect clip);
  void DrawLabel(const Control& c, Rect r, Rect clip);
  void DrawFrame(const Control& c, Rect r, Rect clip);
  void DrawText(const std::string& text, const Font& f, unsigned color, Rect r, int align,
                bool wrap, Rect clip);
  SDL_Texture* Texture(const std::string& picture);
  SDL_Texture* Placeholder();
  static std::vector<std::string> WrapLines(TTF_Font* font, const std::string& text, int width,
                                            bool wrap);
  TTF_Font* FontFor(const Font& f);

  SDL_Renderer* target_;
  AssetResolver& assets_;
  std::string gamePath_;
  std::map<std::string, SDL_Texture*> textures_;
  std::map<std::tuple<std::string, int, bool>, TTF_Font*> fonts_;
  std::set<std::string> missing_;
  struct CachedText {
    SDL_Texture* texture;
    int w, h;
  };
  std::map<std::string, CachedText> textCache_;
  SDL_Texture* placeholder_ = nullptr;
};

}  // namespace tq
