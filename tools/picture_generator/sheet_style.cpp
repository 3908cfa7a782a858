#include "sheet_style.h"

#include <QFontMetricsF>
#include <QPainter>

namespace picture_generator {

namespace {

QFont makeFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

QFont sansFont(int pixelSize, bool bold) {
    return makeFont(QStringLiteral("Noto Sans CJK SC"), pixelSize, bold);
}

QFont serifFont(int pixelSize, bool bold) {
    return makeFont(QStringLiteral("Noto Serif CJK SC"), pixelSize, bold);
}

QFont fittedFont(QFont font, const QString& text, qreal maxWidth, int minPixelSize) {
    while (font.pixelSize() > minPixelSize &&
           QFontMetricsF(font).horizontalAdvance(text) > maxWidth) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

void drawFittedText(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                    QFont font, int minPixelSize) {
    painter.setFont(fittedFont(font, text, rect.width(), minPixelSize));
    painter.drawText(rect, flags, text);
}

}  // namespace picture_generator
