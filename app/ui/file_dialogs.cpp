#include "app/ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/ui/qt_conversions.h"

namespace lz::ui {
namespace {

FileDialogs::Responder& responder() {
    static FileDialogs::Responder current;
    return current;
}

QString& lastFolder() {
    static QString folder;
    return folder;
}

QString startFolder() {
    if (!lastFolder().isEmpty() && QDir(lastFolder()).exists()) {
        return lastFolder();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

void FileDialogs::setResponder(Responder responder) {
    lz::ui::responder() = std::move(responder);
}

std::optional<std::string> FileDialogs::askSaveFileName(const SaveFileRequest& request) {
    // A copy: the responder may replace itself while it answers.
    if (const Responder answer = responder()) {
        return answer(request);
    }
    // Qt's own dialog, not the desktop's: a desktop dialog may need the GLib main loop,
    // which the program does not run, and Qt's can be put into Chinese here.
    QFileDialog dialog(nullptr, toQString(request.caption), startFolder());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(toQString(request.filterName) + " (*." + toQString(request.suffix) + ")");
    dialog.setDefaultSuffix(toQString(request.suffix));
    dialog.selectFile(toQString(request.suggestedName));
    dialog.setLabelText(QFileDialog::LookIn, "保存位置：");
    dialog.setLabelText(QFileDialog::FileName, "文件名：");
    dialog.setLabelText(QFileDialog::FileType, "保存类型：");
    dialog.setLabelText(QFileDialog::Accept, "保存");
    dialog.setLabelText(QFileDialog::Reject, "取消");
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().front();
    lastFolder() = QFileInfo(chosen).absolutePath();
    return chosen.toStdString();
}

}  // namespace lz::ui
