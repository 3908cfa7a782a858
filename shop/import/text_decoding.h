#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lz::shop {

// Text files from a Chinese Windows are UTF-8 (often with a byte-order mark), GBK (which
// GB18030 contains), or UTF-16 from Excel's "Unicode text". The decoding used:
// - a byte-order mark decides (UTF-8, UTF-16 LE or BE), and is dropped;
// - else `declared` (an HTML page's charset) when Qt knows it, GB2312 and GBK read as
//   GB18030;
// - else UTF-8 when the bytes are valid UTF-8, GB18030 otherwise.
struct DecodedText {
    QString text;
    QByteArray encoding;  // the name of the decoding used
};
DecodedText decodeText(QByteArrayView bytes, QByteArrayView declared = {});

// The charset an HTML page declares in its first bytes (<meta charset=...> or
// content="...; charset=..."), lower-case; empty when it declares none.
QByteArray declaredHtmlCharset(QByteArrayView bytes);

}  // namespace lz::shop
