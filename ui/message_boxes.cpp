#include "ui/message_boxes.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "ui/modal_stacking.h"
#include "ui/qt_conversions.h"

namespace lz::ui {
namespace {

MessageBoxes::Responder& responder() {
    static MessageBoxes::Responder current;
    return current;
}

}  // namespace

void MessageBoxes::setResponder(Responder responder) {
    lz::ui::responder() = std::move(responder);
}

BoxAnswer MessageBoxes::show(std::string_view text, std::optional<std::string_view> caption,
                             BoxButtons buttons) {
    const BoxRequest request{std::string(text), std::string(caption.value_or(kDefaultCaption)),
                             buttons};
    // A copy: the responder may replace itself while it answers.
    if (const Responder answer = responder()) {
        return answer(request);
    }
    const QMessageBox::StandardButtons choice =
        buttons == BoxButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(QMessageBox::NoIcon, toQString(request.caption), toQString(request.text),
                    choice, nullptr);
    box.setWindowModality(Qt::ApplicationModal);
    stackAboveOnTopWindows(box);
    // The buttons speak the interface's language, as the message does, with Y and N as
    // their keys.
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) {
        ok->setText(QStringLiteral("确定"));
    }
    if (QAbstractButton* yes = box.button(QMessageBox::Yes)) {
        yes->setText(QStringLiteral("是(&Y)"));
    }
    if (QAbstractButton* no = box.button(QMessageBox::No)) {
        no->setText(QStringLiteral("否(&N)"));
    }
    const int answer = box.exec();
    if (buttons == BoxButtons::Ok) {
        return BoxAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
}

}  // namespace lz::ui
