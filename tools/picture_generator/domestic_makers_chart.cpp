#include "domestic_makers_chart.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

#include "bearing_glyph.h"
#include "chart_sheet.h"
#include "sheet_style.h"

namespace picture_generator {

namespace {

constexpr int kColumns = 7;
constexpr int kRows = 4;

// The first 21 are the makers of the domestic price list, in the order of its maker box.
constexpr std::array<const char*, kColumns * kRows> kMakers{{
    "哈尔滨轴承",   "瓦房店轴承", "洛阳轴承",     "西北轴承",     "飞亚轴承",     "合肥金工轴承",
    "菏泽湖西轴承", "黄石轴承",   "江苏响水轴承", "上海嘉庆轴承", "四川东方轴承", "无锡滚动轴承",
    "瓦远东轴承",   "社渚轴承",   "张家港轴承",   "锡微轴承",     "浙江滚动轴承", "竹箦轴承",
    "扬州轴承",     "瓦光阳轴承", "梁山轴承",     "天津轴承",     "襄阳轴承",     "大连轴承",
    "人本集团",     "天马轴承",   "光洋轴承",     "慈兴集团",
}};

// Emblem tints shift by three per row so that neither rows nor columns repeat a colour.
constexpr std::array<QRgb, 7> kTints{
    {0x3f6fa8, 0xa8473f, 0x3f8a5c, 0x8a6a2a, 0x6a4f9a, 0x2f7f8a, 0x9a3f72}};

constexpr qreal kGap = 6;

void paintTile(QPainter& painter, const QRectF& tile, const QString& name, const QColor& tint) {
    QPainterPath outline;
    outline.addRoundedRect(tile, 3, 3);
    painter.setPen(QPen(kGridLine, 1));
    painter.setBrush(QColor(0xf7, 0xf9, 0xfb));
    painter.drawPath(outline);

    // A thin accent line in the emblem's colour ties each name to its tile.
    painter.setPen(QPen(tint, 3));
    painter.drawLine(QPointF(tile.left() + 3, tile.top() + 1.5),
                     QPointF(tile.right() - 3, tile.top() + 1.5));

    const qreal emblemRadius = tile.height() * 0.24;
    paintBearingGlyph(painter, QPointF(tile.center().x(), tile.top() + tile.height() * 0.38),
                      emblemRadius, tint);

    const QRectF nameArea(tile.left() + 4, tile.top() + tile.height() * 0.66, tile.width() - 8,
                          tile.height() * 0.30);
    painter.setPen(kInk);
    drawFittedText(painter, nameArea, Qt::AlignCenter, name, sansFont(16, true), 12);
}

}  // namespace

QImage drawDomesticMakersChart() {
    QImage image = newChartImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF body =
        paintChartHeading(painter, QStringLiteral("国产轴承品牌"), QStringLiteral("主要生产厂家"));
    const qreal tileWidth = (body.width() - kGap * (kColumns - 1)) / kColumns;
    const qreal tileHeight = (body.height() - kGap * (kRows - 1)) / kRows;

    for (int i = 0; i < static_cast<int>(kMakers.size()); ++i) {
        const int row = i / kColumns;
        const int column = i % kColumns;
        const QRectF tile(body.left() + column * (tileWidth + kGap),
                          body.top() + row * (tileHeight + kGap), tileWidth, tileHeight);
        paintTile(painter, tile.adjusted(0.5, 0.5, -0.5, -0.5), QString::fromUtf8(kMakers[i]),
                  QColor(kTints[(column + 3 * row) % kTints.size()]));
    }
    return image;
}

}  // namespace picture_generator
