#include "ui/caption_layout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>
#include <memory>
#include <vector>

namespace lz::ui {

int captionLineHeight(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
}

void drawCaption(QPainter& painter, const QRect& area, const QString& caption, const QFont& font,
                 Qt::Alignment alignment, bool wordWrap) {
    const int lineHeight = captionLineHeight(font);
    const bool wrap = wordWrap && area.height() >= 2 * lineHeight;
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);

    // Lay every paragraph out first: vertical alignment needs the total height.
    std::vector<std::unique_ptr<QTextLayout>> paragraphs;
    int lines = 0;
    for (const QString& paragraph : caption.split(QLatin1Char('\n'))) {
        auto layout = std::make_unique<QTextLayout>(paragraph, font, painter.device());
        layout->setTextOption(option);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(wrap ? area.width() : 1e6);
            line.setPosition(QPointF(0, 0));
            ++lines;
        }
        layout->endLayout();
        paragraphs.push_back(std::move(layout));
    }

    const int total = lines * lineHeight;
    int y = area.top();
    if (alignment & Qt::AlignVCenter) {
        y += (area.height() - total) / 2;
    } else if (alignment & Qt::AlignBottom) {
        y += area.height() - total;
    }
    // Glyphs sit on a baseline; centring the font's own ascent-to-descent box in the line
    // keeps tall CJK glyphs inside their line.
    const QFontMetricsF metrics(font);
    const qreal baselineShift = (lineHeight - (metrics.ascent() + metrics.descent())) / 2.0;

    painter.save();
    painter.setFont(font);
    painter.setClipRect(area, Qt::IntersectClip);
    for (const auto& layout : paragraphs) {
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            qreal x = area.left();
            if (alignment & Qt::AlignHCenter) {
                x += (area.width() - line.naturalTextWidth()) / 2.0;
            } else if (alignment & Qt::AlignRight) {
                x += area.width() - line.naturalTextWidth();
            }
            line.draw(&painter, QPointF(x, y + baselineShift));
            y += lineHeight;
        }
    }
    painter.restore();
}

}  // namespace lz::ui
