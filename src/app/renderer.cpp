// The control tree drawn with SDL: frames, picture boxes, images, labels and lines.
#include "app/renderer.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "game/game.h"

namespace tq {
namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/dejavu/";

SDL_Color ToSdl(Color c) {
  return {static_cast<Uint8>(c & 0xFF), static_cast<Uint8>((c >> 8) & 0xFF),
          static_cast<Uint8>((c >> 16) & 0xFF), 255};
}

void SetColor(SDL_Renderer* r, Color c) {
  const SDL_Color s = ToSdl(c);
  SDL_SetRenderDrawColor(r, s.r, s.g, s.b, 255);
}

// The intro story's scroll: its wooden rollers fill this many rows at the top and the bottom
// of layout/scroll.bmp, and the story scrolls only over the sheet between them.
constexpr const char* kIntroScroll = "layout/scroll.bmp";
constexpr int kScrollRollerRows = 9;

int Px(int twips) {
  // Positions round toward negative infinity so that negative tops scroll smoothly.
  return static_cast<int>(std::floor(static_cast<double>(twips) / kTwipsPerPixel));
}

template <typename R>
void SetClip(SDL_Renderer* target, const R& r) {
  const SDL_Rect rect{r.x, r.y, r.w, r.h};
  SDL_RenderSetClipRect(target, &rect);
}

}  // namespace

Renderer::Renderer(SDL_Renderer* target, AssetResolver& assets) : target_(target), assets_(assets) {
  if (!TTF_WasInit()) TTF_Init();
}

Renderer::~Renderer() {
  for (auto& [k, t] : textCache_)
    if (t.texture) SDL_DestroyTexture(t.texture);
  if (placeholder_) SDL_DestroyTexture(placeholder_);
  for (auto& [k, t] : textures_)
    if (t) SDL_DestroyTexture(t);
  for (auto& [k, f] : fonts_)
    if (f) TTF_CloseFont(f);
}

SDL_Surface* Renderer::LoadSurface(const std::string& picture) {
  const auto file = assets_.ResolveGamePath(gamePath_, picture);
  if (!file) return nullptr;
  return IMG_Load(file->c_str());
}

SDL_Texture* Renderer::Texture(const std::string& picture) {
  auto it = textures_.find(picture);
  if (it != textures_.end()) return it->second;
  SDL_Texture* tex = nullptr;
  if (SDL_Surface* s = LoadSurface(picture)) {
    tex = SDL_CreateTextureFromSurface(target_, s);
    SDL_FreeSurface(s);
  }
  if (!tex && missing_.insert(picture).second) {
    std::fprintf(stderr, "tarvoquest: missing picture %s\n", picture.c_str());
  }
  textures_.emplace(picture, tex);
  return tex;
}

