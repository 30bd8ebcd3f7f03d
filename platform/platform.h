// The services the program needs from the desktop: the application, its one
// window with labels, wish box, timer and popup menu, the screen, the clock, sound
// and the search for another running copy. Two implementations exist: the real one
// over Qt and X11 (platform/qt) and an in-memory one for tests (platform/headless).
// All text that crosses this boundary is Shift-JIS (code page 932) bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace lv {

struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;  // right and bottom exclusive
  bool operator==(const TRect&) const = default;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4;

// Key codes the program reacts to (the platform maps its own keys onto these).
namespace vk {
constexpr std::uint16_t Back = 8, Return = 13, Escape = 27, Left = 37, Up = 38, Right = 39, Down = 40;
}

enum class TAlignment { Left, Centre };

struct TFontSpec {
  std::string Name;  // family name as the window design gives it (CP932)
  int Height = 12;   // positive: cell height in pixels; negative: character height
  TColor Color = 0;
};

// A text label placed on the window.
class ILabel {
 public:
  virtual ~ILabel() = default;
  virtual TRect Bounds() const = 0;
  virtual void SetCaption(const std::string& text) = 0;
  virtual std::string Caption() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;
  virtual void SetFont(const TFontSpec& font) = 0;
  virtual TFontSpec Font() const = 0;
  virtual void SetBackColor(TColor color) = 0;
  virtual TColor BackColor() const = 0;
};

// The multi-line wish box.
class IMemo {
 public:
  virtual ~IMemo() = default;
  virtual TRect Bounds() const = 0;
  virtual std::string Text() const = 0;
  // Replacing the text with the text it already has is no change and raises no change event.
  virtual void SetText(const std::string& text) = 0;
  virtual int SelStart() const = 0;  // caret position in characters
  // A position past the end puts the caret after the last character.
  virtual void SetSelStart(int position) = 0;
  virtual void SetReadOnly(bool readOnly) = 0;
  virtual bool ReadOnly() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;
  virtual void SetMaxLength(int characters) = 0;
  virtual int MaxLength() const = 0;
  virtual void SetFont(const TFontSpec& font) = 0;
  virtual void SetBackColor(TColor color) = 0;
  virtual TColor BackColor() const = 0;
  virtual void SetFocus() = 0;

  std::function<void()> OnChange;
  std::function<void(TMouseButton, TShiftState, int x, int y)> OnMouseDown;
};

// A periodic user-interface timer; its events arrive through the message loop.
class ITimer {
 public:
  virtual ~ITimer() = default;
  virtual void SetInterval(int milliseconds) = 0;
  virtual int Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;

  std::function<void()> OnTimer;
};

// One item of the popup menu, found by its component name.
struct TMenuItemSpec {
  std::string Name;
  std::string Caption;  // "-" for a separator
  std::string Parent;   // name of the submenu it belongs to, empty for the top level
  bool Radio = false;
  int Tag = 0;
};

class IPopupMenu {
 public:
  virtual ~IPopupMenu() = default;
  virtual void SetChecked(const std::string& item, bool checked) = 0;
  virtual bool Checked(const std::string& item) const = 0;
  virtual void SetEnabled(const std::string& item, bool enabled) = 0;
  virtual bool Enabled(const std::string& item) const = 0;
  // Shows the menu at a screen point and returns at once; a chosen item arrives
  // later through OnClick.
  virtual void Popup(int screenX, int screenY) = 0;

  std::function<void()> OnPopup;                       // before the menu shows
  std::function<void(const std::string& item)> OnClick;  // an item was chosen
};

// The window's event handlers. A label's mouse events arrive with the label as
// sender and the label's own coordinates; the form's own with sender null.
struct TFormEvents {
  std::function<void()> OnPaint;
  std::function<void(const ILabel* sender, TMouseButton, TShiftState, int x, int y)> OnMouseDown;
  std::function<void(const ILabel* sender, TShiftState, int x, int y)> OnMouseMove;
  std::function<void(const ILabel* sender, TMouseButton, TShiftState, int x, int y)> OnMouseUp;
  // Sees every key before the wish box. Setting the key to 0 keeps it from the box.
  std::function<void(std::uint16_t& key, TShiftState)> OnKeyDown;
};

