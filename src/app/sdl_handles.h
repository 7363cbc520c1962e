// Owners for SDL's handles and libraries: each is released exactly once, by its own release
// call, and an owner declared after another is released before it.
#pragma once

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <memory>

namespace tq {

struct SdlDeleter {
  void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
  void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
  void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
  void operator()(SDL_Cursor* c) const { SDL_FreeCursor(c); }
  void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};

using WindowHandle = std::unique_ptr<SDL_Window, SdlDeleter>;
using RendererHandle = std::unique_ptr<SDL_Renderer, SdlDeleter>;
using TextureHandle = std::unique_ptr<SDL_Texture, SdlDeleter>;
using SurfaceHandle = std::unique_ptr<SDL_Surface, SdlDeleter>;
using CursorHandle = std::unique_ptr<SDL_Cursor, SdlDeleter>;
using FontHandle = std::unique_ptr<TTF_Font, SdlDeleter>;

// One SDL subsystem held open; SDL counts the holders, so tests and the program may each hold
// the same subsystem.
class SdlSubsystem {
 public:
  explicit SdlSubsystem(Uint32 flags) : flags_(SDL_InitSubSystem(flags) == 0 ? flags : 0) {}
  ~SdlSubsystem() {
    if (flags_) SDL_QuitSubSystem(flags_);
  }
  SdlSubsystem(const SdlSubsystem&) = delete;
  SdlSubsystem& operator=(const SdlSubsystem&) = delete;
  bool ok() const { return flags_ != 0; }

 private:
  Uint32 flags_;
};

// The font library held open; SDL_ttf counts its holders too.
class TtfLibrary {
 public:
  TtfLibrary() : ok_(TTF_Init() == 0) {}
  ~TtfLibrary() {
    if (ok_) TTF_Quit();
  }
  TtfLibrary(const TtfLibrary&) = delete;
  TtfLibrary& operator=(const TtfLibrary&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_;
};

}  // namespace tq
