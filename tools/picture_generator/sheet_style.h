// Fonts, colours and text helpers shared by all generated pictures, so that the charts read
// as one printed set and the toolbar pictures as one icon family.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace picture_generator {

inline constexpr int kChartWidth = 792;
inline constexpr int kChartHeight = 488;
inline constexpr int kChartMargin = 12;

inline const QColor kInk(0x22, 0x2b, 0x36);
inline const QColor kMutedInk(0x5a, 0x66, 0x73);
inline const QColor kGridLine(0xb8, 0xc2, 0xcc);
inline const QColor kHeaderFill(0xe9, 0xee, 0xf4);

// Pixel sizes rather than point sizes keep the output independent of the screen's DPI.
QFont sansFont(int pixelSize, bool bold = false);
QFont serifFont(int pixelSize, bool bold = false);

// Shrinks the font until the text fits the width, but never below minPixelSize, so long
// names stay inside their cells instead of being clipped.
QFont fittedFont(QFont font, const QString& text, qreal maxWidth, int minPixelSize);

// Draws text centred or aligned in rect after fitting it to the rect's width.
void drawFittedText(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                    QFont font, int minPixelSize);

}  // namespace picture_generator
