#pragma once

#include <QWidget>

#include "ui/window_template.h"

namespace lz::ui {

// A web view loading its start address at medium text size; script errors are kept
// quiet where the template asks. With `real` off a plain placeholder naming the address
// stands in, so that no browser engine starts (tests, benchmarks).
QWidget* makeWebView(QWidget* parent, const ControlTemplate& control, bool real);

}  // namespace lz::ui
