#pragma once

#include <QString>
#include <QXmlStreamReader>

#include <functional>

#include "shop/import/xlsx/zip_archive.h"

namespace lz::shop {

// Parses a part of the zip as it unpacks, handing every token to `onToken` (the reader
// stands on the token). `onToken` returns false to stop. False when the part cannot be
// read, is not well-formed or ends early (the archive's error() says why); a stop asked
// for by `onToken` is not an error of the part.
bool parseXmlPart(ZipArchive& zip, const QString& part,
                  const std::function<bool(QXmlStreamReader&)>& onToken);

// The value of an attribute by its local name, whatever its prefix ("r:id" is "id").
QString localAttribute(const QXmlStreamReader& xml, QLatin1String name);

}  // namespace lz::shop
