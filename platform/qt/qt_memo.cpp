// The wish box: a plain-text edit that speaks code page 932.
#include "platform/qt/qt_form.h"

#include "platform/qt/qt_convert.h"

namespace lv::qt {

QtMemo::QtMemo(FormWidget* form, const TRect& bounds) : edit_(new QPlainTextEdit(form)), bounds_(bounds) {
  edit_->setGeometry(ToQRect(bounds));
  edit_->setFrameShape(QFrame::NoFrame);
  edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  edit_->setAttribute(Qt::WA_InputMethodEnabled, true);
  edit_->installEventFilter(form);
  edit_->viewport()->installEventFilter(form);
  form->memo = this;
  QObject::connect(edit_, &QPlainTextEdit::textChanged, [this] {
    if (trimming_) return;
    EnforceMaxLength();
    if (OnChange) OnChange();
  });
}

std::string QtMemo::Text() const { return ToCp932(edit_->toPlainText().replace('\n', "\r\n")); }

void QtMemo::SetText(const std::string& text) {
  QString wanted = FromCp932(text).remove('\r');
  if (wanted == edit_->toPlainText()) return;
  edit_->setPlainText(wanted);
}

int QtMemo::SelStart() const { return edit_->textCursor().position(); }

void QtMemo::SetSelStart(int position) {
  QTextCursor cursor = edit_->textCursor();
  cursor.setPosition(std::clamp(position, 0, static_cast<int>(edit_->toPlainText().size())));
  edit_->setTextCursor(cursor);
}

void QtMemo::SetFont(const TFontSpec& font) { edit_->setFont(FontFor(font)); }

void QtMemo::SetBackColor(TColor color) {
  back_ = color;
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Base, ToQColor(color));
  palette.setColor(QPalette::Text, QColor(0, 0, 0));
  edit_->setPalette(palette);
}

// The box holds at most MaxLength characters; what typing or pasting adds beyond
// that is cut off at the end.
void QtMemo::EnforceMaxLength() {
  QString text = edit_->toPlainText();
  if (maxLength_ <= 0 || text.size() <= maxLength_) return;
  int caret = SelStart();
  trimming_ = true;
  edit_->setPlainText(text.left(maxLength_));
  trimming_ = false;
  SetSelStart(std::min(caret, maxLength_));
}

}  // namespace lv::qt
