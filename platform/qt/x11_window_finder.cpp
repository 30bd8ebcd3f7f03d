// Finding and raising another program's top-level window by its title on X11.
#include "platform/qt/x11_window_finder.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

namespace lv::qt {

namespace {

class X11WindowFinder : public IWindowFinder {
 public:
  X11WindowFinder() : display_(XOpenDisplay(nullptr)) {}
  ~X11WindowFinder() override {
    if (display_) XCloseDisplay(display_);
  }

  std::optional<Handle> FindTopLevel(const std::string& title) override {
    if (!display_) return std::nullopt;
    for (Window w : TopLevelWindows())
      if (TitleOf(w) == title) return static_cast<Handle>(w);
    return std::nullopt;
  }

  bool IsIconic(Handle window) override {
    Atom wmState = XInternAtom(display_, "WM_STATE", False);
    std::vector<unsigned long> state = Property(static_cast<Window>(window), wmState, wmState);
    return !state.empty() && state[0] == IconicState;
  }

  void Restore(Handle window) override {
    XMapRaised(display_, static_cast<Window>(window));
    XFlush(display_);
  }

  // Asks the window manager to activate the window, as a pager would (source 2).
  void BringToFront(Handle window) override {
    Window w = static_cast<Window>(window);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = w;
    event.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, DefaultRootWindow(display_), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XRaiseWindow(display_, w);
    XSync(display_, False);
  }

 private:
  std::vector<unsigned long> Property(Window w, Atom property, Atom type) {
    Atom actualType;
    int actualFormat;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(display_, w, property, 0, 1 << 16, False, type, &actualType, &actualFormat, &count,
                           &remaining, &data) == Success &&
        data && actualFormat == 32) {
      auto* items = reinterpret_cast<unsigned long*>(data);
      values.assign(items, items + count);
    }
    if (data) XFree(data);
    return values;
  }

  // The window manager's list of clients; without a window manager, every window
  // of the tree that carries a class (so not Qt's unmapped client leader).
  std::vector<Window> TopLevelWindows() {
    Window root = DefaultRootWindow(display_);
    std::vector<unsigned long> clients =
        Property(root, XInternAtom(display_, "_NET_CLIENT_LIST", False), XA_WINDOW);
    if (!clients.empty()) return {clients.begin(), clients.end()};
    std::vector<Window> found;
    CollectClassed(root, found);
    return found;
  }

  void CollectClassed(Window w, std::vector<Window>& found) {
    XClassHint hint{};
    if (XGetClassHint(display_, w, &hint)) {
      found.push_back(w);
      XFree(hint.res_name);
      XFree(hint.res_class);
    }
    Window root, parent;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, w, &root, &parent, &children, &count)) return;
    for (unsigned int i = 0; i < count; ++i) CollectClassed(children[i], found);
    if (children) XFree(children);
  }

  std::string TitleOf(Window w) {
    Atom actualType;
    int actualFormat;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::string title;
    Atom netName = XInternAtom(display_, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    if (XGetWindowProperty(display_, w, netName, 0, 1024, False, utf8, &actualType, &actualFormat, &count,
                           &remaining, &data) == Success &&
        data && actualFormat == 8) {
      title.assign(reinterpret_cast<char*>(data), count);
    } else {
      char* name = nullptr;
      if (XFetchName(display_, w, &name) && name) {
        title = name;
        XFree(name);
      }
    }
    if (data) XFree(data);
    return title;
  }

  Display* display_;
};

}  // namespace

std::unique_ptr<IWindowFinder> MakeX11WindowFinder() { return std::make_unique<X11WindowFinder>(); }

}  // namespace lv::qt
