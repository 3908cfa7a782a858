#include "chart_sheet.h"

#include <QPainter>

#include "sheet_style.h"

namespace picture_generator {

namespace {

constexpr qreal kHeadingHeight = 50;
constexpr qreal kBodyTop = kHeadingHeight + 10;

}  // namespace

QImage newChartImage() {
    QImage image(kChartWidth, kChartHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QRectF paintChartHeading(QPainter& painter, const QString& title, const QString& note) {
    const qreal left = kChartMargin;
    const qreal right = kChartWidth - kChartMargin;

    painter.setPen(kInk);
    painter.setFont(serifFont(26, true));
    painter.drawText(QRectF(left, 6, right - left, 38), Qt::AlignCenter, title);

    painter.setPen(kMutedInk);
    painter.setFont(sansFont(11));
    painter.drawText(QRectF(left, 6, right - left, 38), Qt::AlignRight | Qt::AlignBottom, note);

    // A heavy rule over a hairline, as printed reference sheets mark their heading.
    painter.setPen(QPen(kInk, 2));
    painter.drawLine(QPointF(left, kHeadingHeight - 2), QPointF(right, kHeadingHeight - 2));
    painter.setPen(QPen(kInk, 1));
    painter.drawLine(QPointF(left, kHeadingHeight + 2.5), QPointF(right, kHeadingHeight + 2.5));

    return QRectF(left, kBodyTop, right - left, kChartHeight - kChartMargin + 4 - kBodyTop);
}

}  // namespace picture_generator
