#include "ui/toolbar_widget.h"

#include <QFile>
#include <QFrame>
#include <QPainter>
#include <QToolButton>

#include "ui/flow_layout.h"
#include "ui/qt_conversions.h"

namespace lz::ui {
namespace {

constexpr int kSeparatorWidth = 8;

QWidget* makeSeparator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedSize(kSeparatorWidth, ToolbarWidget::kIconSide + 6);
    return line;
}

}  // namespace

QString ToolbarWidget::picturePath(int number) {
    return QStringLiteral(":/toolbar/%1.png").arg(number, 3, 10, QLatin1Char('0'));
}

ToolbarWidget::ToolbarWidget(QWidget* parent, const std::vector<ToolButton>& entries)
    : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new FlowLayout(this);
    layout->setContentsMargins(0, kDividerHeight, 0, 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ToolButton& entry = entries[i];
        if (entry.separator) {
            layout->addWidget(makeSeparator(this));
            continue;
        }
        auto* button = new QToolButton(this);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIconSize(QSize(kIconSide, kIconSide));
        button->setText(toQString(entry.caption));
        button->setToolTip(toQString(entry.tooltip));
        if (entry.picture >= 0 && QFile::exists(picturePath(entry.picture))) {
            button->setIcon(QIcon(picturePath(entry.picture)));
        }
        const int index = static_cast<int>(i);
        connect(button, &QToolButton::clicked, this, [this, index] {
            if (clickHandler_) {
                clickHandler_(index);
            }
        });
        layout->addWidget(button);
    }
}

int ToolbarWidget::heightFor(int width) const {
    return layout()->heightForWidth(width);
}

void ToolbarWidget::paintEvent(QPaintEvent*) {
    // An etched divider between the caption area and the buttons.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, 1, width() - 1, 1);
}

}  // namespace lz::ui
