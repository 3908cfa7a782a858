#include "ui/qt_conversions.h"

#include <QApplication>

namespace lz::ui {
namespace {

constexpr std::string_view kSongFace = "宋体";
constexpr const char* kSerifCjkFace = "Noto Serif CJK SC";
constexpr const char* kSansCjkFace = "Noto Sans CJK SC";
// Half-width Latin beside full-width Chinese, as the classic Chinese GUI font has: the
// captions were measured for it.
constexpr const char* kGuiFace = "Noto Sans Mono CJK SC";

}  // namespace

QString captionText(std::string_view utf8) {
    QString text = toQString(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QFont defaultGuiFont() {
    QFont font = QApplication::font();
    font.setFamilies({QString::fromLatin1(kGuiFace)});
    font.setPixelSize(kDefaultGuiFontPixels);
    font.setWeight(QFont::Normal);
    return font;
}

QFont toQFont(const FontSettings& settings) {
    QFont font = defaultGuiFont();
    if (settings.pixelHeight <= 0) {
        return font;
    }
    if (settings.face == kSongFace) {
        font.setFamilies({QString::fromLatin1(kSerifCjkFace)});
    } else if (settings.face.empty()) {
        font.setFamilies({QString::fromLatin1(kSansCjkFace)});
    } else {
        font.setFamilies({toQString(settings.face)});
    }
    font.setPixelSize(settings.pixelHeight);
    font.setWeight(static_cast<QFont::Weight>(settings.weight));
    return font;
}

Qt::Alignment toQtAlignment(HAlign horizontal, VAlign vertical) {
    Qt::Alignment alignment;
    switch (horizontal) {
        case HAlign::Left:
            alignment |= Qt::AlignLeft;
            break;
        case HAlign::Center:
            alignment |= Qt::AlignHCenter;
            break;
        case HAlign::Right:
            alignment |= Qt::AlignRight;
            break;
    }
    switch (vertical) {
        case VAlign::Top:
            alignment |= Qt::AlignTop;
            break;
        case VAlign::Center:
            alignment |= Qt::AlignVCenter;
            break;
        case VAlign::Bottom:
            alignment |= Qt::AlignBottom;
            break;
    }
    return alignment;
}

}  // namespace lz::ui
