#include "shop/import/xlsx/xml_part.h"

#include "shop/shop_messages.h"

namespace lz::shop {

bool parseXmlPart(ZipArchive& zip, const QString& part,
                  const std::function<bool(QXmlStreamReader&)>& onToken) {
    QXmlStreamReader xml;
    bool stopped = false;
    bool ended = false;
    const bool streamed = zip.stream(part, [&](QByteArrayView chunk) {
        xml.addData(chunk.toByteArray());
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (xml.hasError()) {
                return xml.error() == QXmlStreamReader::PrematureEndOfDocumentError;
            }
            if (token == QXmlStreamReader::EndDocument) {
                ended = true;
            }
            if (!onToken(xml)) {
                stopped = true;
                return false;
            }
        }
        return true;
    });
    if (stopped) {
        return true;
    }
    if (!streamed || !ended) {
        zip.fail(QString::fromUtf8(messages::kDamaged));
        return false;
    }
    return true;
}

QString localAttribute(const QXmlStreamReader& xml, QLatin1String name) {
    const QXmlStreamAttributes attributes = xml.attributes();
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.name() == name) {
            return attribute.value().toString();
        }
    }
    return {};
}

}  // namespace lz::shop
