#include "cli/stock_handover.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "cli/query_tool.h"
#include "cli/usage_text.h"

namespace lz::query_cli {

namespace {

bool isShopCommand(std::string_view word) {
    return word == "stock" || word == "quote";
}

}  // namespace

bool asksForShopCommand(std::span<const std::string_view> arguments) {
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string_view argument = arguments[k];
        if (argument == "--") {
            return k + 1 < arguments.size() && isShopCommand(arguments[k + 1]);
        }
        if (argument == "-" || !argument.starts_with('-')) {
            return isShopCommand(argument);
        }
        // The one option before a command that takes its value as the next argument.
        if (argument == "--format") {
            ++k;
        }
    }
    return false;
}

int handOverToShopTool(char** argv, std::ostream& err) {
    // The directory of this very executable, whatever the directory it was started from or
    // the name it was started by: an installed tree and a build tree both hold the pair.
    std::vector<char> self(4096);
    const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
    std::string tool;
    if (length > 0) {
        const std::string path(self.data(), static_cast<std::size_t>(length));
        tool = path.substr(0, path.rfind('/') + 1) + std::string(kShopToolName);
        ::execv(tool.c_str(), argv);
    }
    const int error = length > 0 ? errno : ENOENT;
    err << kProgramName << ": cannot run " << (tool.empty() ? std::string(kShopToolName) : tool)
        << " for the stock and quote commands: " << std::strerror(error) << '\n';
    return kExitCatalogueFailed;
}

}  // namespace lz::query_cli
