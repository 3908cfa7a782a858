#include "shop/import/xlsx/xlsx_styles.h"

#include <QHash>

#include "shop/import/xlsx/xml_part.h"
#include "shop/shop_messages.h"

namespace lz::shop {

namespace {

constexpr qsizetype kMaxStyles = 65'536;

}  // namespace

bool readCellStyleKinds(ZipArchive& zip, const QString& stylesPart, std::vector<DateKind>& kinds) {
    QHash<int, DateKind> ownFormats;
    std::vector<int> formatOfStyle;
    bool inCellXfs = false;
    const bool parsed = parseXmlPart(zip, stylesPart, [&](QXmlStreamReader& xml) {
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("numFmt")) {
                ownFormats.insert(localAttribute(xml, QLatin1String("numFmtId")).toInt(),
                                  formatCodeKind(localAttribute(xml, QLatin1String("formatCode"))));
            } else if (xml.name() == QLatin1String("cellXfs")) {
                inCellXfs = true;
            } else if (inCellXfs && xml.name() == QLatin1String("xf") &&
                       static_cast<qsizetype>(formatOfStyle.size()) < kMaxStyles) {
                formatOfStyle.push_back(localAttribute(xml, QLatin1String("numFmtId")).toInt());
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("cellXfs")) {
            inCellXfs = false;
        }
        return true;
    });
    if (!parsed) {
        return false;
    }
    kinds.clear();
    for (int format : formatOfStyle) {
        const auto own = ownFormats.constFind(format);
        kinds.push_back(own != ownFormats.constEnd() ? *own : builtInFormatKind(format));
    }
    return true;
}

bool readSharedStrings(ZipArchive& zip, const QString& part, qsizetype maxStrings,
                       std::vector<QString>& strings) {
    strings.clear();
    QString current;
    bool inItem = false;
    int phoneticDepth = 0;  // inside <rPh>, a reading guide that is not part of the text
    bool inText = false;
    const bool parsed = parseXmlPart(zip, part, [&](QXmlStreamReader& xml) {
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("si")) {
                inItem = true;
                current.clear();
            } else if (xml.name() == QLatin1String("rPh")) {
                ++phoneticDepth;
            } else if (xml.name() == QLatin1String("t")) {
                inText = inItem && phoneticDepth == 0;
            }
        } else if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("si")) {
                if (static_cast<qsizetype>(strings.size()) >= maxStrings) {
                    zip.fail(QString::fromUtf8(messages::kTooManyCells));
                    return false;
                }
                strings.push_back(current);
                inItem = false;
            } else if (xml.name() == QLatin1String("rPh")) {
                --phoneticDepth;
            } else if (xml.name() == QLatin1String("t")) {
                inText = false;
            }
        } else if (inText && xml.isCharacters()) {
            current.append(xml.text());
        }
        return true;
    });
    return parsed && zip.error().isEmpty();
}

}  // namespace lz::shop
