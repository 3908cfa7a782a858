#include "shop/import/xlsx/xlsx_package.h"

#include <QHash>
#include <QStringList>
#include <QUrl>

#include "shop/import/xlsx/xml_part.h"
#include "shop/shop_messages.h"

namespace lz::shop {

namespace {

struct Relationship {
    QString type;  // the last segment of the type URI: "worksheet", "officeDocument" ...
    QString target;
};

// The relationships of `source` by id; an empty map when it has none.
bool readRelationships(ZipArchive& zip, const QString& source,
                       QHash<QString, Relationship>& relationships) {
    const QString part = relationshipsPartOf(source);
    if (!zip.has(part)) {
        return true;
    }
    return parseXmlPart(zip, part, [&](QXmlStreamReader& xml) {
        if (xml.isStartElement() && xml.name() == QLatin1String("Relationship")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            if (attributes.value(QLatin1String("TargetMode")) == QLatin1String("External")) {
                return true;
            }
            const QString type = attributes.value(QLatin1String("Type")).toString();
            relationships.insert(
                attributes.value(QLatin1String("Id")).toString(),
                Relationship{type.section(QLatin1Char('/'), -1),
                             resolvePartTarget(
                                 source, attributes.value(QLatin1String("Target")).toString())});
        }
        return true;
    });
}

}  // namespace

QString resolvePartTarget(const QString& source, const QString& target) {
    QString path = QUrl::fromPercentEncoding(target.toUtf8());
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.startsWith(QLatin1Char('/'))) {
        const qsizetype slash = source.lastIndexOf(QLatin1Char('/'));
        path = (slash < 0 ? QString() : source.left(slash + 1)) + path;
    }
    QStringList steps;
    for (const QString& step : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("..")) {
            if (!steps.isEmpty()) {
                steps.removeLast();
            }
        } else if (step != QLatin1String(".")) {
            steps.append(step);
        }
    }
    return steps.join(QLatin1Char('/'));
}

QString relationshipsPartOf(const QString& part) {
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) +
           QStringLiteral(".rels");
}

bool readXlsxPackage(ZipArchive& zip, XlsxPackage& package) {
    QHash<QString, Relationship> root;
    if (!readRelationships(zip, QString(), root)) {
        return false;
    }
    for (const Relationship& relationship : std::as_const(root)) {
        if (relationship.type == QLatin1String("officeDocument")) {
            package.workbookPart = relationship.target;
        }
    }
    if (package.workbookPart.isEmpty() || !zip.has(package.workbookPart)) {
        package.workbookPart = QStringLiteral("xl/workbook.xml");  // what every writer uses
    }
    if (!zip.has(package.workbookPart)) {
        zip.fail(QString::fromUtf8(messages::kUnknownFormat));
        return false;
    }

    QHash<QString, Relationship> parts;
    if (!readRelationships(zip, package.workbookPart, parts)) {
        return false;
    }
    for (const Relationship& relationship : std::as_const(parts)) {
        if (relationship.type == QLatin1String("sharedStrings") && zip.has(relationship.target)) {
            package.sharedStringsPart = relationship.target;
        } else if (relationship.type == QLatin1String("styles") && zip.has(relationship.target)) {
            package.stylesPart = relationship.target;
        }
    }
    return parseXmlPart(zip, package.workbookPart, [&](QXmlStreamReader& xml) {
        if (!xml.isStartElement()) {
            return true;
        }
        if (xml.name() == QLatin1String("workbookPr")) {
            const QString value = localAttribute(xml, QLatin1String("date1904"));
            package.date1904 = value == QLatin1String("1") || value == QLatin1String("true");
        } else if (xml.name() == QLatin1String("sheet")) {
            const auto relationship = parts.constFind(localAttribute(xml, QLatin1String("id")));
            if (relationship != parts.constEnd() &&
                relationship->type == QLatin1String("worksheet")) {
                const QString state = localAttribute(xml, QLatin1String("state"));
                package.sheets.append(
                    XlsxSheetPart{localAttribute(xml, QLatin1String("name")), relationship->target,
                                  state.isEmpty() || state == QLatin1String("visible")});
            }
        }
        return true;
    });
}

}  // namespace lz::shop
