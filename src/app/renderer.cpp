// The display list drawn with SDL: fills, etched edges, pictures, texts and lines.
#include "app/renderer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/text_outline.h"
#include "game/game.h"

namespace tq {
namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/dejavu/";
// Enough for every picture of a few rooms and the window's own; a long walk through the world
// shows thousands of tile pictures, and an older one is read again when it comes back.
constexpr std::size_t kPictureBudget = 16u << 20;
constexpr std::size_t kTextBudget = 4u << 20;

SDL_Color ToSdl(Color c) {
  return {static_cast<Uint8>(c & 0xFF), static_cast<Uint8>((c >> 8) & 0xFF),
          static_cast<Uint8>((c >> 16) & 0xFF), 255};
}

void SetColor(SDL_Renderer* r, Color c) {
  const SDL_Color s = ToSdl(c);
  SDL_SetRenderDrawColor(r, s.r, s.g, s.b, 255);
}

void SetClip(SDL_Renderer* target, const PixelRect& r) {
  const SDL_Rect rect{r.x, r.y, r.w, r.h};
  SDL_RenderSetClipRect(target, &rect);
}

SDL_Rect ToSdl(const PixelRect& r) {
  return {r.x, r.y, r.w, r.h};
}

}  // namespace

Renderer::Renderer(SDL_Renderer* target, AssetResolver& assets)
    : target_(target), assets_(assets), textures_(kPictureBudget), texts_(kTextBudget) {
  if (!ttf_.ok()) std::fprintf(stderr, "tarvoquest: no text can be drawn: %s\n", TTF_GetError());
}

SurfaceHandle Renderer::LoadSurface(const std::string& picture) {
  const auto file = assets_.ResolveGamePath(gamePath_, picture);
  if (!file) return nullptr;
  return SurfaceHandle(IMG_Load(file->c_str()));
}

SDL_Texture* Renderer::Texture(std::string_view name) {
  const std::string picture(name);
  if (TextureHandle* cached = textures_.Find(picture)) return cached->get();
  if (missing_.count(picture)) return nullptr;
  TextureHandle tex;
  if (SurfaceHandle s = LoadSurface(picture)) {
    tex.reset(SDL_CreateTextureFromSurface(target_, s.get()));
  }
  if (!tex) {
    missing_.insert(picture);
    std::fprintf(stderr, "tarvoquest: missing picture %s\n", picture.c_str());
    return nullptr;
  }
  int w = 0, h = 0;
  SDL_QueryTexture(tex.get(), nullptr, nullptr, &w, &h);
  return textures_.Put(picture, std::move(tex), static_cast<std::size_t>(w) * h * 4).get();
}

