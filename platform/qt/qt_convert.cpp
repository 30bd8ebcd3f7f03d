#include "platform/qt/qt_convert.h"

#include <QFontMetrics>

#include "platform/cp932.h"

namespace lv::qt {

QString FromCp932(const std::string& text) { return QString::fromStdString(Cp932ToUtf8(text)); }

std::string ToCp932(const QString& text) { return Utf8ToCp932(text.toStdString()); }

void InstallFontSubstitutions() {
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ ゴシック"), "IPAGothic");
  QFont::insertSubstitution("MS Gothic", "IPAGothic");
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐゴシック"), "IPAPGothic");
  QFont::insertSubstitution("MS PGothic", "IPAPGothic");
}

QFont FontFor(const TFontSpec& spec) {
  QFont font(FromCp932(spec.Name));
  font.setStyleHint(QFont::SansSerif);
  int pixels = std::max(1, std::abs(spec.Height));
  font.setPixelSize(pixels);
  // A cell height includes the font's leading: shrink until the line fits it.
  while (spec.Height > 0 && pixels > 1 && QFontMetrics(font).height() > spec.Height) font.setPixelSize(--pixels);
  return font;
}

}  // namespace lv::qt
