#include "content/url_opener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace lz::content {
namespace {

UrlOpener& testOpener() {
    static UrlOpener opener;
    return opener;
}

}  // namespace

void openUrl(std::string_view address) {
    if (testOpener()) {
        testOpener()(address);
        return;
    }
    const QString text = QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size()));
    QDesktopServices::openUrl(QUrl(text));
}

void setUrlOpenerForTesting(UrlOpener opener) {
    testOpener() = std::move(opener);
}

}  // namespace lz::content
