#include "ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "ui/qt_conversions.h"

namespace lz::ui {

void setClipboardText(std::string_view text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}

std::string clipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

}  // namespace lz::ui
