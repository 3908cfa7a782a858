#include "imported_brands_chart.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

#include "chart_sheet.h"
#include "sheet_style.h"

namespace picture_generator {

namespace {

struct Country {
    const char* name;
    QRgb band;
};

// One muted band colour per country keeps the groups readable without looking like flags.
constexpr Country kSweden{"瑞典", 0x1f6fa8};
constexpr Country kGermany{"德国", 0x45494f};
constexpr Country kFrance{"法国", 0x3a5aa8};
constexpr Country kItaly{"意大利", 0x2e7d4f};
constexpr Country kBritain{"英国", 0x7a2a4a};
constexpr Country kAustria{"奥地利", 0xb5522a};
constexpr Country kCzechia{"捷克", 0x23788a};
constexpr Country kSlovakia{"斯洛伐克", 0x5563a8};
constexpr Country kPoland{"波兰", 0xa8325f};
constexpr Country kRomania{"罗马尼亚", 0x9a7a18};
constexpr Country kRussia{"俄罗斯", 0x5a4a9a};
constexpr Country kBelarus{"白俄罗斯", 0x5f7f22};
constexpr Country kSpain{"西班牙", 0xa84848};
constexpr Country kTurkey{"土耳其", 0x8e2c2c};
constexpr Country kIndia{"印度", 0xc06a18};
constexpr Country kKorea{"韩国", 0x2f8068};
constexpr Country kJapan{"日本", 0xb23a3a};
constexpr Country kUsa{"美国", 0x2a4a80};

struct Brand {
    const char* name;
    Country country;
};

constexpr int kColumns = 7;
constexpr int kRows = 7;

// Countries are those of each brand's origin and home, as published by the makers.
constexpr std::array<Brand, kColumns * kRows> kBrands{{
    {"SKF", kSweden},      {"FAG", kGermany},    {"INA", kGermany},    {"GMN", kGermany},
    {"DKF", kGermany},     {"IBC", kGermany},    {"FRANKE", kGermany}, {"KRW", kGermany},
    {"STIEBER", kGermany}, {"SNR", kFrance},     {"SNFA", kFrance},    {"RIV", kItaly},
    {"RHP", kBritain},     {"COOPER", kBritain}, {"STEYR", kAustria},  {"NKE", kAustria},
    {"ZKL", kCzechia},     {"ZVL", kSlovakia},   {"KINEX", kSlovakia}, {"FLT", kPoland},
    {"URB", kRomania},     {"GPZ", kRussia},     {"MPZ", kBelarus},    {"FERSA", kSpain},
    {"ORS", kTurkey},      {"NRB", kIndia},      {"SAMICK", kKorea},   {"KBC", kKorea},
    {"NSK", kJapan},       {"NTN", kJapan},      {"KOYO", kJapan},     {"NACHI", kJapan},
    {"IKO", kJapan},       {"THK", kJapan},      {"NMB", kJapan},      {"ASAHI", kJapan},
    {"EZO", kJapan},       {"FYH", kJapan},      {"NB", kJapan},       {"TIMKEN", kUsa},
    {"TORRINGTON", kUsa},  {"FAFNIR", kUsa},     {"MRC", kUsa},        {"BARDEN", kUsa},
    {"KAYDON", kUsa},      {"McGILL", kUsa},     {"RBC", kUsa},        {"DODGE", kUsa},
    {"SEALMASTER", kUsa},
}};

constexpr qreal kGap = 6;
constexpr qreal kBandHeight = 18;

void paintTile(QPainter& painter, const QRectF& tile, const Brand& brand) {
    QPainterPath outline;
    outline.addRoundedRect(tile, 3, 3);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf7, 0xf9, 0xfb));
    painter.drawPath(outline);

    const QRectF band(tile.left(), tile.top(), tile.width(), kBandHeight);
    QPainterPath bandPath;
    bandPath.addRect(band);
    painter.setBrush(QColor(brand.country.band));
    painter.drawPath(outline.intersected(bandPath));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kGridLine, 1));
    painter.drawPath(outline);

    painter.setPen(Qt::white);
    painter.setFont(sansFont(12));
    painter.drawText(band, Qt::AlignCenter, QString::fromUtf8(brand.country.name));

    const QRectF nameArea(tile.left() + 5, band.bottom(), tile.width() - 10,
                          tile.bottom() - band.bottom());
    painter.setPen(kInk);
    drawFittedText(painter, nameArea, Qt::AlignCenter, QString::fromLatin1(brand.name),
                   sansFont(20, true), 12);
}

}  // namespace

QImage drawImportedBrandsChart() {
    QImage image = newChartImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF body =
        paintChartHeading(painter, QStringLiteral("进口轴承品牌"), QStringLiteral("按国别排列"));
    const qreal tileWidth = (body.width() - kGap * (kColumns - 1)) / kColumns;
    const qreal tileHeight = (body.height() - kGap * (kRows - 1)) / kRows;

    for (int i = 0; i < static_cast<int>(kBrands.size()); ++i) {
        const int row = i / kColumns;
        const int column = i % kColumns;
        const QRectF tile(body.left() + column * (tileWidth + kGap),
                          body.top() + row * (tileHeight + kGap), tileWidth, tileHeight);
        paintTile(painter, tile.adjusted(0.5, 0.5, -0.5, -0.5), kBrands[i]);
    }
    return image;
}

}  // namespace picture_generator
