// Writing a quote of 200 lines as PDF, as the command line does it: a QGuiApplication on
// the offscreen platform, no widgets. Prints the time of each round, the fastest and the
// median, the pages and the size of the file; the goal is 1 s or less.
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "shop/print/quote_font.h"
#include "shop/print/quote_pdf.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 7;
constexpr int kLines = 200;

lz::shop::Quote benchQuote() {
    using namespace std::chrono_literals;
    lz::shop::Quote q;
    q.customer = "华北重工机械有限公司";
    q.contact = "王工";
    q.quotedBy = "李明";
    q.number = "20261208-001";
    q.date = 2026y / 12 / 8;
    q.taxBasis = lz::shop::TaxBasis::ExcludingTax;
    q.freight = 5000;
    q.note = "款到发货，不含安装。";
    const char* models[] = {"6205-2RS", "6206ZZ/C3", "NU2210E", "32212", "22220CAK/W33"};
    for (int i = 0; i < kLines; ++i) {
        lz::shop::QuoteLine line;
        line.askedModel = std::string(models[i % 5]) + " 轴承";
        line.offeredModel = models[i % 5];
        line.brand = i % 2 ? "SKF" : "NSK";
        line.quantity = 1 + i % 50;
        line.unitPrice = 1000 + 37 * i;
        line.priceSource = i % 3 ? lz::shop::PriceSource::Shop : lz::shop::PriceSource::Reference;
        line.delivery = i % 2 ? "现货" : "3 天";
        q.lines.push_back(line);
    }
    return q;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const lz::shop::ShopHeader shop{"翎轴轴承商行", "0371-12345678",
                                    "郑州市二七区轴承市场 A 区 18 号",
                                    "工商银行二七支行 6222 0000 1111 2222"};
    const lz::shop::Quote quote = benchQuote();
    if (const QString warning = lz::shop::print::quoteFont().warning; !warning.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(warning));
    }
    std::vector<double> seconds;
    qsizetype bytes = 0;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        const lz::shop::print::QuotePdf pdf = lz::shop::print::quotePdf(shop, quote);
        seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        if (!pdf.problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(pdf.problem));
            return 1;
        }
        bytes = pdf.bytes.size();
        std::printf("round %d: %.3f s\n", round + 1, seconds.back());
    }
    const double first = seconds.front();
    std::sort(seconds.begin(), seconds.end());
    std::printf(
        "%d-line quote as PDF: first %.3f s, fastest %.3f s, median %.3f s (goal <= 1 s); "
        "%lld bytes\n",
        kLines, first, seconds.front(), seconds[seconds.size() / 2], static_cast<long long>(bytes));
    return 0;
}
