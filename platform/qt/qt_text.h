// Texts and fonts between the program's code page 932 and Qt.
#pragma once

#include <QFont>
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

}  // namespace lv::qt
