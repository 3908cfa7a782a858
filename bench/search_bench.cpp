// Typical searches end to end, from the click on the search button to the filled list, each
// next to its statement run raw on SQLite (reading the same columns of every row), and the
// combined search that lists the whole bearing table. Medians of several clicks.
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/support/bench_window.h"
#include "query/result_lists.h"
#include "query/sql/bearing_search_sql.h"
#include "query/sql/price_query_sql.h"
#include "ui/window.h"

namespace {

using Clock = std::chrono::steady_clock;
using lz::query::ResultList;
namespace sql = lz::query::sql;
constexpr int kClicks = 15;

struct Search {
    const char* name;
    int page;
    std::vector<std::pair<std::string_view, std::string_view>> texts;
    std::vector<std::pair<std::string_view, bool>> checks;
    std::string_view button;
    const ResultList& list;
    std::string statement;  // what the click sends, for the raw run
    double goalSeconds;
    bool againstRaw;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    return lz::bench::runOnMainWindow(
        argc, argv, [&](lz::bench::BenchWindow& bench, lz::ui::Window& main) {
            const std::vector<Search> searches = {
                {"new designation 6205",
                 0,
                 {{"编辑框1", "6205"}},
                 {{"单选框1", true}, {"选择框1", false}},
                 "按钮1",
                 lz::query::kBearingList,
                 *sql::composeSingleFieldSearch("6205", sql::SingleField::NewDesignation, false),
                 0.030,
                 true},
                {"exact inner diameter 25",
                 0,
                 {{"编辑框1", "25"}},
                 {{"单选框3", true}, {"选择框1", true}},
                 "按钮1",
                 lz::query::kBearingList,
                 *sql::composeSingleFieldSearch("25", sql::SingleField::InnerDiameter, true),
                 0.030,
                 true},
                {"imported price 6000",
                 1,
                 {{"编辑框2", "6000"}, {"组合框3", "全部"}},
                 {},
                 "按钮12",
                 lz::query::kImportedPriceList,
                 *sql::composeImportedPriceQuery("6000", "全部"),
                 0.030,
                 true},
                {"domestic price 6204",
                 2,
                 {{"编辑框3", "6204"}, {"组合框4", "全部"}},
                 {{"单选框6", true}},
                 "按钮_查询国产",
                 lz::query::kDomesticPriceList,
                 *sql::composeDomesticPriceQuery("6204", sql::DomesticModelColumn::New, "全部"),
                 0.030,
                 true},
                {"combined, whole table",
                 0,
                 {{"编辑框_内径", ""},
                  {"编辑框_外径", ""},
                  {"编辑框_厚度", ""},
                  {"组合框_品牌", "全部"},
                  {"组合框_类型", "请选择类型"}},
                 {},
                 "按钮搜索",
                 lz::query::kBearingList,
                 *sql::composeCombinedSearch({"", "", "", "全部", "请选择类型"}),
                 0.300,
                 false},
            };

            std::printf("%-24s %7s %10s %10s %7s  %s\n", "search", "rows", "click", "raw", "ratio",
                        "goal");
            for (const Search& search : searches) {
                main.setCurrentPage("选择夹1", search.page);
                for (const auto& [control, text] : search.texts) {
                    main.setText(control, text);
                }
                for (const auto& [control, checked] : search.checks) {
                    main.setChecked(control, checked);
                }
                std::vector<double> clicks, raws;
                for (int i = 0; i < kClicks; ++i) {
                    const auto start = Clock::now();
                    QTest::mouseClick(main.widgetForTesting(search.button), Qt::LeftButton);
                    clicks.push_back(std::chrono::duration<double>(Clock::now() - start).count());
                    raws.push_back(lz::bench::rawScanSeconds(bench.cataloguePath(),
                                                             search.statement, search.list.fields));
                }
                const double click = median(clicks), raw = median(raws);
                const bool met =
                    click < search.goalSeconds && (!search.againstRaw || click <= 3 * raw);
                std::printf("%-24s %7d %8.1f ms %7.1f ms %6.1fx  under %.0f ms%s: %s\n",
                            search.name, main.rowCount(search.list.listName), click * 1e3,
                            raw * 1e3, click / raw, search.goalSeconds * 1e3,
                            search.againstRaw ? ", within 3x raw" : "", met ? "met" : "MISSED");
            }
            return 0;
        });
}
