#pragma once

#include <string>
#include <string_view>

namespace lz::ui {

// The system clipboard, for plain text (UTF-8).
void setClipboardText(std::string_view text);
std::string clipboardText();

}  // namespace lz::ui
