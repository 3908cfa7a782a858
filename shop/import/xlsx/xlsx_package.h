#pragma once

#include <QList>
#include <QString>

#include "shop/import/xlsx/zip_archive.h"

namespace lz::shop {

// Where the parts of a workbook are, as its relationships say.
struct XlsxSheetPart {
    QString name;
    QString part;  // the worksheet's part name in the zip
    bool visible = true;
};

struct XlsxPackage {
    QString workbookPart;
    QList<XlsxSheetPart> sheets;  // worksheets only (no chart sheets), in workbook order
    QString sharedStringsPart;    // empty when the workbook has none
    QString stylesPart;           // empty when the workbook has none
    bool date1904 = false;
};

// Follows the package relationships to the workbook, and the workbook's to its sheets,
// shared strings and styles. False when the zip holds no workbook (the archive's error()
// says why).
bool readXlsxPackage(ZipArchive& zip, XlsxPackage& package);

// The part a relationship target names, seen from the part `source` holding the
// relationship: relative targets ("worksheets/sheet1.xml") are resolved against the
// source's folder, absolute ones ("/xl/worksheets/sheet1.xml") against the package root;
// "." and ".." steps and percent escapes are resolved. No leading "/".
QString resolvePartTarget(const QString& source, const QString& target);

// The relationships part of a part: "xl/workbook.xml" → "xl/_rels/workbook.xml.rels";
// the package's own, of "", is "_rels/.rels".
QString relationshipsPartOf(const QString& part);

}  // namespace lz::shop
