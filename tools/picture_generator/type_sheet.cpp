#include "type_sheet.h"

#include <QPainter>
#include <QStringList>

#include "cutaway_view.h"
#include "section_view.h"
#include "sheet_style.h"

namespace picture_generator {

namespace {

constexpr qreal kMargin = 8;
constexpr qreal kHeadingHeight = 30;
constexpr qreal kBodyTop = kTypeHeadingRows;
static_assert(kTypeHeadingRows == kHeadingHeight + 6);
// The cut-away view takes a little less than half the width; the section and its dimension
// lines the rest.
constexpr qreal kViewShare = 0.46;
constexpr qreal kGutter = 10;

}  // namespace

void paintTypeHeading(QPainter& painter, const BearingModel& model) {
    const qreal left = kMargin;
    const qreal right = kTypePictureWidth - kMargin;
    painter.setPen(kInk);
    painter.setFont(serifFont(20, true));
    painter.drawText(QRectF(left + 2, 0, right - left, kHeadingHeight - 3),
                     Qt::AlignLeft | Qt::AlignVCenter, model.typeName);

    painter.setPen(kMutedInk);
    drawFittedText(painter, QRectF(left + 160, 0, right - left - 162, kHeadingHeight - 4),
                   Qt::AlignRight | Qt::AlignBottom, headingNote(model), sansFont(12), 10);

    // The charts' heading rule: heavy over hairline.
    painter.setPen(QPen(kInk, 2));
    painter.drawLine(QPointF(left, kHeadingHeight - 1), QPointF(right, kHeadingHeight - 1));
    painter.setPen(QPen(kInk, 0.8));
    painter.drawLine(QPointF(left, kHeadingHeight + 2.5), QPointF(right, kHeadingHeight + 2.5));
}

QString headingNote(const BearingModel& model) {
    QStringList parts;
    for (const Symbol& symbol : model.symbols) {
        parts << symbol.letter + QStringLiteral(" ") + symbol.meaning;
    }
    if (!model.kindName.isEmpty()) {
        parts << QStringLiteral("（") + model.kindName + QStringLiteral("）");
    }
    return parts.join(QStringLiteral("　"));
}

QImage drawTypeSheet(const BearingModel& model) {
    QImage image(kTypePictureWidth, kTypePictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    paintTypeHeading(painter, model);

    const qreal bodyHeight = kTypePictureHeight - kBodyTop - kMargin;
    const qreal bodyWidth = kTypePictureWidth - 2 * kMargin;
    const QRectF view(kMargin, kBodyTop, bodyWidth * kViewShare - kGutter / 2, bodyHeight);
    const QRectF section(view.right() + kGutter, kBodyTop,
                         kTypePictureWidth - kMargin - view.right() - kGutter, bodyHeight);
    paintCutawayView(painter, view, model);

    painter.setPen(QPen(kGridLine, 1));
    painter.drawLine(QPointF(view.right() + kGutter / 2, kBodyTop + 6),
                     QPointF(view.right() + kGutter / 2, kTypePictureHeight - kMargin - 6));
    paintSectionView(painter, section, model);
    return image;
}

}  // namespace picture_generator
