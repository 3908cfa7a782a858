#pragma once

#include <string_view>

#include <QColor>
#include <QFont>
#include <QString>

#include "ui/window_template.h"

namespace lz::ui {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Template captions write line breaks as "\r\n"; Qt wants "\n".
QString captionText(std::string_view utf8);

inline QColor toQColor(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

// The font of controls without one of their own: the layouts are made for a 12-pixel
// GUI font, so that is what they get, in a CJK face with half-width Latin.
inline constexpr int kDefaultGuiFontPixels = 12;
QFont defaultGuiFont();

// No pixel height means defaultGuiFont(). "宋体" is served by the installed Song-style CJK
// face, an empty face by the default sans CJK face.
QFont toQFont(const FontSettings& settings);

Qt::Alignment toQtAlignment(HAlign horizontal, VAlign vertical);

}  // namespace lz::ui
