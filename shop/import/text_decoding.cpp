#include "shop/import/text_decoding.h"

#include <QStringDecoder>

namespace lz::shop {

namespace {

constexpr qsizetype kCharsetSearchBytes = 4096;

QString decodeWith(QStringDecoder& decoder, QByteArrayView bytes) {
    return decoder.decode(bytes);
}

}  // namespace

DecodedText decodeText(QByteArrayView bytes, QByteArrayView declared) {
    struct Mark {
        QByteArrayView bytes;
        QStringConverter::Encoding encoding;
        const char* name;
    };
    static const Mark marks[] = {
        {QByteArrayView("\xEF\xBB\xBF", 3), QStringConverter::Utf8, "UTF-8"},
        {QByteArrayView("\xFF\xFE", 2), QStringConverter::Utf16LE, "UTF-16LE"},
        {QByteArrayView("\xFE\xFF", 2), QStringConverter::Utf16BE, "UTF-16BE"},
    };
    for (const Mark& mark : marks) {
        if (bytes.startsWith(mark.bytes)) {
            QStringDecoder decoder(mark.encoding, QStringDecoder::Flag::Stateless);
            return {decodeWith(decoder, bytes.sliced(mark.bytes.size())), mark.name};
        }
    }
    QByteArray charset = declared.toByteArray().trimmed().toLower();
    if (charset == "gb2312" || charset == "gbk" || charset == "x-gbk" || charset == "cp936" ||
        charset == "euc-cn") {
        charset = "gb18030";
    }
    if (!charset.isEmpty() && charset != "utf-8" && charset != "utf8") {
        QStringDecoder decoder(charset.constData(), QStringDecoder::Flag::Stateless);
        if (decoder.isValid()) {
            return {decodeWith(decoder, bytes), charset};
        }
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decodeWith(utf8, bytes);
    if (!utf8.hasError()) {
        return {std::move(text), "UTF-8"};
    }
    QStringDecoder gb18030("GB18030", QStringDecoder::Flag::Stateless);
    return {decodeWith(gb18030, bytes), "GB18030"};
}

QByteArray declaredHtmlCharset(QByteArrayView bytes) {
    const QByteArray head =
        bytes.first(std::min(bytes.size(), kCharsetSearchBytes)).toByteArray().toLower();
    qsizetype at = head.indexOf("charset");
    while (at >= 0) {
        qsizetype i = at + 7;
        while (i < head.size() && (head[i] == ' ' || head[i] == '\t')) {
            ++i;
        }
        if (i < head.size() && head[i] == '=') {
            ++i;
            while (i < head.size() && (head[i] == ' ' || head[i] == '"' || head[i] == '\'')) {
                ++i;
            }
            const qsizetype start = i;
            while (i < head.size() && (std::isalnum(static_cast<unsigned char>(head[i])) ||
                                       head[i] == '-' || head[i] == '_')) {
                ++i;
            }
            if (i > start) {
                return head.mid(start, i - start);
            }
        }
        at = head.indexOf("charset", at + 7);
    }
    return {};
}

}  // namespace lz::shop
