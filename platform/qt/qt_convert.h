// Conversions between the program's values and Qt's: code page 932 texts, fonts,
// colours and rectangles.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "platform/platform.h"

namespace lv::qt {

QString FromCp932(const std::string& text);
std::string ToCp932(const QString& text);

// Maps the Windows font names of the window design onto the installed Japanese
// gothic fonts. Call once after the application object exists.
void InstallFontSubstitutions();

// A font whose cell (positive height) or characters (negative height) are the
// given number of pixels high.
QFont FontFor(const TFontSpec& spec);

// Colour value red + 256 * green + 65536 * blue.
inline QColor ToQColor(TColor c) { return QColor(c & 255, (c >> 8) & 255, (c >> 16) & 255); }
inline QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }

}  // namespace lv::qt