// The one borderless main window. Its on-screen picture is held here; drawing into
// Canvas() followed by Invalidate() is what the user sees.
class IForm {
 public:
  virtual ~IForm() = default;
  virtual void SetEvents(TFormEvents events) = 0;
  virtual void SetClientSize(int width, int height) = 0;
  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual void SetPosition(int left, int top) = 0;
  // The on-screen picture, as large as the window.
  virtual TBitmap& Canvas() = 0;
  // Shows the given rectangle of the on-screen picture on the screen.
  virtual void Invalidate(const TRect& rect) = 0;
  // Ends the message loop; the program then tears the window down.
  virtual void Close() = 0;
  // The window's outline: only the pixels of these rectangles belong to the window;
  // elsewhere the desktop shows through and presses reach what lies below. No
  // rectangles at all give the window its whole rectangle back.
  virtual void SetShape(const std::vector<TRect>& rects) = 0;
  // Keeps the window above all others, or not; it stays where it is, shown or hidden.
  virtual void SetStayOnTop(bool onTop) = 0;
  virtual bool StayOnTop() const = 0;

  virtual std::unique_ptr<ILabel> CreateLabel(const TRect& bounds, TAlignment alignment,
                                              bool wordWrap) = 0;
  virtual std::unique_ptr<IMemo> CreateMemo(const TRect& bounds) = 0;
  virtual std::unique_ptr<ITimer> CreateTimer() = 0;
  virtual std::unique_ptr<IPopupMenu> CreatePopupMenu(const std::vector<TMenuItemSpec>& items) = 0;
};

class IApplication {
 public:
  virtual ~IApplication() = default;
  virtual void SetTitle(const std::string& title) = 0;
  virtual std::string Title() const = 0;
  virtual void Minimize() = 0;
  virtual std::unique_ptr<IForm> CreateForm() = 0;
  // Shows the form and runs the message loop until it is closed.
  virtual void Run(IForm& mainForm) = 0;
  // The default report of an error that escaped an event handler.
  virtual void ShowError(const std::string& message) = 0;
};

class IScreen {
 public:
  virtual ~IScreen() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

class IClock {
 public:
  virtual ~IClock() = default;
  // Milliseconds since some start point; wraps at 2^32.
  virtual std::uint32_t TickCount() const = 0;
  // Local date and time as days since 1899-12-30, the fraction the time of day.
  virtual double Now() const = 0;
  // Fresh entropy for the random generator.
  virtual std::uint64_t Entropy() const = 0;
};

// Plays complete RIFF WAVE files held in memory; the bytes must stay in place
// while they play.
class ISoundOutput {
 public:
  virtual ~ISoundOutput() = default;
  virtual void Stop() = 0;
  // Starts playing and returns at once; unplayable data stays silent.
  virtual void Play(const std::uint8_t* wav, std::size_t size) = 0;
};

// Search for a top-level window of another process by its exact title.
class IWindowFinder {
 public:
  virtual ~IWindowFinder() = default;
  using Handle = std::uint64_t;
  virtual std::optional<Handle> FindTopLevel(const std::string& title) = 0;
  virtual bool IsIconic(Handle window) = 0;
  virtual void Restore(Handle window) = 0;
  virtual void BringToFront(Handle window) = 0;
};

class IPlatform {
 public:
  virtual ~IPlatform() = default;
  virtual IApplication& Application() = 0;
  virtual IScreen& Screen() = 0;
  virtual IClock& Clock() = 0;
  virtual ISoundOutput& Sound() = 0;
  virtual IWindowFinder& Windows() = 0;
  // Full path of the program's own executable file.
  virtual std::string ExePath() const = 0;
};

}  // namespace lv
