// The main window over Qt widgets: a frameless widget that shows the on-screen
// picture, with Qt labels, a plain-text wish box, a timer and a popup menu.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>
#include <map>

#include "platform/platform.h"

namespace lv::qt {

class FormWidget;

class QtLabel : public ILabel {
 public:
  QtLabel(FormWidget* form, const TRect& bounds, TAlignment alignment, bool wordWrap);
  TRect Bounds() const override { return bounds_; }
  void SetCaption(const std::string& text) override;
  std::string Caption() const override { return caption_; }
  void SetVisible(bool visible) override { label_->setVisible(visible); visible_ = visible; }
  bool Visible() const override { return visible_; }
  void SetFont(const TFontSpec& font) override;
  TFontSpec Font() const override { return font_; }
  void SetBackColor(TColor color) override;
  TColor BackColor() const override { return back_; }
  QLabel* Widget() const { return label_; }

 private:
  void ApplyPalette();
  QLabel* label_;
  TRect bounds_;
  std::string caption_;
  TFontSpec font_;
  TColor back_ = 0;
  bool visible_ = true;
};

class QtMemo : public IMemo {
 public:
  QtMemo(FormWidget* form, const TRect& bounds);
  TRect Bounds() const override { return bounds_; }
  std::string Text() const override;
  void SetText(const std::string& text) override;
  int SelStart() const override;
  void SetSelStart(int position) override;
  void SetReadOnly(bool readOnly) override { edit_->setReadOnly(readOnly); }
  bool ReadOnly() const override { return edit_->isReadOnly(); }
  void SetVisible(bool visible) override { edit_->setVisible(visible); visible_ = visible; }
  bool Visible() const override { return visible_; }
  void SetMaxLength(int characters) override { maxLength_ = characters; }
  int MaxLength() const override { return maxLength_; }
  void SetFont(const TFontSpec& font) override;
  void SetBackColor(TColor color) override;
  TColor BackColor() const override { return back_; }
  void SetFocus() override { edit_->setFocus(); }
  QPlainTextEdit* Widget() const { return edit_; }

 private:
  void EnforceMaxLength();
  QPlainTextEdit* edit_;
  TRect bounds_;
  int maxLength_ = 0;
  TColor back_ = 0;
  bool visible_ = true;
  bool trimming_ = false;
};

class QtTimer : public ITimer {
 public:
  QtTimer();
  void SetInterval(int milliseconds) override;
  int Interval() const override { return timer_.interval(); }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
};

class QtPopupMenu : public IPopupMenu {
 public:
  QtPopupMenu(QWidget* owner, const std::vector<TMenuItemSpec>& items);
  void SetChecked(const std::string& item, bool checked) override;
  bool Checked(const std::string& item) const override;
  void SetEnabled(const std::string& item, bool enabled) override;
  bool Enabled(const std::string& item) const override;
  void Popup(int screenX, int screenY) override;

 private:
  QAction* Find(const std::string& item) const;
  QMenu* menu_;
  std::map<std::string, QAction*> actions_;
};

class QtForm : public IForm {
 public:
  QtForm();
  ~QtForm() override;
  void SetEvents(TFormEvents events) override;
  void SetClientSize(int width, int height) override;
  int Left() const override;
  int Top() const override;
  void SetPosition(int left, int top) override;
  TBitmap& Canvas() override { return canvas_; }
  void Invalidate(const TRect& rect) override;
  void Close() override;
  void SetShape(const std::vector<TRect>& rects) override;
  void SetStayOnTop(bool onTop) override;
  bool StayOnTop() const override;
  std::unique_ptr<ILabel> CreateLabel(const TRect& bounds, TAlignment alignment, bool wordWrap) override;
  std::unique_ptr<IMemo> CreateMemo(const TRect& bounds) override;
  std::unique_ptr<ITimer> CreateTimer() override;
  std::unique_ptr<IPopupMenu> CreatePopupMenu(const std::vector<TMenuItemSpec>& items) override;

  FormWidget* Widget() const { return widget_; }

 private:
  TBitmap canvas_;
  FormWidget* widget_;
};

// The widget itself: paints the on-screen picture and turns Qt's input events
// into the program's.
class FormWidget : public QWidget {
  Q_OBJECT
 public:
  FormWidget(TBitmap& canvas);
  TFormEvents events;
  QtMemo* memo = nullptr;
  std::vector<QtLabel*> labels;

  // Hands a key to the program first; returns true when the key must not reach the
  // wish box.
  bool PreviewKey(QKeyEvent* event);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  const ILabel* SenderOf(QObject* watched) const;
  bool FilterMemoEvent(QEvent* event);
  bool FilterLabelEvent(const ILabel* label, QEvent* event);
  TBitmap& canvas_;
};

}  // namespace lv::qt
