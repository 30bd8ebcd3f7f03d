// The main window over Qt: the widget that shows the on-screen picture and turns
// Qt's input into the program's, and the timer.
#include "platform/qt/qt_form.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include "platform/qt/qt_convert.h"

namespace lv::qt {

namespace {

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers) {
  TShiftState shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  return shift;
}

std::optional<TMouseButton> ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return TMouseButton::mbLeft;
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return std::nullopt;
  }
}

// The program's key code for a Qt key: the keys it reacts to by their fixed codes,
// letters and digits as themselves, anything else as a code it ignores.
std::uint16_t KeyCodeOf(int key) {
  switch (key) {
    case Qt::Key_Backspace: return vk::Back;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    default: return key >= 0x20 && key < 0x7F ? static_cast<std::uint16_t>(key) : 0xFF;
  }
}

}  // namespace

QtTimer::QtTimer() {
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (OnTimer) OnTimer();
  });
}

void QtTimer::SetInterval(int milliseconds) { timer_.setInterval(milliseconds); }

void QtTimer::SetEnabled(bool enabled) {
  if (enabled)
    timer_.start();
  else
    timer_.stop();
}

QtForm::QtForm() : widget_(new FormWidget(canvas_)) {}

QtForm::~QtForm() { delete widget_; }

void QtForm::SetEvents(TFormEvents events) { widget_->events = std::move(events); }

void QtForm::SetClientSize(int width, int height) {
  canvas_.SetSize(width, height);
  widget_->setFixedSize(width, height);
}

int QtForm::Left() const { return widget_->pos().x(); }
int QtForm::Top() const { return widget_->pos().y(); }
void QtForm::SetPosition(int left, int top) { widget_->move(left, top); }

void QtForm::Invalidate(const TRect& rect) { widget_->update(ToQRect(rect)); }

void QtForm::Close() { widget_->close(); }

// The mask goes to the X server as a SHAPE request. Before the first show it is
// sent with the window; on a shown window it waits until something flushes, so a
// repaint is asked for.
void QtForm::SetShape(const std::vector<TRect>& rects) {
  if (rects.empty()) {
    widget_->clearMask();
  } else {
    QRegion region;
    for (const TRect& rect : rects) region += ToQRect(rect);
    widget_->setMask(region);
  }
  if (widget_->isVisible()) widget_->update();
}

// Changing the hint makes a new native window (a new X window id; anything that
// keeps one must take it again from windowHandle()->winId()) and hides the widget;
// the borderless flag stays, and a window that was shown is shown again.
void QtForm::SetStayOnTop(bool onTop) {
  if (StayOnTop() == onTop) return;
  const bool wasVisible = widget_->isVisible();
  widget_->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (wasVisible) widget_->show();
}

bool QtForm::StayOnTop() const { return widget_->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

std::unique_ptr<ILabel> QtForm::CreateLabel(const TRect& bounds, TAlignment alignment, bool wordWrap) {
  return std::make_unique<QtLabel>(widget_, bounds, alignment, wordWrap);
}

std::unique_ptr<IMemo> QtForm::CreateMemo(const TRect& bounds) { return std::make_unique<QtMemo>(widget_, bounds); }

std::unique_ptr<ITimer> QtForm::CreateTimer() { return std::make_unique<QtTimer>(); }

std::unique_ptr<IPopupMenu> QtForm::CreatePopupMenu(const std::vector<TMenuItemSpec>& items) {
  return std::make_unique<QtPopupMenu>(widget_, items);
}

FormWidget::FormWidget(TBitmap& canvas) : canvas_(canvas) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  // The picture covers every pixel, so the system never needs to erase the background.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
}

void FormWidget::paintEvent(QPaintEvent* event) {
  QImage image(canvas_.Bits(), canvas_.Width(), canvas_.Height(), canvas_.Stride(), QImage::Format_BGR888);
  QPainter painter(this);
  painter.drawImage(event->rect(), image, event->rect());
}

// The first showing and every restore from the taskbar repaint the whole window.
void FormWidget::showEvent(QShowEvent*) {
  if (events.OnPaint) events.OnPaint();
}

void FormWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && !isMinimized() && events.OnPaint) events.OnPaint();
  QWidget::changeEvent(event);
}

void FormWidget::mousePressEvent(QMouseEvent* event) {
  auto button = ButtonOf(event->button());
  if (button && events.OnMouseDown)
    events.OnMouseDown(nullptr, *button, ShiftOf(event->modifiers()), event->position().x(), event->position().y());
}

void FormWidget::mouseMoveEvent(QMouseEvent* event) {
  if (events.OnMouseMove) events.OnMouseMove(nullptr, ShiftOf(event->modifiers()), event->position().x(), event->position().y());
}

void FormWidget::mouseReleaseEvent(QMouseEvent* event) {
  auto button = ButtonOf(event->button());
  if (button && events.OnMouseUp)
    events.OnMouseUp(nullptr, *button, ShiftOf(event->modifiers()), event->position().x(), event->position().y());
}

void FormWidget::keyPressEvent(QKeyEvent* event) { PreviewKey(event); }

bool FormWidget::PreviewKey(QKeyEvent* event) {
  std::uint16_t key = KeyCodeOf(event->key());
  if (events.OnKeyDown) events.OnKeyDown(key, ShiftOf(event->modifiers()));
  // Enter never reaches the wish box: it is the fortune key, not a line break.
  return key == 0 || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

const ILabel* FormWidget::SenderOf(QObject* watched) const {
  for (const QtLabel* label : labels)
    if (label->Widget() == watched) return label;
  return nullptr;
}

// The wish box reports its presses and lets the form see its keys first. It takes
// no middle-button paste of the X selection: the wish is typed, and a paste from a
// selection that has no owner brings the text edit down.
bool FormWidget::FilterMemoEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: return PreviewKey(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      auto button = ButtonOf(mouse->button());
      if (event->type() == QEvent::MouseButtonPress && button && memo->OnMouseDown)
        memo->OnMouseDown(*button, ShiftOf(mouse->modifiers()), mouse->position().x(), mouse->position().y());
      return mouse->button() == Qt::MiddleButton;
    }
    default: return false;
  }
}

// A label's mouse events become the form's, with the label as sender.
bool FormWidget::FilterLabelEvent(const ILabel* label, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (auto button = ButtonOf(mouse->button()); button && events.OnMouseDown)
        events.OnMouseDown(label, *button, ShiftOf(mouse->modifiers()), mouse->position().x(), mouse->position().y());
      return true;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (events.OnMouseMove) events.OnMouseMove(label, ShiftOf(mouse->modifiers()), mouse->position().x(), mouse->position().y());
      return true;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (auto button = ButtonOf(mouse->button()); button && events.OnMouseUp)
        events.OnMouseUp(label, *button, ShiftOf(mouse->modifiers()), mouse->position().x(), mouse->position().y());
      return true;
    }
    default: return false;
  }
}

bool FormWidget::eventFilter(QObject* watched, QEvent* event) {
  if (memo && (watched == memo->Widget() || watched == memo->Widget()->viewport())) return FilterMemoEvent(event);
  if (const ILabel* label = SenderOf(watched)) return FilterLabelEvent(label, event);
  return QWidget::eventFilter(watched, event);
}

}  // namespace lv::qt
