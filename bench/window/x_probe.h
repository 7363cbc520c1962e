// What the measuring program sees of a window on the X server: when it first shows a frame,
// how many frames it presents and how many of them change a pixel, and the clicks and keys
// a player would give it.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>

typedef struct _XDisplay Display;

namespace tq::measure {

struct Frames {
  int presented = 0;
  int changed = 0;
};

class XProbe {
 public:
  // Connects to $DISPLAY; exits with a message when the server lacks Damage or XTest.
  XProbe();
  ~XProbe();
  XProbe(const XProbe&) = delete;
  XProbe& operator=(const XProbe&) = delete;

  // The viewable top-level window of the process, or 0 after `timeoutMs`.
  unsigned long WaitForWindow(pid_t pid, int timeoutMs);
  // True once anything but black is on the window (the server's root is black).
  bool ShowsAFrame(unsigned long window);
  void Size(unsigned long window, int& width, int& height);
  // Counts the frames drawn into the window for `seconds`, comparing each with the one before.
  Frames CountFrames(unsigned long window, double seconds);
  // Milliseconds from now until the window next shows a picture that differs from the present
  // one, or -1 after `timeoutMs`.
  double MsUntilChange(unsigned long window, int timeoutMs);
  void Click(unsigned long window, int x, int y);
  void Key(unsigned long window, unsigned long keysym);
  // What the window manager sends when the close box is clicked.
  void CloseBox(unsigned long window);

 private:
  std::uint64_t PictureHash(unsigned long window);
  void PointAt(unsigned long window, int x, int y);

  Display* display_ = nullptr;
  int damageEvent_ = 0;
};

}  // namespace tq::measure
