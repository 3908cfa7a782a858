#include "toolbar_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include "bearing_glyph.h"
#include "sheet_style.h"

namespace picture_generator {

namespace {

constexpr int kSize = 32;

QImage newPicture() {
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QLinearGradient topLight(QPointF from, QPointF to, const QColor& light, const QColor& dark) {
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    return gradient;
}

// Text as a path, centred on its ink rather than its line box, so single glyphs sit in the
// optical middle of the shape behind them.
QPainterPath centredGlyph(const QString& text, const QFont& font, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return QTransform::fromTranslate(centre.x() - path.boundingRect().center().x(),
                                     centre.y() - path.boundingRect().center().y())
        .map(path);
}

void paintMagnifier(QPainter& painter, QPointF centre, qreal radius) {
    const QColor frame(0x2e, 0x3a, 0x48);
    const QPointF handleStart = centre + QPointF(radius, radius) * 0.72;
    painter.setPen(QPen(frame, 3.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(handleStart, handleStart + QPointF(4.2, 4.2));

    QRadialGradient glass(centre - QPointF(radius, radius) * 0.35, radius * 1.3);
    glass.setColorAt(0, QColor(0xff, 0xff, 0xff, 235));
    glass.setColorAt(1, QColor(0x9c, 0xd0, 0xf5, 215));
    painter.setBrush(glass);
    painter.setPen(QPen(frame, 1.8));
    painter.drawEllipse(centre, radius, radius);
}

QImage drawBearingData() {
    QImage image = newPicture();
    QPainter painter(&image);
    prepare(painter);
    paintBearingGlyph(painter, QPointF(16, 16), 14.6, QColor(0x5d, 0x86, 0xb5));
    return image;
}

QImage drawPriceLookup() {
    QImage image = newPicture();
    QPainter painter(&image);
    prepare(painter);

    // The tag is laid out horizontally around the origin, then turned to hang diagonally.
    QPainterPath tag;
    tag.moveTo(-12, 0);
    tag.lineTo(-6, -7);
    tag.lineTo(11, -7);
    tag.quadTo(12.5, -7, 12.5, -5.5);
    tag.lineTo(12.5, 5.5);
    tag.quadTo(12.5, 7, 11, 7);
    tag.lineTo(-6, 7);
    tag.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(-6.5, 0), 1.7, 1.7);
    tag = tag.subtracted(hole);

    QTransform place;
    place.translate(13.5, 13.5);
    place.rotate(-45);
    const QPainterPath placed = place.map(tag);
    painter.setPen(QPen(QColor(0x8a, 0x55, 0x00), 1.1));
    painter.setBrush(topLight(QPointF(4, 4), QPointF(22, 22), QColor(0xff, 0xe0, 0x7a),
                              QColor(0xee, 0x9c, 0x1c)));
    painter.drawPath(placed);

    // The currency sign stays upright: turned with the tag it no longer reads at this size.
    const QPainterPath yuan =
        centredGlyph(QStringLiteral("¥"), sansFont(12, true), place.map(QPointF(3, 0)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x6a, 0x36, 0x00));
    painter.drawPath(yuan);

    paintMagnifier(painter, QPointF(21.5, 21.5), 6.2);
    return image;
}

QPainterPath leftPage() {
    QPainterPath page;
    page.moveTo(16, 10);
    page.cubicTo(12.5, 7, 7.5, 6, 3, 7);
    page.lineTo(3, 25);
    page.cubicTo(7.5, 24, 12.5, 25, 16, 27.5);
    page.closeSubpath();
    return page;
}

QImage drawBook() {
    QImage image = newPicture();
    QPainter painter(&image);
    prepare(painter);

    QPainterPath cover;
    cover.moveTo(1.5, 9);
    cover.lineTo(16, 12);
    cover.lineTo(30.5, 9);
    cover.lineTo(30.5, 28);
    cover.lineTo(16, 30.5);
    cover.lineTo(1.5, 28);
    cover.closeSubpath();
    painter.setPen(QPen(QColor(0x17, 0x38, 0x6f), 1.1));
    painter.setBrush(topLight(QPointF(0, 9), QPointF(0, 30), QColor(0x4f, 0x8c, 0xe6),
                              QColor(0x1f, 0x4f, 0x9f)));
    painter.drawPath(cover);

    const QPainterPath left = leftPage();
    const QPainterPath right = QTransform(-1, 0, 0, 1, kSize, 0).map(left);
    painter.setPen(QPen(QColor(0x5a, 0x6a, 0x7a), 0.9));
    painter.setBrush(topLight(QPointF(0, 6), QPointF(0, 28), QColor(0xff, 0xff, 0xff),
                              QColor(0xe2, 0xe9, 0xf2)));
    painter.drawPath(left);
    painter.drawPath(right);

    painter.setPen(QPen(QColor(0x8f, 0xa3, 0xb8), 1.0, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 4; ++line) {
        const qreal y = 11.5 + line * 3.6;
        painter.drawLine(QPointF(5.5, y), QPointF(13.5, y + 1.4));
        painter.drawLine(QPointF(26.5, y), QPointF(18.5, y + 1.4));
    }
    painter.setPen(QPen(QColor(0x5a, 0x6a, 0x7a), 1.0));
    painter.drawLine(QPointF(16, 10), QPointF(16, 27.5));
    return image;
}

void paintGlobe(QPainter& painter, QPointF centre, qreal radius) {
    QRadialGradient sea(centre - QPointF(radius, radius) * 0.4, radius * 1.6);
    sea.setColorAt(0, QColor(0x8f, 0xd0, 0xff));
    sea.setColorAt(1, QColor(0x1f, 0x6a, 0xc4));
    painter.setPen(QPen(QColor(0x14, 0x3f, 0x80), 1.1));
    painter.setBrush(sea);
    painter.drawEllipse(centre, radius, radius);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 210), 0.9));
    painter.drawEllipse(centre, radius * 0.42, radius - 0.6);
    painter.drawLine(centre - QPointF(radius - 0.6, 0), centre + QPointF(radius - 0.6, 0));
}

QImage drawDealer() {
    QImage image = newPicture();
    QPainter painter(&image);
    prepare(painter);
    const QColor outline(0x5a, 0x40, 0x28);

    painter.setPen(QPen(outline, 1.0));
    painter.setBrush(topLight(QPointF(0, 12), QPointF(0, 29), QColor(0xfb, 0xf1, 0xde),
                              QColor(0xe4, 0xcf, 0xa8)));
    painter.drawRect(QRectF(4.5, 12.5, 23, 16));

    painter.setBrush(QColor(0x9c, 0xd0, 0xf5));
    painter.drawRect(QRectF(7.5, 17.5, 5, 5));
    painter.setBrush(QColor(0x8a, 0x55, 0x30));
    painter.drawRect(QRectF(14.5, 18.5, 5, 10));

    // Sign board over a striped, scalloped awning.
    painter.setBrush(
        topLight(QPointF(0, 2), QPointF(0, 8), QColor(0x4a, 0x72, 0xb8), QColor(0x24, 0x45, 0x80)));
    painter.setPen(QPen(QColor(0x17, 0x2f, 0x5a), 1.0));
    painter.drawRoundedRect(QRectF(5.5, 2.5, 21, 6), 1.2, 1.2);

    constexpr int kStripes = 6;
    constexpr qreal kAwningLeft = 3;
    constexpr qreal kStripeWidth = 26.0 / kStripes;
    for (int i = 0; i < kStripes; ++i) {
        const qreal x = kAwningLeft + i * kStripeWidth;
        QPainterPath stripe;
        stripe.moveTo(x + 0.6, 8.5);
        stripe.lineTo(x + kStripeWidth - 0.6, 8.5);
        stripe.lineTo(x + kStripeWidth, 13);
        stripe.arcTo(QRectF(x, 11, kStripeWidth, 4), 0, -180);
        stripe.closeSubpath();
        painter.setPen(QPen(QColor(0x8a, 0x1e, 0x1a), 0.9));
        painter.setBrush(i % 2 == 0 ? QColor(0xe0, 0x3e, 0x34) : QColor(0xfb, 0xfb, 0xf7));
        painter.drawPath(stripe);
    }

    paintGlobe(painter, QPointF(24.5, 24), 6.6);
    return image;
}

QImage drawHelp() {
    QImage image = newPicture();
    QPainter painter(&image);
    prepare(painter);

    const QPointF centre(16, 16);
    QRadialGradient disc(QPointF(11, 9), 20);
    disc.setColorAt(0, QColor(0x86, 0xbf, 0xff));
    disc.setColorAt(1, QColor(0x1a, 0x58, 0xbe));
    painter.setPen(QPen(QColor(0x14, 0x44, 0x96), 1.1));
    painter.setBrush(disc);
    painter.drawEllipse(centre, 14.4, 14.4);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x10, 0x30, 0x70, 90));
    painter.drawPath(
        centredGlyph(QStringLiteral("?"), sansFont(23, true), centre + QPointF(0.7, 1.2)));
    painter.setBrush(Qt::white);
    painter.drawPath(centredGlyph(QStringLiteral("?"), sansFont(23, true), centre));
    return image;
}

}  // namespace

std::vector<ToolbarPicture> drawToolbarPictures() {
    return {
        {0, drawHelp()},          // "帮助"
        {14, drawPriceLookup()},  // "进口价格查询" and "国产价格查询"
        {64, drawBook()},         // "轴承知识"
        {71, drawBearingData()},  // "轴承数据"
        {81, drawDealer()},       // "进口轴承经销商"
    };
}

}  // namespace picture_generator
