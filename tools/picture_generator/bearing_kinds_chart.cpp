#include "bearing_kinds_chart.h"

#include <QPainter>

#include <array>

#include "chart_sheet.h"
#include "sheet_style.h"

namespace picture_generator {

namespace {

struct Kind {
    const char* name;
    const char* code;
    const char* example;
};

constexpr int kGroups = 3;
constexpr int kRowsPerGroup = 12;

// Examples are sizes that exist in the published dimension tables (mostly bore 25 mm, so the
// codes can be compared at a glance).
constexpr std::array<Kind, kGroups * kRowsPerGroup> kKinds{{
    {"深沟球轴承", "60000", "6205"},
    {"带防尘盖深沟球轴承", "60000", "6205-2Z"},
    {"带密封圈深沟球轴承", "60000", "6205-2RS"},
    {"带止动槽深沟球轴承", "60000", "6205 N"},
    {"薄壁深沟球轴承", "61800", "61805"},
    {"特轻系列深沟球轴承", "16000", "16005"},
    {"调心球轴承", "10000", "1205"},
    {"宽系列调心球轴承", "10000", "2205"},
    {"角接触球轴承 15°", "70000 C", "7205 C"},
    {"角接触球轴承 25°", "70000 AC", "7205 AC"},
    {"角接触球轴承 40°", "70000 B", "7205 B"},
    {"四点接触球轴承", "QJ0000", "QJ205"},

    {"双列角接触球轴承", "00000", "3205"},
    {"推力球轴承", "51000", "51205"},
    {"双向推力球轴承", "52000", "52205"},
    {"外球面球轴承", "UC200", "UC205"},
    {"带立式座外球面球轴承", "UCP200", "UCP205"},
    {"带方形座外球面球轴承", "UCF200", "UCF205"},
    {"内圈无挡边圆柱滚子轴承", "NU0000", "NU205"},
    {"外圈无挡边圆柱滚子轴承", "N0000", "N205"},
    {"内圈单挡边圆柱滚子轴承", "NJ0000", "NJ205"},
    {"外圈单挡边圆柱滚子轴承", "NF0000", "NF205"},
    {"带平挡圈圆柱滚子轴承", "NUP0000", "NUP205"},
    {"双列圆柱滚子轴承", "NN0000", "NN3005"},

    {"调心滚子轴承", "20000", "22205"},
    {"圆锥滚子轴承", "30000", "30205"},
    {"宽系列圆锥滚子轴承", "30000", "32205"},
    {"推力圆柱滚子轴承", "80000", "81107"},
    {"推力调心滚子轴承", "29000", "29412"},
    {"滚针轴承", "NA0000", "NA4905"},
    {"无内圈滚针轴承", "NK", "NK25/20"},
    {"冲压外圈滚针轴承", "HK", "HK2020"},
    {"滚针和保持架组件", "K", "K8x11x10"},
    {"向心关节轴承", "GE", "GE25ES"},
    {"直线运动轴承", "LM", "LM25UU"},
    {"螺栓型滚轮轴承", "KR", "KR22"},
}};

constexpr qreal kHeaderHeight = 26;
constexpr qreal kNamePadding = 4;
constexpr qreal kCodePadding = 2;
// Share of a group's width for the name, the code and the example.
constexpr qreal kNameShare = 0.56;
constexpr qreal kCodeShare = 0.19;

struct GroupColumns {
    QRectF name;
    QRectF code;
    QRectF example;
};

GroupColumns splitRow(qreal left, qreal top, qreal width, qreal height) {
    const qreal nameWidth = width * kNameShare;
    const qreal codeWidth = width * kCodeShare;
    return {QRectF(left, top, nameWidth, height), QRectF(left + nameWidth, top, codeWidth, height),
            QRectF(left + nameWidth + codeWidth, top, width - nameWidth - codeWidth, height)};
}

QRectF padded(const QRectF& cell, qreal padding) {
    return cell.adjusted(padding, 0, -padding, 0);
}

void paintHeader(QPainter& painter, const GroupColumns& cells) {
    painter.setPen(kInk);
    const QFont font = sansFont(13, true);
    painter.setFont(font);
    painter.drawText(padded(cells.name, kNamePadding), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("轴承类型"));
    painter.drawText(cells.code, Qt::AlignCenter, QStringLiteral("代号"));
    painter.drawText(cells.example, Qt::AlignCenter, QStringLiteral("示例"));
}

void paintKind(QPainter& painter, const GroupColumns& cells, const Kind& kind) {
    painter.setPen(kInk);
    drawFittedText(painter, padded(cells.name, kNamePadding), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromUtf8(kind.name), sansFont(13), 12);
    painter.setPen(QColor(0x1f, 0x4f, 0x8a));
    drawFittedText(painter, padded(cells.code, kCodePadding), Qt::AlignCenter,
                   QString::fromUtf8(kind.code), sansFont(13), 10);
    painter.setPen(kInk);
    drawFittedText(painter, padded(cells.example, kCodePadding), Qt::AlignCenter,
                   QString::fromUtf8(kind.example), sansFont(13, true), 10);
}

}  // namespace

QImage drawBearingKindsChart() {
    QImage image = newChartImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF body =
        paintChartHeading(painter, QStringLiteral("轴承分类"), QStringLiteral("代号按 GB/T 272"));
    // Whole pixels keep the grid lines sharp.
    const qreal left = body.left();
    const qreal top = body.top();
    const qreal groupWidth = qFloor(body.width() / kGroups);
    const qreal rowHeight = qFloor((body.height() - kHeaderHeight) / kRowsPerGroup);
    const qreal tableWidth = groupWidth * kGroups;
    const qreal tableHeight = kHeaderHeight + rowHeight * kRowsPerGroup;

    painter.fillRect(QRectF(left, top, tableWidth, kHeaderHeight), kHeaderFill);
    for (int row = 1; row < kRowsPerGroup; row += 2) {
        painter.fillRect(QRectF(left, top + kHeaderHeight + row * rowHeight, tableWidth, rowHeight),
                         QColor(0xf6, 0xf8, 0xfa));
    }

    for (int group = 0; group < kGroups; ++group) {
        const qreal groupLeft = left + group * groupWidth;
        paintHeader(painter, splitRow(groupLeft, top, groupWidth, kHeaderHeight));
        for (int row = 0; row < kRowsPerGroup; ++row) {
            const GroupColumns cells =
                splitRow(groupLeft, top + kHeaderHeight + row * rowHeight, groupWidth, rowHeight);
            paintKind(painter, cells, kKinds[group * kRowsPerGroup + row]);
        }
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kGridLine, 1));
    for (int row = 1; row <= kRowsPerGroup; ++row) {
        const qreal y = top + kHeaderHeight + (row - 1) * rowHeight;
        painter.drawLine(QPointF(left, y), QPointF(left + tableWidth, y));
    }
    for (int group = 0; group < kGroups; ++group) {
        const GroupColumns cells = splitRow(left + group * groupWidth, top, groupWidth, 0);
        painter.drawLine(QPointF(cells.code.left(), top),
                         QPointF(cells.code.left(), top + tableHeight));
        painter.drawLine(QPointF(cells.example.left(), top),
                         QPointF(cells.example.left(), top + tableHeight));
    }
    painter.setPen(QPen(kInk, 1));
    for (int group = 1; group < kGroups; ++group) {
        const qreal x = left + group * groupWidth;
        painter.drawLine(QPointF(x, top), QPointF(x, top + tableHeight));
    }
    painter.setPen(QPen(kInk, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(left, top, tableWidth, tableHeight));
    return image;
}

}  // namespace picture_generator
