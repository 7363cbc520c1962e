// The X server side of the measurements: window lookup by process, XDamage for presented
// frames, XGetImage for their pixels and XTest for the player's input.
#include "x_probe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace tq::measure {
namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point t) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

pid_t WindowPid(Display* d, Window w) {
  static const Atom netWmPid = XInternAtom(d, "_NET_WM_PID", False);
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  pid_t pid = 0;
  if (XGetWindowProperty(d, w, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after,
                         &data) == Success &&
      data) {
    if (items == 1 && format == 32) pid = static_cast<pid_t>(*reinterpret_cast<long*>(data));
    XFree(data);
  }
  return pid;
}

// A window may go away between two requests when its program ends; that is not an error here.
int IgnoreErrors(Display*, XErrorEvent*) {
  return 0;
}

}  // namespace

XProbe::XProbe() {
  display_ = XOpenDisplay(nullptr);
  if (!display_) {
    std::fprintf(stderr, "measure: cannot open the X display\n");
    std::exit(2);
  }
  XSetErrorHandler(IgnoreErrors);
  int error = 0, major = 0, minor = 0, opcode = 0;
  if (!XDamageQueryExtension(display_, &damageEvent_, &error) ||
      !XTestQueryExtension(display_, &error, &opcode, &major, &minor)) {
    std::fprintf(stderr, "measure: the X server lacks the Damage or XTest extension\n");
    std::exit(2);
  }
}

XProbe::~XProbe() {
  XCloseDisplay(display_);
}

unsigned long XProbe::WaitForWindow(pid_t pid, int timeoutMs) {
  const auto start = Clock::now();
  while (MsSince(start) < timeoutMs) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
      for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes a;
        if (WindowPid(display_, children[i]) == pid &&
            XGetWindowAttributes(display_, children[i], &a) && a.map_state == IsViewable) {
          found = children[i];
        }
      }
      if (children) XFree(children);
    }
    if (found) return found;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return 0;
}

void XProbe::Size(unsigned long window, int& width, int& height) {
  XWindowAttributes a;
  XGetWindowAttributes(display_, window, &a);
  width = a.width;
  height = a.height;
}

bool XProbe::ShowsAFrame(unsigned long window) {
  int w = 0, h = 0;
  Size(window, w, h);
  // Three rows across the window are enough to tell a drawn frame from the black beneath.
  for (int row = 1; row <= 3; ++row) {
    XImage* img = XGetImage(display_, window, 0, h * row / 4, static_cast<unsigned>(w), 1,
                            AllPlanes, ZPixmap);
    if (!img) continue;
    bool drawn = false;
    for (int x = 0; x < w && !drawn; ++x) drawn = (XGetPixel(img, x, 0) & 0xFFFFFF) != 0;
    XDestroyImage(img);
    if (drawn) return true;
  }
  return false;
}

std::uint64_t XProbe::PictureHash(unsigned long window) {
  int w = 0, h = 0;
  Size(window, w, h);
  XImage* img = XGetImage(display_, window, 0, 0, static_cast<unsigned>(w),
                          static_cast<unsigned>(h), AllPlanes, ZPixmap);
  if (!img) return 0;
  std::uint64_t hash = 0xCBF29CE484222325ull;
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const unsigned char*>(img->data + y * img->bytes_per_line);
    for (int i = 0; i < w * img->bits_per_pixel / 8; ++i) hash = (hash ^ row[i]) * 0x100000001B3ull;
  }
  XDestroyImage(img);
  return hash;
}

Frames XProbe::CountFrames(unsigned long window, double seconds) {
  Frames frames;
  const Damage damage = XDamageCreate(display_, window, XDamageReportNonEmpty);
  std::uint64_t last = PictureHash(window);
  XDamageSubtract(display_, damage, None, None);
  XSync(display_, False);
  // Whatever the new damage object reported of the past is not a frame of the time measured.
  for (XEvent e; XPending(display_);) XNextEvent(display_, &e);
  const auto start = Clock::now();
  while (MsSince(start) < seconds * 1000) {
    if (!XPending(display_)) {
      pollfd p{ConnectionNumber(display_), POLLIN, 0};
      poll(&p, 1, 20);
      continue;
    }
    XEvent e;
    XNextEvent(display_, &e);
    if (e.type != damageEvent_ + XDamageNotify) continue;
    // The picture is taken before the damage is cleared: a frame drawn in between is counted
    // with this one rather than seen as a second frame that changed nothing.
    const std::uint64_t now = PictureHash(window);
    XDamageSubtract(display_, damage, None, None);
    XSync(display_, False);
    ++frames.presented;
    if (now != last) ++frames.changed;
    last = now;
  }
  XDamageDestroy(display_, damage);
  XSync(display_, True);
  return frames;
}

double XProbe::MsUntilChange(unsigned long window, int timeoutMs) {
  const auto start = Clock::now();
  const std::uint64_t before = PictureHash(window);
  while (MsSince(start) < timeoutMs) {
    if (PictureHash(window) != before) return MsSince(start);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return -1;
}

void XProbe::PointAt(unsigned long window, int x, int y) {
  int rx = 0, ry = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &rx, &ry, &child);
  XTestFakeMotionEvent(display_, -1, rx, ry, CurrentTime);
}

void XProbe::Click(unsigned long window, int x, int y) {
  PointAt(window, x, y);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  XSync(display_, False);
}

void XProbe::Key(unsigned long window, unsigned long keysym) {
  int w = 0, h = 0;
  Size(window, w, h);
  PointAt(window, w / 2, h / 2);  // without a window manager the key goes where the pointer is
  const KeyCode code = XKeysymToKeycode(display_, keysym);
  XTestFakeKeyEvent(display_, code, True, CurrentTime);
  XTestFakeKeyEvent(display_, code, False, CurrentTime);
  XSync(display_, False);
}

void XProbe::CloseBox(unsigned long window) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = window;
  e.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &e);
  XSync(display_, False);
}

}  // namespace tq::measure
