#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lz::ui {

enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

struct BoxRequest {
    std::string text;
    std::string caption;
    BoxButtons buttons = BoxButtons::Ok;
};

// The one message-box service: no owner window, application-modal, above every window of
// the program (those that stay on top included), no icon, an OK or a Yes/No button pair.
// A box without a caption of its own bears "信息：".
class MessageBoxes {
public:
    static constexpr std::string_view kDefaultCaption = "信息：";

    static BoxAnswer show(std::string_view text, std::optional<std::string_view> caption = {},
                          BoxButtons buttons = BoxButtons::Ok);

    // Tests answer boxes here instead of clicking: while a responder is set, show() asks it
    // instead of opening a dialog. An empty function restores the real dialogs.
    using Responder = std::function<BoxAnswer(const BoxRequest&)>;
    static void setResponder(Responder responder);
};

}  // namespace lz::ui
