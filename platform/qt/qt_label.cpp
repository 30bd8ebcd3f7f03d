// Text labels on the window.
#include "platform/qt/qt_form.h"

#include "platform/qt/qt_convert.h"

namespace lv::qt {

QtLabel::QtLabel(FormWidget* form, const TRect& bounds, TAlignment alignment, bool wordWrap)
    : label_(new QLabel(form)), bounds_(bounds) {
  label_->setGeometry(ToQRect(bounds));
  label_->setAlignment(alignment == TAlignment::Centre ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
  label_->setWordWrap(wordWrap);
  label_->setTextFormat(Qt::PlainText);
  label_->setAutoFillBackground(true);
  label_->installEventFilter(form);
  form->labels.push_back(this);
}

void QtLabel::SetCaption(const std::string& text) {
  caption_ = text;
  label_->setText(FromCp932(text));
}

void QtLabel::SetFont(const TFontSpec& font) {
  font_ = font;
  label_->setFont(FontFor(font));
  ApplyPalette();
}

void QtLabel::SetBackColor(TColor color) {
  back_ = color;
  ApplyPalette();
}

void QtLabel::ApplyPalette() {
  QPalette palette = label_->palette();
  palette.setColor(QPalette::Window, ToQColor(back_));
  palette.setColor(QPalette::WindowText, ToQColor(font_.Color));
  label_->setPalette(palette);
}

}  // namespace lv::qt
