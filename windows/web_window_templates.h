#pragma once

#include "ui/window_template.h"

namespace lz::windows {

// The modal windows behind the two "联网查询" buttons: one web view on the online site's
// price page and an empty status bar.
const ui::WindowTemplate& importedPriceWebWindowTemplate();
const ui::WindowTemplate& domesticPriceWebWindowTemplate();

}  // namespace lz::windows