TTF_Font* Renderer::FontFor(const Font& f) {
  // Points at 96 dots per inch, as the window's fonts were sized.
  const int px = static_cast<int>(std::lround(f.points * 96.0 / 72.0));
  const auto key = std::make_tuple(f.face, px, f.bold);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second;
  const std::string file =
      std::string(kFontFolder) + (f.bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf");
  TTF_Font* font = TTF_OpenFont(file.c_str(), px);
  if (!font) std::fprintf(stderr, "tarvoquest: cannot open font %s\n", file.c_str());
  fonts_.emplace(key, font);
  return font;
}

void Renderer::Draw(const Game& g) {
  gamePath_ = g.GamePath;
  SDL_RenderSetClipRect(target_, nullptr);
  SetColor(target_, g.frmTQ.BackColor);
  SDL_RenderClear(target_);
  const Rect all{0, 0, kClientWidthPx, kClientHeightPx};
  for (const Control* c : g.frmTQ.Children) DrawControl(*c, 0, 0, all);
  SDL_RenderSetClipRect(target_, nullptr);
}

void Renderer::DrawControl(const Control& c, int originX, int originY, Rect clip) {
  if (!c.Visible) return;
  if (c.kind == ControlKind::Line) {
    SetClip(target_, clip);
    SetColor(target_, c.ForeColor);
    const int x1 = originX + Px(c.Left), y1 = originY + Px(c.Top);
    const int x2 = originX + Px(c.X2), y2 = originY + Px(c.Y2);
    for (int w = 0; w < c.PenWidth; ++w) {
      const bool horizontal = y1 == y2;
      SDL_RenderDrawLine(target_, x1 + (horizontal ? 0 : w), y1 + (horizontal ? w : 0),
                         x2 + (horizontal ? 0 : w), y2 + (horizontal ? w : 0));
    }
    return;
  }
  const Rect r{originX + Px(c.Left), originY + Px(c.Top), Px(c.Width + 14), Px(c.Height + 14)};
  const int x0 = std::max(r.x, clip.x), y0 = std::max(r.y, clip.y);
  const int x1 = std::min(r.x + r.w, clip.x + clip.w), y1 = std::min(r.y + r.h, clip.y + clip.h);
  if (x1 <= x0 || y1 <= y0) return;
  const Rect inner{x0, y0, x1 - x0, y1 - y0};

  switch (c.kind) {
    case ControlKind::Frame:
      DrawFrame(c, r, inner);
      break;
    case ControlKind::PictureBox:
      SetClip(target_, inner);
      SetColor(target_, c.BackColor);
      {
        const SDL_Rect all{r.x, r.y, r.w, r.h};
        SDL_RenderFillRect(target_, &all);
      }
      DrawPicture(c, r, inner);
      break;
    case ControlKind::Image:
      DrawPicture(c, r, inner);
      break;
    case ControlKind::Label:
      DrawLabel(c, r, inner);
      break;
    default:
      break;
  }
  Rect childClip = inner;
  if (c.kind == ControlKind::PictureBox && c.Picture == kIntroScroll) {
    // GUARD: the story would run over the scroll's wooden rollers and cut its letters there
    const int top = std::max(inner.y, r.y + kScrollRollerRows);
    const int bottom = std::min(inner.y + inner.h, r.y + r.h - kScrollRollerRows);
    childClip.y = top;
    childClip.h = std::max(0, bottom - top);
  }
  for (const Control* child : c.Children) DrawControl(*child, r.x, r.y, childClip);
}

void Renderer::DrawPicture(const Control& c, Rect r, Rect clip) {
  if (c.Picture.empty()) return;
  SetClip(target_, clip);
  SDL_Texture* tex = Texture(c.Picture);
  if (!tex) {
    // A missing picture shows as a magenta and black check, easy to spot and never fatal.
    const SDL_Rect dst{r.x, r.y, r.w, r.h};
    SDL_RenderCopy(target_, Placeholder(), nullptr, &dst);
    return;
  }
  int w = 0, h = 0;
  SDL_QueryTexture(tex, nullptr, nullptr, &w, &h);
  const SDL_Rect dst = c.Stretch ? SDL_Rect{r.x, r.y, r.w, r.h} : SDL_Rect{r.x, r.y, w, h};
  SDL_RenderCopy(target_, tex, nullptr, &dst);
}

void Renderer::DrawFrame(const Control& c, Rect r, Rect clip) {
  SetClip(target_, clip);
  SetColor(target_, c.BackColor);
  const SDL_Rect all{r.x, r.y, r.w, r.h};
  SDL_RenderFillRect(target_, &all);
  // An etched edge: a dark line with a light one inside it, below the caption's middle.
  const int top = c.Caption.empty() ? r.y : r.y + 5;
  const SDL_Rect dark{r.x, top, r.w - 1, r.h - (top - r.y) - 1};
  const SDL_Rect light{r.x + 1, top + 1, r.w - 1, r.h - (top - r.y) - 1};
  SetColor(target_, 0xFFFFFF);
  SDL_RenderDrawRect(target_, &light);
  SetColor(target_, 0x808080);
  SDL_RenderDrawRect(target_, &dark);
  if (!c.Caption.empty()) {
    TTF_Font* font = FontFor(c.font);
    int tw = 0, th = 0;
    if (font) TTF_SizeUTF8(font, c.Caption.c_str(), &tw, &th);
    SetColor(target_, c.BackColor);
    const SDL_Rect behind{r.x + 6, r.y, tw + 4, th};
    SDL_RenderFillRect(target_, &behind);
    DrawText(c.Caption, c.font, c.ForeColor, {r.x + 8, r.y, tw + 2, th}, 0, false, clip);
  }
}

void Renderer::DrawLabel(const Control& c, Rect r, Rect clip) {
  SetClip(target_, clip);
  if (!c.Transparent) {
    SetColor(target_, c.BackColor);
    const SDL_Rect all{r.x, r.y, r.w, r.h};
    SDL_RenderFillRect(target_, &all);
  }
  const int align = c.Alignment == TextAlign::Left ? 0 : c.Alignment == TextAlign::Center ? 1 : 2;
  DrawText(c.Caption, c.font, c.ForeColor, r, align, c.WordWrap, clip);
}

SDL_Texture* Renderer::Placeholder() {
  if (placeholder_) return placeholder_;
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 64, 64, 32, SDL_PIXELFORMAT_RGBA32);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const Uint32 c = ((x / 4 + y / 4) % 2) ? SDL_MapRGB(s->format, 255, 0, 255)
                                             : SDL_MapRGB(s->format, 0, 0, 0);
      static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x] = c;
    }
  }
  placeholder_ = SDL_CreateTextureFromSurface(target_, s);
  SDL_FreeSurface(s);
  return placeholder_;
}

