#pragma once

#include <vector>

#include <QWidget>

class QTabBar;

namespace lz::ui {

// A tab control whose page children are its own direct children, placed relative to its
// top-left corner (below the strip when it has one). Only the current page's children are
// shown, and of those only the ones whose template makes them visible.
class TabControl : public QWidget {
public:
    static constexpr int kStripHeight = 24;

    TabControl(QWidget* parent, const std::vector<QString>& titles, bool strip, int initialPage);

    // Registers a child of a page; it is shown or hidden now to match the current page.
    void addPageChild(int page, QWidget* child, bool visibleFlag);

    int pageCount() const { return static_cast<int>(pages_.size()); }
    int currentPage() const { return current_; }
    void setCurrentPage(int page);

    QTabBar* strip() const { return strip_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Child {
        QWidget* widget;
        bool visibleFlag;
    };
    std::vector<std::vector<Child>> pages_;
    QTabBar* strip_ = nullptr;
    int current_ = 0;
};

}  // namespace lz::ui
