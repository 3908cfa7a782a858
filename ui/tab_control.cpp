#include "ui/tab_control.h"

#include <QSignalBlocker>
#include <QTabBar>

namespace lz::ui {

TabControl::TabControl(QWidget* parent, const std::vector<QString>& titles, bool strip,
                       int initialPage)
    : QWidget(parent), pages_(titles.size()) {
    setFocusPolicy(Qt::NoFocus);
    if (initialPage >= 0 && initialPage < pageCount()) {
        current_ = initialPage;
    }
    if (!strip) {
        return;
    }
    strip_ = new QTabBar(this);
    strip_->setObjectName(QStringLiteral("tabStrip"));
    strip_->setFocusPolicy(Qt::NoFocus);
    strip_->setDrawBase(true);
    strip_->setExpanding(false);
    for (const QString& title : titles) {
        strip_->addTab(title);
    }
    strip_->setCurrentIndex(current_);
    connect(strip_, &QTabBar::currentChanged, this, [this](int page) { setCurrentPage(page); });
}

void TabControl::resizeEvent(QResizeEvent*) {
    if (strip_ != nullptr) {
        strip_->setGeometry(0, 0, width(), kStripHeight);
    }
}

void TabControl::addPageChild(int page, QWidget* child, bool visibleFlag) {
    if (page < 0 || page >= pageCount()) {
        return;
    }
    pages_[static_cast<std::size_t>(page)].push_back({child, visibleFlag});
    if (!visibleFlag || page != current_) {
        child->hide();
    }
    if (strip_ != nullptr) {
        strip_->raise();  // children placed over the strip must not hide its titles
    }
}

void TabControl::setCurrentPage(int page) {
    if (page < 0 || page >= pageCount() || page == current_) {
        return;
    }
    for (const Child& child : pages_[static_cast<std::size_t>(current_)]) {
        child.widget->hide();
    }
    current_ = page;
    for (const Child& child : pages_[static_cast<std::size_t>(current_)]) {
        if (child.visibleFlag) {
            child.widget->show();
        }
    }
    if (strip_ != nullptr && strip_->currentIndex() != page) {
        const QSignalBlocker blocker(strip_);
        strip_->setCurrentIndex(page);
    }
}

}  // namespace lz::ui
