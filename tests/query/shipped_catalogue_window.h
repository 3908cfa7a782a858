#pragma once

#include <sqlite3.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "query/result_lists.h"
#include "tests/app_support/main_window_fixture.h"
#include "ui/window.h"

namespace lz::test {

// The real main window on the shipped catalogue, driven as a person would: texts typed
// into the controls, buttons clicked with the mouse, Enter pressed in the fields.
class ShippedCatalogueWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        main_ = openMainWindow();
        ASSERT_NE(main_, nullptr);
        ASSERT_TRUE(boxes_.empty());
        // Every search here runs on the connection start-up opened, which is read-only.
        ASSERT_TRUE(main_->database(query::kCatalogueConnection).isReadOnly());
    }

    QWidget* widget(std::string_view control) const { return main_->widgetForTesting(control); }

    void showPage(int page) { main_->setCurrentPage("选择夹1", page); }

    // Key by key; characters beyond ASCII arrive as the text of a key, as an input method
    // commits them.
    void type(std::string_view control, std::string_view text) {
        main_->setText(control, "");
        for (const QChar c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(widget(control), c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, widget(control), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
        ASSERT_EQ(main_->text(control), text);
    }

    void click(std::string_view button) { QTest::mouseClick(widget(button), Qt::LeftButton); }

    void pressEnter(std::string_view control) { QTest::keyClick(widget(control), Qt::Key_Return); }

    // Message boxes are recorded as always, and `whileUp` runs while each one is up.
    void onEveryBox(std::function<void()> whileUp) {
        ui::MessageBoxes::setResponder([this, whileUp](const ui::BoxRequest& request) {
            if (whileUp) {
                whileUp();
            }
            boxes_.push_back(request);
            return answer_;
        });
    }

    // Runs `work` from inside the next message handling, as a click during a fill would.
    static void duringNextMessages(std::function<void()> work) {
        QMetaObject::invokeMethod(qApp, std::move(work), Qt::QueuedConnection);
    }

    std::vector<std::string> listed(const query::ResultList& list) const {
        return rowsOf(*main_, list.listName, static_cast<int>(list.fields.size()));
    }
    int rows(const query::ResultList& list) const { return main_->rowCount(list.listName); }

    // The texts of column `column` in every row of `list`.
    std::vector<std::string> column(const query::ResultList& list, int column) const {
        std::vector<std::string> texts;
        for (int row = 0; row < rows(list); ++row) {
            texts.push_back(main_->cellText(list.listName, row, column));
        }
        return texts;
    }

    // `sql` run straight on the deployed catalogue file, each row's columns joined with '|'
    // and NULL shown empty, as the lists show them.
    std::vector<std::string> directRows(const std::string& sql) const {
        sqlite3* db = nullptr;
        std::vector<std::string> out;
        EXPECT_EQ(sqlite3_open_v2(deployedPath().c_str(), &db, SQLITE_OPEN_READONLY, nullptr),
                  SQLITE_OK);
        sqlite3_stmt* statement = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), SQLITE_OK) << sql;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::string row;
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                const auto* text = sqlite3_column_text(statement, c);
                row += (c > 0 ? "|" : "") +
                       std::string(text ? reinterpret_cast<const char*>(text) : "");
            }
            out.push_back(row);
        }
        sqlite3_finalize(statement);
        sqlite3_close(db);
        return out;
    }

    // The rows `sql` gives on the deployed catalogue, read through a connection of its own
    // and shown as `list` shows them: for comparing a list with a statement typed in a test.
    std::vector<std::string> statementRows(const query::ResultList& list,
                                           const std::string& sql) const {
        catalogue::CatalogueDatabase database;
        EXPECT_TRUE(database.OpenMdbDatabase(deployedPath()));
        const catalogue::RecordSetHandle handle = database.OpenTable(sql);
        EXPECT_NE(handle, 0) << sql;
        std::vector<std::string> out;
        for (; !database.IsEOF(handle); database.MoveNext(handle)) {
            std::string row;
            for (std::size_t field = 0; field < list.fields.size(); ++field) {
                row += (field > 0 ? "|" : "") +
                       catalogue::fieldText(database.ReadColByName(handle, list.fields[field]));
            }
            out.push_back(row);
        }
        EXPECT_FALSE(database.HasFailed(handle)) << sql;
        return out;
    }

    ui::Window* main_ = nullptr;
};

}  // namespace lz::test