std::vector<std::string> Renderer::WrapLines(TTF_Font* font, const std::string& text, int width,
                                             bool wrap) {
  // Break into lines that fit the width, at blanks, as a word-wrapping label does.
  std::vector<std::string> lines;
  if (!wrap) {
    lines.push_back(text);
    return lines;
  }
  std::string line;
  std::size_t i = 0;
  while (i <= text.size()) {
    std::size_t j = text.find(' ', i);
    if (j == std::string::npos) j = text.size();
    const std::string word = text.substr(i, j - i);
    const std::string candidate = line.empty() ? word : line + " " + word;
    int w = 0, h = 0;
    TTF_SizeUTF8(font, candidate.c_str(), &w, &h);
    if (w > width && !line.empty()) {
      lines.push_back(line);
      line = word;
    } else {
      line = candidate;
    }
    i = j + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void Renderer::DrawText(const std::string& text, const Font& f, unsigned color, Rect r, int align,
                        bool wrap, Rect clip) {
  TTF_Font* font = FontFor(f);
  if (!font || text.empty()) return;
  // A block of text is laid out and rasterised once, then drawn from the cache.
  const std::string key = text + '\x1f' + f.face + '\x1f' + std::to_string(f.points) +
                          (f.bold ? "b" : "n") + std::to_string(color) + '/' + std::to_string(r.w) +
                          '/' + std::to_string(align) + (wrap ? "w" : "-");
  auto it = textCache_.find(key);
  if (it == textCache_.end()) {
    if (textCache_.size() > 512) {
      for (auto& [k, t] : textCache_)
        if (t.texture) SDL_DestroyTexture(t.texture);
      textCache_.clear();
    }
    const std::vector<std::string> lines = WrapLines(font, text, r.w, wrap);
    const int lineHeight = TTF_FontLineSkip(font);
    int blockWidth = r.w;
    for (const std::string& line : lines) {
      int w = 0, h = 0;
      TTF_SizeUTF8(font, line.c_str(), &w, &h);
      blockWidth = std::max(blockWidth, w);
    }
    const int blockHeight = std::max(1, lineHeight * static_cast<int>(lines.size()));
    SDL_Surface* block =
        SDL_CreateRGBSurfaceWithFormat(0, blockWidth, blockHeight, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_FillRect(block, nullptr, SDL_MapRGBA(block->format, 0, 0, 0, 0));
    int y = 0;
    for (const std::string& line : lines) {
      if (!line.empty()) {
        if (SDL_Surface* s = TTF_RenderUTF8_Blended(font, line.c_str(), ToSdl(color))) {
          SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_NONE);
          const int x = align == 0 ? 0 : align == 1 ? (r.w - s->w) / 2 : r.w - s->w;
          SDL_Rect dst{x, y, s->w, s->h};
          SDL_BlitSurface(s, nullptr, block, &dst);
          SDL_FreeSurface(s);
        }
      }
      y += lineHeight;
    }
    CachedText cached{SDL_CreateTextureFromSurface(target_, block), blockWidth, blockHeight};
    if (cached.texture) SDL_SetTextureBlendMode(cached.texture, SDL_BLENDMODE_BLEND);
    SDL_FreeSurface(block);
    it = textCache_.emplace(key, cached).first;
  }
  SetClip(target_, clip);
  const SDL_Rect dst{r.x, r.y, it->second.w, it->second.h};
  SDL_RenderCopy(target_, it->second.texture, nullptr, &dst);
}

}  // namespace tq
