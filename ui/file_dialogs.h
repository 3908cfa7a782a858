#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lz::ui {

struct SaveFileRequest {
    std::string caption;        // the dialog's title
    std::string suggestedName;  // the file name offered at first
    std::string filterName;     // what the files are, such as "CSV 文件"
    std::string suffix;         // such as "csv": the files shown, and added to a bare name
};

struct OpenFileRequest {
    std::string caption;     // the dialog's title
    std::string filterName;  // what the files are, such as "库存表"
    // The files shown, such as {"xlsx", "xls", "csv"}; "所有文件" is offered beside them.
    std::vector<std::string> suffixes;
};

// The one file-dialog service: the program's own save dialog in Chinese, application-modal,
// without an owner window and above every window, like the message boxes. It never asks
// about replacing a file itself; the caller does, in its own words.
class FileDialogs {
public:
    // The absolute path (UTF-8) the user chose, or none when the dialog was cancelled.
    // The dialog opens in the folder of the last choice of the run, at first in the
    // user's documents folder.
    static std::optional<std::string> askSaveFileName(const SaveFileRequest& request);
    // The absolute path (UTF-8) of an existing file the user chose to open, or none when
    // the dialog was cancelled. Opens in the same folder as the save dialog.
    static std::optional<std::string> askOpenFileName(const OpenFileRequest& request);

    // Tests answer dialogs here instead of clicking: while a responder is set, it is asked
    // instead of opening a dialog. An empty function restores the real dialogs.
    using Responder = std::function<std::optional<std::string>(const SaveFileRequest&)>;
    static void setResponder(Responder responder);
    using OpenResponder = std::function<std::optional<std::string>(const OpenFileRequest&)>;
    static void setOpenResponder(OpenResponder responder);
};

}  // namespace lz::ui
