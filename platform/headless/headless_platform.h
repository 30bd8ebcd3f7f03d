// An in-memory desktop for tests: the window's on-screen picture is a bitmap, the
// clock, screen and entropy are settable, and sounds, window moves and errors are
// recorded.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace lv::headless {

class Label : public ILabel {
 public:
  Label(TRect bounds, TAlignment alignment, bool wordWrap)
      : alignment(alignment), wordWrap(wordWrap), bounds_(bounds) {}
  TRect Bounds() const override { return bounds_; }
  void SetCaption(const std::string& text) override { caption_ = text; }
  std::string Caption() const override { return caption_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  bool Visible() const override { return visible_; }
  void SetFont(const TFontSpec& font) override { font_ = font; }
  TFontSpec Font() const override { return font_; }
  void SetBackColor(TColor color) override { back_ = color; }
  TColor BackColor() const override { return back_; }

  const TAlignment alignment;
  const bool wordWrap;

 private:
  TRect bounds_;
  std::string caption_;
  bool visible_ = true;
  TFontSpec font_;
  TColor back_ = 0;
};

class Memo : public IMemo {
 public:
  explicit Memo(TRect bounds) : bounds_(bounds) {}
  TRect Bounds() const override { return bounds_; }
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override;
  int SelStart() const override { return selStart_; }
  void SetSelStart(int position) override {
    selStart_ = std::clamp(position, 0, static_cast<int>(text_.size()));
  }
  void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }
  bool ReadOnly() const override { return readOnly_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  bool Visible() const override { return visible_; }
  void SetMaxLength(int characters) override { maxLength_ = characters; }
  int MaxLength() const override { return maxLength_; }
  void SetFont(const TFontSpec&) override {}
  void SetBackColor(TColor color) override { back_ = color; }
  TColor BackColor() const override { return back_; }
  void SetFocus() override { ++focusCount; }

  // What the user does: typing replaces the text unless the box is read-only.
  void Type(const std::string& text);

  int focusCount = 0;

 private:
  TRect bounds_;
  std::string text_;
  int selStart_ = 0;
  bool readOnly_ = false;
  bool visible_ = true;
  int maxLength_ = 0;
  TColor back_ = 0;
};

class Timer : public ITimer {
 public:
  void SetInterval(int milliseconds) override { interval_ = milliseconds; }
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Enabled() const override { return enabled_; }
  void Fire() {
    if (enabled_ && OnTimer) OnTimer();
  }

 private:
  int interval_ = 1000;
  bool enabled_ = true;
};

class PopupMenu : public IPopupMenu {
 public:
  explicit PopupMenu(std::vector<TMenuItemSpec> items);
  void SetChecked(const std::string& item, bool checked) override;
  bool Checked(const std::string& item) const override;
  void SetEnabled(const std::string& item, bool enabled) override;
  bool Enabled(const std::string& item) const override;
  void Popup(int screenX, int screenY) override;

  const std::vector<TMenuItemSpec> items;
  int popupCount = 0;

 private:
  struct State {
    bool checked = false;
    bool enabled = true;
  };
  State& At(const std::string& item);
  std::map<std::string, State> states_;
};

class Form : public IForm {
 public:
  void SetEvents(TFormEvents events) override { events = std::move(events); }
  void SetClientSize(int width, int height) override { canvas_.SetSize(width, height); }
  int Left() const override { return left_; }
  int Top() const override { return top_; }
  void SetPosition(int left, int top) override {
    left_ = left;
    top_ = top;
  }
  TBitmap& Canvas() override { return canvas_; }
  void Invalidate(const TRect& rect) override { invalidated.push_back(rect); }
  void Close() override { closed = true; }
  void SetShape(const std::vector<TRect>& rects) override {
    shape = rects;
    ++shapeCount;
  }
  void SetStayOnTop(bool onTop) override { stayOnTop = onTop; }
  bool StayOnTop() const override { return stayOnTop; }
  std::unique_ptr<ILabel> CreateLabel(const TRect& bounds, TAlignment alignment, bool wordWrap) override;
  std::unique_ptr<IMemo> CreateMemo(const TRect& bounds) override;
  std::unique_ptr<ITimer> CreateTimer() override;
  std::unique_ptr<IPopupMenu> CreatePopupMenu(const std::vector<TMenuItemSpec>& items) override;

  TFormEvents events;
  std::vector<TRect> invalidated;
  bool closed = false;
  std::vector<TRect> shape;  // the outline last given; empty: the whole rectangle
  int shapeCount = 0;        // how often an outline was given
  bool stayOnTop = false;
  // The components made for this window, in creation order.
  std::vector<Label*> labels;
  Memo* memo = nullptr;
  std::vector<Timer*> timers;
  PopupMenu* popupMenu = nullptr;

 private:
  TBitmap canvas_;
  int left_ = 0, top_ = 0;
};

class Application : public IApplication {
 public:
  void SetTitle(const std::string& title) override { title_ = title; }
  std::string Title() const override { return title_; }
  void Minimize() override { ++minimizeCount; }
  std::unique_ptr<IForm> CreateForm() override;
  void Run(IForm& mainForm) override;
  void ShowError(const std::string& message) override { errors.push_back(message); }

  Form* form = nullptr;  // the last form created
  int minimizeCount = 0;
  int runCount = 0;
  std::vector<std::string> errors;

 private:
  std::string title_;
};

class Screen : public IScreen {
 public:
  int Width() const override { return width; }
  int Height() const override { return height; }
  int width = 1024, height = 768;
};

class Clock : public IClock {
 public:
  std::uint32_t TickCount() const override { return tick; }
  double Now() const override { return now; }
  std::uint64_t Entropy() const override { return entropy; }
  std::uint32_t tick = 0;
  double now = 46000.5;  // a day in 2025
  std::uint64_t entropy = 12345;
};

class SoundOutput : public ISoundOutput {
 public:
  void Stop() override { ++stopCount; }
  void Play(const std::uint8_t* wav, std::size_t size) override { played.push_back({wav, size}); }
  struct Played {
    const std::uint8_t* data;
    std::size_t size;
  };
  std::vector<Played> played;
  int stopCount = 0;
};

class WindowFinder : public IWindowFinder {
 public:
  struct Window {
    std::string title;
    bool iconic = false;
    bool front = false;
  };
  std::optional<Handle> FindTopLevel(const std::string& title) override;
  bool IsIconic(Handle window) override { return windows.at(window).iconic; }
  void Restore(Handle window) override { windows.at(window).iconic = false; }
  void BringToFront(Handle window) override { windows.at(window).front = true; }
  std::vector<Window> windows;
};

class Platform : public IPlatform {
 public:
  IApplication& Application() override { return app; }
  IScreen& Screen() override { return screen; }
  IClock& Clock() override { return clock; }
  ISoundOutput& Sound() override { return sound; }
  IWindowFinder& Windows() override { return windows; }
  std::string ExePath() const override { return exePath; }

  headless::Application app;
  headless::Screen screen;
  headless::Clock clock;
  headless::SoundOutput sound;
  headless::WindowFinder windows;
  std::string exePath = "/tmp/lunavox-test/lunavox";
};

}  // namespace lv::headless
