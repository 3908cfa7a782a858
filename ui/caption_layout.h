#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace lz::ui {

// Draws a label's caption the way the templates were laid out for: lines as tall as the
// font's pixel height (no extra leading), wrapped to the label's width when word wrap is
// on and the label has room for more than one line; a label only one line tall shows its
// caption on one line, clipped at the right, rather than wrapping its tail out of sight.
void drawCaption(QPainter& painter, const QRect& area, const QString& caption, const QFont& font,
                 Qt::Alignment alignment, bool wordWrap);

// The height of one caption line in `font`.
int captionLineHeight(const QFont& font);

}  // namespace lz::ui