SDL_Texture* Renderer::Scaled(std::string_view name, int w, int h) {
  const std::string key = std::string(name) + '\x1f' + std::to_string(w) + 'x' + std::to_string(h);
  if (TextureHandle* cached = textures_.Find(key)) return cached->get();
  SurfaceHandle picture = LoadSurface(std::string(name));
  if (picture && picture->format->BytesPerPixel == 1) {
    picture.reset(SDL_ConvertSurfaceFormat(picture.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  }
  if (!picture) return nullptr;
  SurfaceHandle scaled(SDL_CreateRGBSurfaceWithFormat(0, w, h, picture->format->BitsPerPixel,
                                                      picture->format->format));
  if (!scaled) return nullptr;
  SDL_SetSurfaceBlendMode(picture.get(), SDL_BLENDMODE_NONE);
  SDL_BlitScaled(picture.get(), nullptr, scaled.get(), nullptr);
  Uint32 key32 = 0;
  if (SDL_GetColorKey(picture.get(), &key32) == 0) SDL_SetColorKey(scaled.get(), SDL_TRUE, key32);
  TextureHandle tex(SDL_CreateTextureFromSurface(target_, scaled.get()));
  if (!tex) return nullptr;
  return textures_.Put(key, std::move(tex), static_cast<std::size_t>(w) * h * 4).get();
}

TTF_Font* Renderer::FontFor(const Font& f) {
  // Points at 96 dots per inch, as the window's fonts were sized.
  const int px = static_cast<int>(std::lround(f.points * 96.0 / 72.0));
  const auto key = std::make_tuple(f.face, px, f.bold);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second.get();
  const std::string file =
      std::string(kFontFolder) + (f.bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf");
  FontHandle font(ttf_.ok() ? TTF_OpenFont(file.c_str(), px) : nullptr);
  if (!font) std::fprintf(stderr, "tarvoquest: cannot open font %s\n", file.c_str());
  return fonts_.emplace(key, std::move(font)).first->second.get();
}

void Renderer::Draw(const Game& g) {
  Execute(BuildDisplayList(g));
}

void Renderer::Execute(const DisplayList& list) {
  gamePath_ = std::string(list.gamePath);
  for (const DrawOp& op : list.ops) {
    SetClip(target_, op.clip);
    Run(op);
  }
  SDL_RenderSetClipRect(target_, nullptr);
}

void Renderer::Execute(const DisplayList& list, const std::vector<PixelRect>& areas) {
  gamePath_ = std::string(list.gamePath);
  for (const PixelRect& area : areas) {
    for (const DrawOp& op : list.ops) {
      const PixelRect clip = Intersection(op.clip, area);
      if (clip.empty()) continue;
      SetClip(target_, clip);
      Run(op);
    }
  }
  SDL_RenderSetClipRect(target_, nullptr);
}

void Renderer::Run(const DrawOp& op) {
  switch (op.kind) {
    case DrawKind::Fill: {
      SetColor(target_, op.color);
      const SDL_Rect r = ToSdl(op.box);
      SDL_RenderFillRect(target_, &r);
      break;
    }
    case DrawKind::Outline: {
      SetColor(target_, op.color);
      const SDL_Rect r = ToSdl(op.box);
      SDL_RenderDrawRect(target_, &r);
      break;
    }
    case DrawKind::Picture:
      Picture(op);
      break;
    case DrawKind::Text:
    case DrawKind::OutlinedText:
      DrawText(op, op.box);
      break;
    case DrawKind::Caption:
      Caption(op);
      break;
    case DrawKind::Line: {
      SetColor(target_, op.color);
      const bool horizontal = op.box.y == op.y2;
      for (int w = 0; w < op.width; ++w) {
        const int dx = horizontal ? 0 : w, dy = horizontal ? w : 0;
        SDL_RenderDrawLine(target_, op.box.x + dx, op.box.y + dy, op.x2 + dx, op.y2 + dy);
      }
      break;
    }
  }
}

void Renderer::Picture(const DrawOp& op) {
  SDL_Texture* tex = Texture(op.text);
  if (!tex) {
    // A missing picture shows as a magenta and black check, easy to spot and never fatal.
    const SDL_Rect dst = ToSdl(op.box);
    SDL_RenderCopy(target_, Placeholder(), nullptr, &dst);
    return;
  }
  int w = 0, h = 0;
  SDL_QueryTexture(tex, nullptr, nullptr, &w, &h);
  if (op.stretch && (w != op.box.w || h != op.box.h)) {
    // A scaled copy samples its picture differently when clipped, so a part of a
    // stretched picture drawn again would not match the rest of it.
    if (SDL_Texture* scaled = Scaled(op.text, op.box.w, op.box.h)) {
      tex = scaled;
      w = op.box.w;
      h = op.box.h;
    }
  }
  const SDL_Rect dst = op.stretch ? ToSdl(op.box) : SDL_Rect{op.box.x, op.box.y, w, h};
  SDL_RenderCopy(target_, tex, nullptr, &dst);
}

void Renderer::Caption(const DrawOp& op) {
  TTF_Font* font = FontFor(*op.font);
  int tw = 0, th = 0;
  if (font) TTF_SizeUTF8(font, std::string(op.text).c_str(), &tw, &th);
  SetColor(target_, op.back);
  const SDL_Rect behind{op.box.x - 2, op.box.y, tw + 4, th};
  SDL_RenderFillRect(target_, &behind);
  DrawOp text = op;
  text.align = TextAlign::Left;
  text.wrap = false;
  DrawText(text, {op.box.x, op.box.y, tw + 2, th});
}

SDL_Texture* Renderer::Placeholder() {
  if (placeholder_) return placeholder_.get();
  SurfaceHandle s(SDL_CreateRGBSurfaceWithFormat(0, 64, 64, 32, SDL_PIXELFORMAT_RGBA32));
  if (!s) return nullptr;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const Uint32 c = ((x / 4 + y / 4) % 2) ? SDL_MapRGB(s->format, 255, 0, 255)
                                             : SDL_MapRGB(s->format, 0, 0, 0);
      static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x] = c;
    }
  }
  placeholder_.reset(SDL_CreateTextureFromSurface(target_, s.get()));
  return placeholder_.get();
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

void Renderer::DrawText(const DrawOp& op, PixelRect box) {
  TTF_Font* font = FontFor(*op.font);
  if (!font || op.text.empty()) return;
  const std::string text(op.text);
  const int align = op.align == TextAlign::Left ? 0 : op.align == TextAlign::Center ? 1 : 2;
  const bool outlined = op.kind == DrawKind::OutlinedText;
  // An outline widens the block by its reach on every side, and the block is drawn that much
  // further up and left, so the letters stay where they would be without it.
  const int pad = outlined ? kOutlinePx : 0;
  // A block of text is laid out and rasterised once, then drawn from the cache.
  const std::string key = text + '\x1f' + op.font->face + '\x1f' + std::to_string(op.font->points) +
                          (op.font->bold ? "b" : "n") + std::to_string(op.color) + '/' +
                          std::to_string(box.w) + '/' + std::to_string(align) +
                          (op.wrap ? "w" : "-") +
                          (outlined ? '/' + std::to_string(op.back) : std::string());
  Text* cached = texts_.Find(key);
  if (!cached) {
    const std::vector<std::string> lines = WrapLines(font, text, box.w, op.wrap);
    const int lineHeight = TTF_FontLineSkip(font);
    int blockWidth = box.w;
    for (const std::string& line : lines) {
      int w = 0, h = 0;
      TTF_SizeUTF8(font, line.c_str(), &w, &h);
      blockWidth = std::max(blockWidth, w);
    }
    blockWidth += 2 * pad;
    const int blockHeight = std::max(1, lineHeight * static_cast<int>(lines.size())) + 2 * pad;
    SurfaceHandle block(
        SDL_CreateRGBSurfaceWithFormat(0, blockWidth, blockHeight, 32, SDL_PIXELFORMAT_RGBA32));
    if (!block) return;
    SDL_FillRect(block.get(), nullptr, SDL_MapRGBA(block->format, 0, 0, 0, 0));
    int y = 0;
    for (const std::string& line : lines) {
      if (!line.empty()) {
        SurfaceHandle s{TTF_RenderUTF8_Blended(font, line.c_str(), ToSdl(op.color))};
        if (s && outlined) s = Outlined(s.get(), ToSdl(op.color), ToSdl(op.back));
        if (s) {
          SDL_SetSurfaceBlendMode(s.get(), SDL_BLENDMODE_NONE);
          const int w = s->w - 2 * pad;
          const int x = align == 0 ? 0 : align == 1 ? (box.w - w) / 2 : box.w - w;
          SDL_Rect dst{x, y, s->w, s->h};
          SDL_BlitSurface(s.get(), nullptr, block.get(), &dst);
        }
      }
      y += lineHeight;
    }
    TextureHandle texture(SDL_CreateTextureFromSurface(target_, block.get()));
    if (!texture) return;
    SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
    cached = &texts_.Put(key, Text{std::move(texture), blockWidth, blockHeight},
                         static_cast<std::size_t>(blockWidth) * blockHeight * 4);
  }
  const SDL_Rect dst{box.x - pad, box.y - pad, cached->w, cached->h};
  SDL_RenderCopy(target_, cached->texture.get(), nullptr, &dst);
}

}  // namespace tq
