// Out of the 报价单 window: the print preview, the PDF and the CSV of the open quote.
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "query/table_text/delimited_text.h"
#include "query/table_text/file_replacement.h"
#include "shop/actions/open_quote.h"
#include "shop/actions/quote_windows.h"
#include "shop/print/preview/quote_preview.h"
#include "shop/print/quote_font.h"
#include "shop/print/quote_pdf.h"
#include "shop/quote/quote_table.h"
#include "shop/store/quote_store.h"
#include "shop/store/shop_session.h"
#include "ui/file_dialogs.h"
#include "ui/message_boxes.h"
#include "ui/modal_stacking.h"
#include "ui/window.h"
#include "windows/quote_window_template.h"

namespace lz::shop::actions {
namespace {

constexpr std::string_view kCaption = "报价单";

PreviewResponder& previewResponder() {
    static PreviewResponder responder;
    return responder;
}

// The open quote kept first, so that what leaves the window carries its number.
const Quote& keptQuote() {
    OpenQuote& open = OpenQuote::instance();
    if (const std::string problem = open.keepNow(); !problem.empty()) {
        ui::MessageBoxes::show(problem, kCaption);
    }
    return open.quote();
}

ShopHeader shopHeader() {
    ShopFile* file = ShopSession::instance().file();
    return file == nullptr ? ShopHeader{} : loadShopHeader(*file).value_or(ShopHeader{});
}

// Says in the window when the quote's font is missing: the quote prints, in another font.
void showFontWarning(ui::Window& window) {
    const QString warning = print::quoteFont().warning;
    if (!warning.isEmpty()) {
        window.setText(windows::kQuoteProblem, warning.toStdString());
    }
}

// "报价单-20261208-001" (or "报价单" before the quote has a number), with the suffix.
std::string suggestedName(const Quote& quote, const char* suffix) {
    std::string name = "报价单";
    if (!quote.number.empty()) {
        name += "-" + quote.number;
    }
    return name + "." + suffix;
}

// The file the user names, after asking before an existing file is replaced.
std::optional<std::string> askFileToWrite(const ui::SaveFileRequest& request) {
    const std::optional<std::string> chosen = ui::FileDialogs::askSaveFileName(request);
    if (!chosen) {
        return std::nullopt;
    }
    std::error_code ignored;
    if (std::filesystem::is_regular_file(query::text::pathFromUtf8(*chosen), ignored) &&
        ui::MessageBoxes::show("文件已经存在，要替换它吗？\n" + *chosen, kCaption,
                               ui::BoxButtons::YesNo) != ui::BoxAnswer::Yes) {
        return std::nullopt;
    }
    return chosen;
}

}  // namespace

void setQuotePreviewResponder(PreviewResponder responder) {
    previewResponder() = std::move(responder);
}

void previewQuote(ui::Window& window) {
    const Quote quote = keptQuote();
    showFontWarning(window);
    QPrinter printer(QPrinter::HighResolution);
    QString problem;
    std::unique_ptr<QPrintPreviewDialog> dialog =
        print::makeQuotePrintPreview(printer, nullptr, shopHeader(), quote, problem);
    if (!dialog) {
        ui::MessageBoxes::show(problem.toStdString(), kCaption);
        return;
    }
    dialog->setWindowModality(Qt::ApplicationModal);
    ui::stackAboveOnTopWindows(*dialog);
    if (previewResponder()) {
        dialog->show();
        previewResponder()(*dialog);
        dialog->close();
        return;
    }
    dialog->exec();
}

void saveQuoteAsPdf(ui::Window& window) {
    const Quote quote = keptQuote();
    showFontWarning(window);
    const std::optional<std::string> chosen =
        askFileToWrite({"保存为 PDF 文件", suggestedName(quote, "pdf"), "PDF 文件", "pdf"});
    if (!chosen) {
        return;
    }
    const QString problem =
        print::saveQuotePdf(QString::fromStdString(*chosen), shopHeader(), quote);
    if (!problem.isEmpty()) {
        ui::MessageBoxes::show("PDF 未保存：" + problem.toStdString(), kCaption);
    }
}

void exportQuote(ui::Window&) {
    const Quote quote = keptQuote();
    const std::optional<QuoteAmounts> amounts = computeAmounts(quote);
    if (!amounts) {
        return;  // never: the open quote is always one that sums
    }
    const std::optional<std::string> chosen =
        askFileToWrite({"导出为 CSV 文件", suggestedName(quote, "csv"), "CSV 文件", "csv"});
    if (!chosen) {
        return;
    }
    // For spreadsheets, as the result lists' export: a cell such as "-6301" stays text.
    constexpr auto kCells = query::text::CsvCells::ShownAsText;
    const QuoteTable table = quoteTable(quote, *amounts);
    std::string csv(query::text::kUtf8ByteOrderMark);
    query::text::appendCsvRecord(csv, table.headings, kCells);
    for (const auto& row : table.rows) {
        query::text::appendCsvRecord(csv, row, kCells);
    }
    for (const auto& row : table.totals) {
        query::text::appendCsvRecord(csv, row, kCells);
    }
    if (const std::error_code error =
            query::text::writeFileReplacing(query::text::pathFromUtf8(*chosen), csv)) {
        ui::MessageBoxes::show("导出失败，无法写入文件：\n" + *chosen + "\n（" +
                                   query::text::writeFailureReason(error) + "）",
                               kCaption);
    }
}

}  // namespace lz::shop::actions
