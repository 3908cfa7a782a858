#include "ui/file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTranslator>

#include <cstring>

#include "ui/modal_stacking.h"
#include "ui/qt_conversions.h"

namespace lz::ui {
namespace {

FileDialogs::Responder& responder() {
    static FileDialogs::Responder current;
    return current;
}

// Qt's dialog speaks English where its labels cannot be set: the headings of its file
// list, its buttons' tips and its context menu. While it is open, this puts those few
// texts into Chinese, leaving every other text of the program as it is.
class DialogTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        struct Text {
            const char* context;
            const char* source;
            const char* chinese;
        };
        static constexpr Text kTexts[] = {
            {"QFileSystemModel", "Name", "名称"},
            {"QFileSystemModel", "Size", "大小"},
            {"QFileSystemModel", "Type", "类型"},
            {"QFileSystemModel", "Kind", "类型"},
            {"QFileSystemModel", "Date Modified", "修改日期"},
            {"QFileSystemModel", "Computer", "计算机"},
            {"QFileSystemModel", "My Computer", "计算机"},
            {"QAbstractFileIconProvider", "Folder", "文件夹"},
            {"QAbstractFileIconProvider", "File Folder", "文件夹"},
            {"QAbstractFileIconProvider", "File", "文件"},
            {"QAbstractFileIconProvider", "%1 File", "%1 文件"},
            {"QFileDialog", "Back", "后退"},
            {"QFileDialog", "Forward", "前进"},
            {"QFileDialog", "Parent Directory", "上一级文件夹"},
            {"QFileDialog", "Create New Folder", "新建文件夹"},
            {"QFileDialog", "List View", "列表"},
            {"QFileDialog", "Detail View", "详细信息"},
            {"QFileDialog", "New Folder", "新建文件夹"},
            {"QFileDialog", "&New Folder", "新建文件夹(&N)"},
            {"QFileDialog", "&Rename", "重命名(&R)"},
            {"QFileDialog", "&Delete", "删除(&D)"},
            {"QFileDialog", "Show &hidden files", "显示隐藏文件(&H)"},
            {"QFileDialog", "Recent Places", "最近访问的位置"},
        };
        for (const Text& text : kTexts) {
            if (std::strcmp(context, text.context) == 0 &&
                std::strcmp(sourceText, text.source) == 0) {
                return QString::fromUtf8(text.chinese);
            }
        }
        return {};
    }
};

FileDialogs::OpenResponder& openResponder() {
    static FileDialogs::OpenResponder current;
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

void FileDialogs::setOpenResponder(OpenResponder responder) {
    lz::ui::openResponder() = std::move(responder);
}

namespace {

// Qt's own dialog, not the desktop's: a desktop dialog may need the GLib main loop, which
// the program does not run, and Qt's can be put into Chinese here. `configure` sets what
// differs between opening and saving; the choice is remembered as the next start folder.
template <typename Configure>
std::optional<std::string> runFileDialog(const std::string& caption, Configure configure) {
    DialogTexts texts;
    QCoreApplication::installTranslator(&texts);
    struct Uninstall {
        DialogTexts& texts;
        ~Uninstall() { QCoreApplication::removeTranslator(&texts); }
    } uninstall{texts};
    QFileDialog dialog(nullptr, toQString(caption), startFolder());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::FileName, "文件名：");
    dialog.setLabelText(QFileDialog::Reject, "取消");
    dialog.setWindowModality(Qt::ApplicationModal);
    stackAboveOnTopWindows(dialog);
    configure(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().front();
    lastFolder() = QFileInfo(chosen).absolutePath();
    return chosen.toStdString();
}

}  // namespace

std::optional<std::string> FileDialogs::askOpenFileName(const OpenFileRequest& request) {
    // A copy: the responder may replace itself while it answers.
    if (const OpenResponder answer = openResponder()) {
        return answer(request);
    }
    return runFileDialog(request.caption, [&request](QFileDialog& dialog) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        QStringList patterns;
        for (const std::string& suffix : request.suffixes) {
            patterns << "*." + toQString(suffix) << "*." + toQString(suffix).toUpper();
        }
        dialog.setNameFilters({toQString(request.filterName) + " (" + patterns.join(' ') + ")",
                               QStringLiteral("所有文件 (*)")});
        dialog.setLabelText(QFileDialog::LookIn, "查找范围：");
        dialog.setLabelText(QFileDialog::FileType, "文件类型：");
        dialog.setLabelText(QFileDialog::Accept, "打开");
    });
}

std::optional<std::string> FileDialogs::askSaveFileName(const SaveFileRequest& request) {
    // A copy: the responder may replace itself while it answers.
    if (const Responder answer = responder()) {
        return answer(request);
    }
    return runFileDialog(request.caption, [&request](QFileDialog& dialog) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(toQString(request.filterName) + " (*." + toQString(request.suffix) +
                             ")");
        dialog.setDefaultSuffix(toQString(request.suffix));
        dialog.selectFile(toQString(request.suggestedName));
        dialog.setLabelText(QFileDialog::LookIn, "保存位置：");
        dialog.setLabelText(QFileDialog::FileType, "保存类型：");
        dialog.setLabelText(QFileDialog::Accept, "保存");
    });
}

}  // namespace lz::ui
