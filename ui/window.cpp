#include "ui/window.h"

#include <cassert>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QCursor>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "catalogue/catalogue_database.h"
#include "ui/list_model.h"
#include "ui/list_view.h"
#include "ui/picture_box.h"
#include "ui/qt_conversions.h"
#include "ui/tab_control.h"
#include "ui/window_frame.h"
#include "ui/window_widgets.h"

namespace lz::ui {
namespace {

std::string toUtf8(const QString& text) {
    return text.toStdString();
}

}  // namespace

Window::Window(std::unique_ptr<WindowWidgets> widgets) : widgets_(std::move(widgets)) {}

Window::~Window() = default;

const WindowTemplate& Window::windowTemplate() const {
    return widgets_->windowTemplate();
}

std::string_view Window::name() const {
    return widgets_->windowTemplate().name;
}

namespace {

ListView* listOf(const WindowWidgets& widgets, std::string_view list) {
    const WindowWidgets::Control* control = widgets.find(list, ControlKind::ListView);
    return control != nullptr ? static_cast<ListView*>(control->widget) : nullptr;
}

}  // namespace

void Window::clearRows(std::string_view list) {
    if (WindowWidgets::Control* control = widgets_->find(list, ControlKind::ListView)) {
        ++control->generation;
        static_cast<ListView*>(control->widget)->clearRows();
    }
}

int Window::appendRow(std::string_view list) {
    ListView* view = listOf(*widgets_, list);
    return view != nullptr ? view->rows().appendRow() : -1;
}

int Window::appendRow(std::string_view list, std::span<const std::string> texts) {
    ListView* view = listOf(*widgets_, list);
    return view != nullptr ? view->rows().appendRow(texts) : -1;
}

void Window::setCellText(std::string_view list, int row, int column, std::string_view text) {
    if (ListView* view = listOf(*widgets_, list)) {
        view->rows().setCell(row, column, text);
    }
}

int Window::rowCount(std::string_view list) const {
    ListView* view = listOf(*widgets_, list);
    return view != nullptr ? view->rows().totalRows() : 0;
}

std::string Window::cellText(std::string_view list, int row, int column) const {
    ListView* view = listOf(*widgets_, list);
    return view != nullptr ? std::string(view->rows().cell(row, column)) : std::string();
}

int Window::selectedRow(std::string_view list) const {
    ListView* view = listOf(*widgets_, list);
    if (view == nullptr) {
        return -1;
    }
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : view->rowAt(rows.front());
}

void Window::selectRow(std::string_view list, int row) {
    ListView* view = listOf(*widgets_, list);
    if (view == nullptr) {
        return;
    }
    view->rows().publishPendingRows();
    if (row < 0 || row >= view->rows().rowCount()) {
        view->selectionModel()->clearSelection();
        return;
    }
    view->selectionModel()->setCurrentIndex(
        view->indexOfRow(row), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::vector<int> Window::rowsInShownOrder(std::string_view list) const {
    ListView* view = listOf(*widgets_, list);
    return view != nullptr ? view->rowsInShownOrder() : std::vector<int>();
}

std::uint64_t Window::listGeneration(std::string_view list) const {
    const WindowWidgets::Control* control = widgets_->find(list, ControlKind::ListView);
    return control != nullptr ? control->generation : 0;
}

int Window::appendHeadingRow(std::string_view list, std::string_view text) {
    ListView* view = listOf(*widgets_, list);
    return view != nullptr ? view->rows().appendHeadingRow(text) : -1;
}

bool Window::isHeadingRow(std::string_view list, int row) const {
    ListView* view = listOf(*widgets_, list);
    return view != nullptr && view->rows().isHeadingRow(row);
}

void Window::setRowKey(std::string_view list, int row, std::int64_t key) {
    if (ListView* view = listOf(*widgets_, list)) {
        view->rows().setRowKey(row, key);
    }
}

std::optional<std::int64_t> Window::rowKey(std::string_view list, int row) const {
    ListView* view = listOf(*widgets_, list);
    return view != nullptr ? view->rows().rowKey(row) : std::nullopt;
}

void Window::setRowMarked(std::string_view list, int row, bool marked) {
    if (ListView* view = listOf(*widgets_, list)) {
        view->rows().setRowMarked(row, marked);
    }
}

bool Window::isRowMarked(std::string_view list, int row) const {
    ListView* view = listOf(*widgets_, list);
    return view != nullptr && view->rows().isRowMarked(row);
}

void Window::showRowsNow(std::string_view list) {
    if (ListView* view = listOf(*widgets_, list)) {
        view->rows().publishPendingRows();
    }
}

std::string Window::text(std::string_view control) const {
    const WindowWidgets::Control* found = widgets_->find(control);
    if (found == nullptr) {
        return {};
    }
    if (auto* line = qobject_cast<QLineEdit*>(found->widget)) {
        return toUtf8(line->text());
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(found->widget)) {
        return toUtf8(box->toPlainText());
    }
    if (auto* combo = qobject_cast<QComboBox*>(found->widget)) {
        return toUtf8(combo->currentText());
    }
    if (auto* label = qobject_cast<QLabel*>(found->widget)) {
        return toUtf8(label->text());
    }
    assert(!"text of a control that has none");
    return {};
}

void Window::setText(std::string_view control, std::string_view text) {
    const WindowWidgets::Control* found = widgets_->find(control);
    if (found == nullptr) {
        return;
    }
    if (auto* line = qobject_cast<QLineEdit*>(found->widget)) {
        line->setText(toQString(text));
        line->setCursorPosition(0);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(found->widget)) {
        box->setPlainText(captionText(text));
    } else if (auto* combo = qobject_cast<QComboBox*>(found->widget)) {
        if (combo->isEditable()) {
            combo->setEditText(toQString(text));
        } else {
            combo->setCurrentIndex(combo->findText(toQString(text)));
        }
    } else if (auto* label = qobject_cast<QLabel*>(found->widget)) {
        label->setText(captionText(text));
    } else {
        assert(!"text of a control that has none");
    }
}

std::vector<std::string> Window::items(std::string_view combo) const {
    const WindowWidgets::Control* found = widgets_->find(combo, ControlKind::ComboBox);
    std::vector<std::string> texts;
    if (found != nullptr) {
        auto* box = static_cast<QComboBox*>(found->widget);
        for (int item = 0; item < box->count(); ++item) {
            texts.push_back(toUtf8(box->itemText(item)));
        }
    }
    return texts;
}

namespace {

QComboBox* comboOf(const WindowWidgets& widgets, std::string_view name) {
    const WindowWidgets::Control* control = widgets.find(name, ControlKind::ComboBox);
    return control != nullptr ? static_cast<QComboBox*>(control->widget) : nullptr;
}

}  // namespace

void Window::setItems(std::string_view comboBox, std::span<const std::string> items) {
    QComboBox* combo = comboOf(*widgets_, comboBox);
    if (combo == nullptr) {
        return;
    }
    const QSignalBlocker quiet(combo);
    const QString typed = combo->isEditable() ? combo->currentText() : QString();
    combo->clear();
    for (const std::string& item : items) {
        combo->addItem(toQString(item));
    }
    if (combo->isEditable()) {
        combo->setEditText(typed);
    }
}

int Window::itemCount(std::string_view comboBox) const {
    QComboBox* combo = comboOf(*widgets_, comboBox);
    return combo != nullptr ? combo->count() : 0;
}

int Window::currentIndex(std::string_view comboBox) const {
    QComboBox* combo = comboOf(*widgets_, comboBox);
    return combo != nullptr ? combo->currentIndex() : -1;
}

void Window::setCurrentIndex(std::string_view comboBox, int index) {
    if (QComboBox* combo = comboOf(*widgets_, comboBox)) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

void Window::setSortIndicator(std::string_view list, int column, bool ascending) {
    ListView* view = listOf(*widgets_, list);
    if (view == nullptr) {
        return;
    }
    QHeaderView* header = view->horizontalHeader();
    if (column < 0) {
        header->setSortIndicator(-1, Qt::AscendingOrder);
        return;
    }
    header->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

namespace {

QAbstractButton* checkableOf(const WindowWidgets& widgets, std::string_view name) {
    const WindowWidgets::Control* control = widgets.find(name);
    if (control == nullptr) {
        return nullptr;
    }
    const ControlKind kind = control->controlTemplate->kind;
    if (kind != ControlKind::CheckBox && kind != ControlKind::RadioButton) {
        assert(!"checked state of a control that has none");
        return nullptr;
    }
    return static_cast<QAbstractButton*>(control->widget);
}

}  // namespace

bool Window::isChecked(std::string_view control) const {
    QAbstractButton* button = checkableOf(*widgets_, control);
    return button != nullptr && button->isChecked();
}

void Window::setChecked(std::string_view control, bool checked) {
    QAbstractButton* button = checkableOf(*widgets_, control);
    if (button == nullptr) {
        return;
    }
    // An exclusive group refuses to clear its checked button; clearing it is allowed here.
    QButtonGroup* group = button->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive && !checked) {
        group->setExclusive(false);
    }
    button->setChecked(checked);
    if (exclusive && !checked) {
        group->setExclusive(true);
    }
}

bool Window::isEnabled(std::string_view control) const {
    const WindowWidgets::Control* found = widgets_->find(control);
    if (found == nullptr) {
        return false;
    }
    if (found->menu != nullptr) {
        return found->menu->isEnabled();
    }
    return found->widget != nullptr && found->widget->isEnabled();
}

void Window::setEnabled(std::string_view control, bool enabled) {
    const WindowWidgets::Control* found = widgets_->find(control);
    if (found == nullptr) {
        return;
    }
    if (found->menu != nullptr) {
        found->menu->setEnabled(enabled);
    } else if (found->widget != nullptr) {
        found->widget->setEnabled(enabled);
    }
}

bool Window::isVisible(std::string_view control) const {
    const WindowWidgets::Control* found = widgets_->find(control);
    if (found == nullptr) {
        return false;
    }
    if (found->menu != nullptr) {
        return found->menu->isVisible();
    }
    return found->widget != nullptr && found->widget->isVisible();
}

int Window::currentPage(std::string_view tabControl) const {
    const WindowWidgets::Control* found = widgets_->find(tabControl, ControlKind::TabControl);
    return found != nullptr ? static_cast<TabControl*>(found->widget)->currentPage() : -1;
}

void Window::setCurrentPage(std::string_view tabControl, int page) {
    if (const auto* found = widgets_->find(tabControl, ControlKind::TabControl)) {
        static_cast<TabControl*>(found->widget)->setCurrentPage(page);
    }
}

void Window::popupMenu(std::string_view menu, int dx, int dy) {
    if (const auto* found = widgets_->find(menu, ControlKind::Menu)) {
        found->menu->popup(QCursor::pos() + QPoint(dx, dy));
    }
}

void Window::setPicture(std::string_view pictureBox, std::span<const std::byte> jpeg) {
    if (const auto* found = widgets_->find(pictureBox, ControlKind::PictureBox)) {
        static_cast<PictureBox*>(found->widget)
            ->setPictureBytes(QByteArray(reinterpret_cast<const char*>(jpeg.data()),
                                         static_cast<qsizetype>(jpeg.size())));
    }
}

bool Window::hasPicture(std::string_view pictureBox) const {
    const auto* found = widgets_->find(pictureBox, ControlKind::PictureBox);
    return found != nullptr && static_cast<PictureBox*>(found->widget)->hasPicture();
}

catalogue::CatalogueDatabase& Window::database(std::string_view connection) {
    WindowWidgets::Control* found = widgets_->find(connection, ControlKind::DatabaseConnection);
    if (found == nullptr) {
        // A misnamed connection still gets a working, never connected object rather than
        // a crash; every read through it fails as "not connected".
        static catalogue::CatalogueDatabase unconnected;
        return unconnected;
    }
    return *found->database;
}

void Window::activate() {
    if (WindowFrame* frame = widgets_->frame()) {
        if (frame->isMinimized()) {
            frame->showNormal();
        }
        frame->raise();
        frame->activateWindow();
    }
}

void Window::close() {
    if (WindowFrame* frame = widgets_->frame()) {
        frame->close();
    }
}

bool Window::isMinimised() const {
    WindowFrame* frame = widgets_->frame();
    return frame != nullptr && frame->isMinimized();
}

QWidget* Window::widgetForTesting(std::string_view control) const {
    if (control.empty()) {
        return widgets_->frame();
    }
    const WindowWidgets::Control* found = widgets_->find(control);
    if (found == nullptr) {
        return nullptr;
    }
    return found->menu != nullptr ? found->menu : found->widget;
}

}  // namespace lz::ui
