// "导入本店库存…": the file dialog, then the import dialog on the file read: which column
// holds which field, the lines cleaned and matched with the counts of each state, the
// user's choice of bearing for lines the catalogue did not settle, and the import itself.
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "designation/canonical_index.h"
#include "shop/actions/shop_startup.h"
#include "shop/actions/shop_windows.h"
#include "shop/actions/stock_matcher_cache.h"
#include "shop/import/matched_import.h"
#include "shop/import/stock_import.h"
#include "shop/shop_messages.h"
#include "shop/store/shop_session.h"
#include "shop/store/stock_list_text.h"
#include "ui/file_dialogs.h"
#include "ui/message_boxes.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/stock_import_template.h"

namespace lz::shop::actions {
namespace {

using namespace windows;

// A search for a bearing lists at most this many rows.
constexpr std::size_t kMostCandidates = 500;

// Which lines the preview shows, by the index of the "显示" list.
enum class Shown { FirstLines = 0, Matched = 1, Pending = 2, Unmatched = 3 };

// The dialog's data while it is open: the file read, its lines matched, and the answers
// the user gave here (stored with the import, so that a cancel keeps nothing).
struct ImportSession {
    std::string path;  // UTF-8
    std::string sourceName;
    StockFileReading reading;
    bool headerFound = false;
    const StockMatcher* matcher = nullptr;
    QStringList knownBrands;
    MatchAnswers answers;                   // the shop's earlier answers and those given here
    std::vector<MatchOverride> newAnswers;  // given here
    MatchedLines matched;
    std::vector<std::size_t> previewLines;    // the line of each preview row
    std::vector<std::int32_t> candidateRows;  // the bh of each candidate row
};

std::optional<ImportSession>& session() {
    static std::optional<ImportSession> current;
    return current;
}

std::string lineNumbers(int count) {
    return std::to_string(count) + " 行";
}

// The columns a sheet has below its header (the widest row counts).
int columnCount(const Sheet& sheet) {
    std::size_t widest = 0;
    for (const SheetRow& row : sheet.rows) {
        widest = std::max(widest, row.cells.size());
    }
    return static_cast<int>(widest);
}

void fillColumnBoxes(ui::Window& dialog, const ImportSession& import) {
    const Sheet& sheet = import.reading.sheet;
    const ColumnMapping& mapping = import.reading.mapping;
    const QStringList headings = headerTexts(sheet, mapping);
    std::vector<std::string> items = {"（无）"};
    for (int column = 0; column < columnCount(sheet); ++column) {
        std::string item = "第 " + std::to_string(column + 1) + " 列";
        if (column < headings.size() && !headings[column].trimmed().isEmpty()) {
            item += "：" + headings[column].trimmed().toStdString();
        }
        items.push_back(std::move(item));
    }
    for (std::size_t k = 0; k < kStockFields.size(); ++k) {
        dialog.setItems(kStockImportFieldBoxes[k], items);
        dialog.setCurrentIndex(kStockImportFieldBoxes[k], mapping.column(kStockFields[k]) + 1);
    }
    std::string header;
    if (!import.headerFound) {
        header = std::string(messages::kNoHeader) + "：请为各列选择内容（第一行当作表头）";
    } else if (mapping.headerRow >= 0 && mapping.headerRow < static_cast<int>(sheet.rows.size())) {
        header = "各列的内容（表头在第 " +
                 std::to_string(sheet.rows[static_cast<std::size_t>(mapping.headerRow)].number) +
                 " 行）：";
    }
    dialog.setText(kStockImportHeader, header);
}

std::vector<std::string> previewRow(const ImportSession& import, std::size_t k) {
    const ImportedLine& line = import.reading.cleaned.lines[k];
    const LineMatch& match = import.matched.matches[k];
    std::string remarks = line.problems.join("；").toStdString();
    auto addRemark = [&remarks](const std::string& remark) {
        remarks += (remarks.empty() ? "" : "；") + remark;
    };
    if (match.answered) {
        addRemark("按所选轴承");
    }
    if (match.state == MatchState::Pending) {
        addRemark("候选 " + std::to_string(match.candidates.size()) + " 个");
    }
    std::string matched = match.newno;
    if (match.bh && import.matcher != nullptr) {
        if (const CatalogueRow* row = import.matcher->rows().find(*match.bh)) {
            matched = row->brand.empty() ? row->newno : row->brand + " " + row->newno;
        }
    }
    return {std::to_string(line.sourceLine),
            line.designation.toStdString(),
            line.brand.toStdString(),
            quantityText(line.quantity),
            moneyText(line.priceFen),
            moneyText(line.costFen),
            line.location.toStdString(),
            line.note.toStdString(),
            matchStateText(match.state),
            matched,
            remarks};
}

void fillPreview(ui::Window& dialog, ImportSession& import) {
    const int selected = dialog.selectedRow(kStockImportPreview);
    const std::optional<std::size_t> keep =
        selected >= 0 && static_cast<std::size_t>(selected) < import.previewLines.size()
            ? std::optional<std::size_t>(import.previewLines[static_cast<std::size_t>(selected)])
            : std::nullopt;
    const auto shown = static_cast<Shown>(std::max(0, dialog.currentIndex(kStockImportShown)));
    import.previewLines.clear();
    const std::size_t lines = import.reading.cleaned.lines.size();
    for (std::size_t k = 0; k < lines; ++k) {
        const MatchState state = import.matched.matches[k].state;
        const bool wanted = shown == Shown::FirstLines ? k < kPreviewLineCount
                            : shown == Shown::Matched  ? state == MatchState::Matched
                            : shown == Shown::Pending  ? state == MatchState::Pending
                                                       : state == MatchState::Unmatched;
        if (wanted) {
            import.previewLines.push_back(k);
        }
    }
    dialog.clearRows(kStockImportPreview);
    int reselect = -1;
    for (std::size_t row = 0; row < import.previewLines.size(); ++row) {
        dialog.appendRow(kStockImportPreview, previewRow(import, import.previewLines[row]));
        if (keep && import.previewLines[row] == *keep) {
            reselect = static_cast<int>(row);
        }
    }
    if (reselect >= 0) {
        dialog.selectRow(kStockImportPreview, reselect);
    }
}

void fillCounts(ui::Window& dialog, const ImportSession& import) {
    const int lines = static_cast<int>(import.reading.cleaned.lines.size());
    std::string text;
    if (lines == 0) {
        text = import.reading.mapping.usable() ? messages::kNoLines : "请选择“型号”所在的列";
    } else {
        text = "共 " + lineNumbers(lines) + "：" + matchCountsText(import.matched.counts);
        if (import.reading.cleaned.skippedRows > 0) {
            text += "（另有 " + std::to_string(import.reading.cleaned.skippedRows) +
                    " 行不是库存行，不导入）";
        }
    }
    dialog.setText(kStockImportCounts, text);
    dialog.setEnabled(kStockImportImportButton, lines > 0);
}

// Cleans the sheet by the mapping, matches every line, and shows the result.
void cleanAndMatch(ui::Window& dialog, ImportSession& import) {
    StockFileReading& reading = import.reading;
    reading.cleaned = reading.mapping.usable() ? cleanStockLines(reading.sheet, reading.mapping,
                                                                 KnownBrands(import.knownBrands))
                                               : CleanedLines{};
    import.matched = matchImportedLines(reading.cleaned.lines, *import.matcher, import.answers);
    fillCounts(dialog, import);
    fillPreview(dialog, import);
    dialog.clearRows(kStockImportCandidates);
    import.candidateRows.clear();
}

// A sheet without a header found: its first row is taken for the header, no column for
// any field yet; the user picks them.
void guessHeader(ImportSession& import) {
    import.headerFound = import.reading.mapping.headerRow >= 0;
    if (!import.headerFound) {
        import.reading.mapping = ColumnMapping();
        import.reading.mapping.headerRow = 0;
    }
}

void fillDialog(ui::Window& dialog, ImportSession& import) {
    dialog.setText(kStockImportFile, import.path);
    std::vector<std::string> sheets;
    for (const QString& name : import.reading.sheetNames) {
        sheets.push_back(name.toStdString());
    }
    dialog.setItems(kStockImportSheet, sheets);
    dialog.setText(kStockImportSheet, import.reading.sheet.name.toStdString());
    dialog.setEnabled(kStockImportSheet, sheets.size() > 1);
    fillColumnBoxes(dialog, import);
    cleanAndMatch(dialog, import);
}

ImportSession* openSession(ui::Window& dialog) {
    if (!session() || dialog.name() != kStockImportWindowName) {
        return nullptr;
    }
    return &*session();
}

// The line of the preview's selected row.
std::optional<std::size_t> selectedLine(ui::Window& dialog, const ImportSession& import) {
    const int row = dialog.selectedRow(kStockImportPreview);
    if (row < 0 || static_cast<std::size_t>(row) >= import.previewLines.size()) {
        return std::nullopt;
    }
    return import.previewLines[static_cast<std::size_t>(row)];
}

void fillCandidates(ui::Window& dialog, ImportSession& import,
                    const std::vector<std::int32_t>& rows) {
    dialog.clearRows(kStockImportCandidates);
    import.candidateRows.clear();
    for (const std::int32_t bh : rows) {
        const CatalogueRow* row = import.matcher->rows().find(bh);
        if (row == nullptr) {
            continue;
        }
        const std::vector<std::string> cells = {std::to_string(bh), row->brand, row->newno,
                                                row->ckxh};
        dialog.appendRow(kStockImportCandidates, cells);
        import.candidateRows.push_back(bh);
        if (import.candidateRows.size() == kMostCandidates) {
            break;
        }
    }
}

}  // namespace

bool openStockImport(const std::string& path) {
    ShopFile* file = ShopSession::instance().file();
    if (file == nullptr) {
        ui::MessageBoxes::show(shopDataUnavailableMessage(), kShopCaption);
        return false;
    }
    const StockMatcher* matcher = mainCatalogueMatcher();
    if (matcher == nullptr) {
        ui::MessageBoxes::show(messages::kCatalogueUnavailable, kShopCaption);
        return false;
    }
    ImportSession import;
    import.path = path;
    import.sourceName = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    import.matcher = matcher;
    import.knownBrands = knownBrandsOf(*matcher);
    StockImportOptions options;
    options.knownBrands = import.knownBrands;
    import.reading = readStockFile(QString::fromStdString(path), options);
    // A sheet that was read goes to the dialog even without a header or lines: the user
    // may pick the columns there.
    if (!import.reading.error.isEmpty() && import.reading.sheet.rows.empty()) {
        ui::MessageBoxes::show(
            "无法导入 " + import.sourceName + "：\n" + import.reading.error.toStdString(),
            kShopCaption);
        return false;
    }
    guessHeader(import);
    import.answers = MatchAnswers(file->overrides().value_or(std::vector<MatchOverride>()));
    session() = std::move(import);
    ui::Window* dialog = ui::WindowManager::instance().open(stockImportWindowTemplate(), true);
    if (dialog == nullptr) {
        session().reset();
        return false;
    }
    dialog->setCurrentIndex(kStockImportShown, static_cast<int>(Shown::FirstLines));
    fillDialog(*dialog, *session());
    return true;
}

void importStockList(ui::Window&) {
    if (ShopSession::instance().file() == nullptr) {
        ui::MessageBoxes::show(shopDataUnavailableMessage(), kShopCaption);
        return;
    }
    const std::optional<std::string> chosen = ui::FileDialogs::askOpenFileName(
        {"导入本店库存", "库存表", {"xlsx", "xls", "csv", "txt", "htm", "html"}});
    if (chosen) {
        openStockImport(*chosen);
    }
}

void chooseImportSheet(ui::Window& dialog) {
    ImportSession* import = openSession(dialog);
    if (import == nullptr) {
        return;
    }
    StockImportOptions options;
    options.knownBrands = import->knownBrands;
    options.sheetName = QString::fromStdString(dialog.text(kStockImportSheet));
    StockFileReading reading = readStockFile(QString::fromStdString(import->path), options);
    if (!reading.error.isEmpty() && reading.sheet.rows.empty()) {
        ui::MessageBoxes::show(reading.error.toStdString(), kShopCaption);
        dialog.setText(kStockImportSheet, import->reading.sheet.name.toStdString());
        return;
    }
    import->reading = std::move(reading);
    guessHeader(*import);
    fillDialog(dialog, *import);
}

void changeImportColumn(ui::Window& dialog) {
    ImportSession* import = openSession(dialog);
    if (import == nullptr) {
        return;
    }
    // The lists showed the mapping until the user chose: the one that differs now is the
    // choice. (Applied one by one, the field that lost the column would take it back.)
    ColumnMapping& mapping = import->reading.mapping;
    std::vector<std::pair<StockField, int>> chosen;
    for (std::size_t k = 0; k < kStockFields.size(); ++k) {
        const int column = dialog.currentIndex(kStockImportFieldBoxes[k]) - 1;
        if (column != mapping.column(kStockFields[k])) {
            chosen.emplace_back(kStockFields[k], column);
        }
    }
    for (const auto& [field, column] : chosen) {
        mapping.setColumn(field, column);
    }
    // A column taken by one field leaves the field that had it.
    for (std::size_t k = 0; k < kStockFields.size(); ++k) {
        dialog.setCurrentIndex(kStockImportFieldBoxes[k], mapping.column(kStockFields[k]) + 1);
    }
    cleanAndMatch(dialog, *import);
}

void changeImportPreview(ui::Window& dialog) {
    if (ImportSession* import = openSession(dialog)) {
        fillPreview(dialog, *import);
        dialog.clearRows(kStockImportCandidates);
        import->candidateRows.clear();
    }
}

void showImportCandidates(ui::Window& dialog) {
    ImportSession* import = openSession(dialog);
    if (import == nullptr) {
        return;
    }
    const std::optional<std::size_t> line = selectedLine(dialog, *import);
    if (!line) {
        return;
    }
    const LineMatch& match = import->matched.matches[*line];
    dialog.setText(kStockImportSearchBox,
                   import->reading.cleaned.lines[*line].designation.toStdString());
    if (match.state == MatchState::Pending) {
        fillCandidates(dialog, *import, match.candidates);
    } else if (match.bh) {
        fillCandidates(dialog, *import, {*match.bh});
    } else {
        fillCandidates(dialog, *import, {});
    }
}

void searchImportCandidates(ui::Window& dialog) {
    ImportSession* import = openSession(dialog);
    if (import == nullptr) {
        return;
    }
    const designation::GroupedLookup found =
        import->matcher->index().lookup(dialog.text(kStockImportSearchBox));
    std::vector<std::int32_t> rows;
    for (const designation::LookupEntry& entry : found.entries) {
        rows.push_back(entry.bh);
    }
    fillCandidates(dialog, *import, rows);
}

void chooseImportCandidate(ui::Window& dialog) {
    ImportSession* import = openSession(dialog);
    if (import == nullptr) {
        return;
    }
    const std::optional<std::size_t> line = selectedLine(dialog, *import);
    if (!line) {
        ui::MessageBoxes::show(messages::kChooseALine, kShopCaption);
        return;
    }
    const int candidate = dialog.selectedRow(kStockImportCandidates);
    if (candidate < 0 || static_cast<std::size_t>(candidate) >= import->candidateRows.size()) {
        ui::MessageBoxes::show(messages::kChooseABearing, kShopCaption);
        return;
    }
    const ImportedLine& chosenLine = import->reading.cleaned.lines[*line];
    MatchOverride answer;
    answer.importedText = chosenLine.designation.toStdString();
    answer.importedBrand = chosenLine.brand.toStdString();
    answer.bh = import->candidateRows[static_cast<std::size_t>(candidate)];
    import->answers.set(answer);
    std::erase_if(import->newAnswers, [&](const MatchOverride& given) {
        return given.importedText == answer.importedText &&
               given.importedBrand == answer.importedBrand;
    });
    import->newAnswers.push_back(answer);
    // Every line of the same text and brand takes the answer.
    MatchCounts counts;
    for (std::size_t k = 0; k < import->reading.cleaned.lines.size(); ++k) {
        const ImportedLine& each = import->reading.cleaned.lines[k];
        if (each.designation == chosenLine.designation && each.brand == chosenLine.brand) {
            import->matched.matches[k] = matchLine(*import->matcher, import->answers,
                                                   answer.importedText, answer.importedBrand);
        }
        counts.add(import->matched.matches[k].state);
    }
    import->matched.counts = counts;
    fillCounts(dialog, *import);
    fillPreview(dialog, *import);
}

void runStockImport(ui::Window& dialog) {
    ImportSession* import = openSession(dialog);
    if (import == nullptr) {
        return;
    }
    ShopFile* file = ShopSession::instance().file();
    if (file == nullptr) {
        ui::MessageBoxes::show(shopDataUnavailableMessage(), kShopCaption);
        return;
    }
    const ShopWrite written =
        storeMatchedLines(*file, import->reading.cleaned.lines, import->matched.matches,
                          import->sourceName, import->newAnswers);
    if (!written.ok) {
        ui::MessageBoxes::show(written.message, kShopCaption);
        return;
    }
    ShopSession::instance().changed();
    const std::string done = "已导入 " +
                             lineNumbers(static_cast<int>(import->reading.cleaned.lines.size())) +
                             "：" + matchCountsText(import->matched.counts);
    session().reset();
    dialog.close();
    refreshShopStockWindow();
    ui::MessageBoxes::show(done, kShopCaption);
}

void cancelStockImport(ui::Window& dialog) {
    session().reset();
    dialog.close();
}

}  // namespace lz::shop::actions
