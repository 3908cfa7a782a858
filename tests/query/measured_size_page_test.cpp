// The page "按实测尺寸" of the 型号助手, end to end on the shipped catalogue: sizes typed into
// its boxes as a caliper reads them, Enter or "查找", and the list, headings and messages a
// person then sees; its rows listed in the main window and opened by a double click.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "tests/query/shipped_catalogue_window.h"
#include "tests/support/small_catalogue.h"
#include "ui/window_manager.h"
#include "windows/designation_assistant_template.h"
#include "windows/measured_size_page.h"
#include "windows/picture_window_template.h"

namespace lz::query {
namespace {

using namespace windows;

constexpr std::string_view kNotPositive = "请输入正数，例如 25、24.98 或 1-3/8";
constexpr std::string_view kNoneWithin = "容差内无匹配，以下为最接近的型号";
constexpr std::string_view kCorrectInputs = "未查找：请改正红字所示的输入";
constexpr std::string_view kReadFailed = "读取数据出错，列表可能不完整";

// The list's columns.
constexpr int kName = 0, kNewDesignation = 1, kBrand = 2, kOuter = 4, kDeviation = 6;

struct Row {
    bool heading = false;
    std::vector<std::string> cells;  // a heading: its text alone
    std::optional<std::int64_t> bh;
};

struct Inputs {
    std::string inner, outer, width;
    bool inches = false;
    std::string tolerance = "0.10", widthTolerance = "0.20", type = "全部";
};

class MeasuredSizePage : public test::ShippedCatalogueWindowTest {
protected:
    ui::Window& openPage() {
        QMenu* menu = qobject_cast<QMenu*>(widget("右键"));
        menu->actions().at(3)->trigger();  // 按任意型号查找…
        ui::Window* window = ui::WindowManager::instance().find(kDesignationAssistantWindowName);
        EXPECT_NE(window, nullptr);
        window->setCurrentPage(kAssistantPages, kByMeasuredSizePage);
        assistant_ = window;
        return *window;
    }

    void typeInto(std::string_view box, std::string_view text) {
        assistant_->setText(box, "");
        QTest::keyClicks(assistant_->widgetForTesting(box),
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        ASSERT_EQ(assistant_->text(box), text);
    }

    // Types every input, chooses the unit with the mouse and presses Enter in `enterIn`.
    void measure(const Inputs& inputs, std::string_view enterIn = kMeasuredWidth) {
        typeInto(kMeasuredInner, inputs.inner);
        typeInto(kMeasuredOuter, inputs.outer);
        typeInto(kMeasuredWidth, inputs.width);
        typeInto(kMeasuredTolerance, inputs.tolerance);
        typeInto(kMeasuredWidthTolerance, inputs.widthTolerance);
        assistant_->setText(kMeasuredType, inputs.type);
        QTest::mouseClick(
            assistant_->widgetForTesting(inputs.inches ? kMeasuredInches : kMeasuredMillimetres),
            Qt::LeftButton, {}, QPoint(8, 12));
        ASSERT_EQ(assistant_->isChecked(kMeasuredInches), inputs.inches);
        QTest::keyClick(assistant_->widgetForTesting(enterIn), Qt::Key_Return);
    }

    std::vector<Row> listedRows() const {
        std::vector<Row> rows;
        for (int row = 0; row < assistant_->rowCount(kMeasuredList); ++row) {
            Row listed{assistant_->isHeadingRow(kMeasuredList, row),
                       {},
                       assistant_->rowKey(kMeasuredList, row)};
            for (int column = 0; column < (listed.heading ? 1 : 7); ++column) {
                listed.cells.push_back(assistant_->cellText(kMeasuredList, row, column));
            }
            rows.push_back(std::move(listed));
        }
        return rows;
    }
    std::vector<std::string> headings() const {
        std::vector<std::string> texts;
        for (const Row& row : listedRows()) {
            if (row.heading) {
                texts.push_back(row.cells[0]);
            }
        }
        return texts;
    }
    std::string status() const { return assistant_->text(kMeasuredStatus); }
    // The messages beside d, D, B, the two tolerances and the type.
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const std::string_view label :
             {kMeasuredInnerMessage, kMeasuredOuterMessage, kMeasuredWidthMessage,
              kMeasuredToleranceMessage, kMeasuredWidthToleranceMessage, kMeasuredTypeMessage}) {
            texts.push_back(assistant_->text(label));
        }
        return texts;
    }

    ui::Window* assistant_ = nullptr;
};

const std::vector<std::string> kNoMessages(6);

TEST_F(MeasuredSizePage, AWorn6205InMillimetresFindsItsNominalSizeFirst) {
    openPage();
    measure({"24.98", "52.02", "15"});
    EXPECT_EQ(messages(), kNoMessages);
    // 25 × 52 × 15 has 306 bearings; the tapered 24.981 × 52 × 15.011 is as near on D but rare.
    EXPECT_EQ(headings(), (std::vector<std::string>{"25 × 52 × 15 mm　306 个",
                                                    "24.981 × 52 × 15.011 mm　1 个"}));
    const std::vector<Row> rows = listedRows();
    ASSERT_EQ(rows.size(), 2u + 307u);
    EXPECT_TRUE(rows.at(0).heading);
    EXPECT_EQ(rows.at(0).bh, std::nullopt);
    EXPECT_EQ(rows.at(1).cells,
              (std::vector<std::string>{"NSK 6205 轴承", "6205", "NSK", "25", "52", "15",
                                        "d -0.020, D +0.020, B 0.000 mm"}));
    EXPECT_EQ(rows.at(1).bh, 463);
    EXPECT_TRUE(rows.at(307).heading);
    EXPECT_EQ(rows.at(308).cells,
              (std::vector<std::string>{"TIMKEN  07098 轴承", "07098", "TIMKEN", "24.981", "52",
                                        "15.011", "d -0.001, D +0.020, B -0.011 mm"}));
    EXPECT_EQ(rows.at(308).bh, 46123);
    EXPECT_EQ(status(), "容差内找到 307 个型号，2 种公称尺寸");
    EXPECT_TRUE(boxes_.empty());

    // "查找" searches as Enter does; without B every width of 25 × 52 comes, 15 first.
    typeInto(kMeasuredWidth, "");
    QTest::mouseClick(assistant_->widgetForTesting(kMeasuredSearch), Qt::LeftButton);
    ASSERT_EQ(headings().size(), 8u);
    EXPECT_EQ(headings().front(), "25 × 52 × 15 mm　306 个");
    EXPECT_EQ(listedRows().at(1).cells[kDeviation], "d -0.020, D +0.020 mm");
}

TEST_F(MeasuredSizePage, InchSizesFindTheInchBearingMarkedSo) {
    openPage();
    // The cone HM88649, 1-3/8 × 2-27/32 × 1 in; deviations in ten-thousandths of an inch.
    measure({"1-3/8", "2-27/32", "1", true}, kMeasuredInner);
    EXPECT_EQ(headings(), std::vector<std::string>{
                              "34.925 × 72.233 × 25.4 mm（英制 1-3/8 × 2-27/32 × 1 in）　1 个"});
    const std::vector<Row> rows = listedRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows.at(1).cells[kNewDesignation], "HM88649");
    EXPECT_EQ(rows.at(1).cells[kBrand], "TIMKEN");
    EXPECT_EQ(rows.at(1).cells[kDeviation], "d 0.0000, D -0.0001, B 0.0000 in，英制");
    EXPECT_EQ(rows.at(1).bh, 46134);
    EXPECT_EQ(status(), "容差内找到 1 个型号，1 种公称尺寸");

    // "1 3/8" and 1.375 are the same bore; a unit written after a value wins over the unit
    // chosen, each deviation in its value's unit.
    measure({"1 3/8", "2.84375", "1", true});
    EXPECT_EQ(listedRows().at(1).bh, 46134);
    measure({"1-3/8\"", "72.233mm", ""});
    ASSERT_EQ(listedRows().size(), 4u);
    EXPECT_EQ(listedRows().at(1).cells[kDeviation], "d 0.0000 in, D 0.000 mm，英制");
    EXPECT_EQ(listedRows().at(3).bh, 46296);
    EXPECT_EQ(listedRows().at(3).cells[kOuter], "72.238");
    EXPECT_EQ(listedRows().at(3).cells[kDeviation], "d 0.0000 in, D -0.005 mm，英制");
}

TEST_F(MeasuredSizePage, InchAndMetricSizesCloseTogetherAreToldApart) {
    openPage();
    // One inch, 25.4 mm, on 52: the two inch-bore cones, not the 25 × 52 metric bearings.
    measure({"25.4", "52", ""});
    EXPECT_EQ(headings(), (std::vector<std::string>{"25.4 × 52 × 15.011 mm　1 个",
                                                    "25.4 × 51.986 × 15.011 mm　1 个"}));
    EXPECT_EQ(listedRows().at(1).bh, 13711);
    EXPECT_EQ(listedRows().at(3).bh, 13710);
    // 25 × 52: the metric sizes, the commonest first, and none of the inch bores.
    measure({"25", "52", ""});
    const auto metric = headings();
    ASSERT_EQ(metric.size(), 8u);
    EXPECT_EQ(metric[0], "25 × 52 × 15 mm　306 个");
    EXPECT_EQ(metric[1], "25 × 52 × 18 mm　139 个");
    for (const std::string& heading : metric) {
        EXPECT_EQ(heading.find("25.4"), std::string::npos) << heading;
        EXPECT_EQ(heading.find("英制"), std::string::npos) << heading;
    }
    // 34.93 × 72: the bore of 34.976 first, then the metric 35 × 72, the commonest first.
    measure({"34.93", "72", ""});
    const auto near35 = headings();
    ASSERT_EQ(near35.size(), 10u);
    EXPECT_EQ(near35[0], "34.976 × 71.996 × 19.002 mm　1 个");
    EXPECT_EQ(near35[1], "35 × 72 × 17 mm　297 个");
    EXPECT_EQ(listedRows().at(3).cells[kDeviation], "d -0.070, D 0.000 mm");
    EXPECT_EQ(status(), "容差内找到 563 个型号，10 种公称尺寸");
}

TEST_F(MeasuredSizePage, TheTypeAndTheTolerancesNarrowOrWidenTheSearch) {
    ui::Window& page = openPage();
    // "全部" and the catalogue's 22 types with sizes; housings have no bore.
    const std::vector<std::string> types = page.items(kMeasuredType);
    ASSERT_EQ(types.size(), 23u);
    EXPECT_EQ(types.front(), "全部");
    EXPECT_NE(std::find(types.begin(), types.end(), "深沟球轴承"), types.end());
    EXPECT_EQ(std::find(types.begin(), types.end(), "轴承座"), types.end());

    measure({"35", "72", "", false, "0.10", "0.20", "深沟球轴承"}, kMeasuredType);
    EXPECT_EQ(headings(), std::vector<std::string>{"35 × 72 × 17 mm　64 个"});
    // A text in the type box that names no type of the catalogue is refused beside it.
    measure({"35", "72", "", false, "0.10", "0.20", "深沟球"});
    EXPECT_EQ(messages().back(), "没有这种轴承类型，请从列表中选择");
    EXPECT_EQ(page.rowCount(kMeasuredList), 0);
    EXPECT_EQ(status(), kCorrectInputs);

    // 34.85 lies beyond ±0.10 of 35, within ±0.2: the 35 × 72 bearings come then.
    measure({"34.85", "72", ""}, kMeasuredTolerance);
    EXPECT_EQ(headings().front(), kNoneWithin);
    measure({"34.85", "72", "", false, "0.2"}, kMeasuredTolerance);
    EXPECT_EQ(status(), "容差内找到 563 个型号，10 种公称尺寸");
    // A width tolerance of its own: 15.3 lies 0.3 from 15 and 0.289 from 15.011, where the
    // bore's 0.019 counts less; so the rare 24.981 × 52 × 15.011 comes first then.
    measure({"25", "52", "15.3"});
    EXPECT_EQ(headings().front(), kNoneWithin);
    measure({"25", "52", "15.3", false, "0.10", "0.3 mm"}, kMeasuredWidthTolerance);
    EXPECT_EQ(headings(), (std::vector<std::string>{"24.981 × 52 × 15.011 mm　1 个",
                                                    "25 × 52 × 15 mm　306 个"}));
}

TEST_F(MeasuredSizePage, NothingWithinToleranceListsTheNearestTwentyUnderALine) {
    openPage();
    measure({"27.5", "61.3", "9"});
    const std::vector<Row> rows = listedRows();
    ASSERT_EQ(rows.size(), 1u + 3u + 20u);
    EXPECT_TRUE(rows.at(0).heading);
    EXPECT_EQ(rows.at(0).cells[0], kNoneWithin);
    EXPECT_EQ(headings(),
              (std::vector<std::string>{
                  std::string(kNoneWithin),
                  "30.162 × 58.738 × 14.684 mm（英制 1-3/16 × 2-5/16 × 37/64 in）　1 个",
                  "30 × 62 × 15 mm　17 个", "25 × 62 × 15 mm　2 个"}));
    EXPECT_EQ(rows.at(2).bh, 29268);
    EXPECT_EQ(rows.at(2).cells[kDeviation], "d -2.662, D +2.562, B -5.684 mm，英制");
    EXPECT_EQ(rows.back().bh, 7582);
    EXPECT_EQ(status(), "容差内无匹配，列出最接近的 20 个型号");
    EXPECT_EQ(messages(), kNoMessages);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(MeasuredSizePage, RefusedValuesAreSaidBesideTheirBoxAndNothingIsSearched) {
    ui::Window& page = openPage();
    const std::string notPositive(kNotPositive);
    const struct {
        Inputs inputs;
        std::vector<std::string> messages;  // d, D, B, tolerance, width tolerance, type
    } cases[] = {
        {{"abc", "0", "-5"}, {notPositive, notPositive, notPositive, "", "", ""}},
        {{"nan", "inf", "1e300"}, {notPositive, notPositive, notPositive, "", "", ""}},
        {{"25,4", "52", "15"}, {notPositive, "", "", "", "", ""}},
        {{"1-", "52", "15"}, {notPositive, "", "", "", "", ""}},
        {{"52", "25", ""}, {"", "外径须大于内径", "", "", "", ""}},
        {{"25", "25", ""}, {"", "外径须大于内径", "", "", "", ""}},
        {{"1 in", "25", ""}, {"", "外径须大于内径", "", "", "", ""}},
        {{"", "", ""},
         {"请输入内径，例如 25、24.98 或 1-3/8", "请输入外径，例如 52、52.02 或 2-1/16", "", "", "",
          ""}},
        {{"25", "20000", ""}, {"", "尺寸过大，请输入不超过 10000 mm 的值", "", "", "", ""}},
        {{"25", "52", "", false, "0", "11"},
         {"", "", "", "请输入 0.001 到 10 mm 之间的公差", "请输入 0.001 到 10 mm 之间的公差", ""}},
    };
    for (const auto& refused : cases) {
        SCOPED_TRACE(refused.inputs.inner + " / " + refused.inputs.outer + " / " +
                     refused.inputs.width);
        // A good search first: a refused value must not leave its rows standing.
        measure({"24.98", "52.02", "15"});
        ASSERT_GT(page.rowCount(kMeasuredList), 0);
        measure(refused.inputs);
        EXPECT_EQ(messages(), refused.messages);
        EXPECT_EQ(page.rowCount(kMeasuredList), 0);
        EXPECT_EQ(status(), kCorrectInputs);
    }
    // Put right, the messages go.
    measure({"24.98", "52.02", "15"});
    EXPECT_EQ(messages(), kNoMessages);
    EXPECT_TRUE(boxes_.empty()) << "said beside the boxes, never in a box";
}

TEST_F(MeasuredSizePage, RowsGoToTheBearingListInTheirOrderAndOpenTheirPicture) {
    ui::Window& page = openPage();
    measure({"27.5", "61.3", "9"});
    std::vector<std::string> shown;
    for (const Row& row : listedRows()) {
        if (!row.heading) {
            shown.push_back(row.cells[kName]);
        }
    }
    ASSERT_EQ(shown.size(), 20u);
    showPage(2);
    QTest::mouseClick(page.widgetForTesting(kMeasuredToBearingList), Qt::LeftButton);
    EXPECT_EQ(main_->currentPage("选择夹1"), 0);
    EXPECT_EQ(column(kBearingList, 1), shown);
    EXPECT_EQ(column(kBearingList, 0).front(), "29268");

    // A double click on a bearing (row 0 and 1 are headings) opens its picture window.
    measure({"24.98", "52.02", "15"});
    auto* view = qobject_cast<QAbstractItemView*>(page.widgetForTesting(kMeasuredList));
    const QPoint centre = view->visualRect(view->model()->index(1, 1)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    ui::Window* picture = ui::WindowManager::instance().find(kBearingPictureWindowName);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->text("编辑框4"), "6205");
    EXPECT_EQ(picture->text("编辑框7"), "205");
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(MeasuredSizePage, ACatalogueThatCannotBeReadIsSaidSoAndTriedAgain) {
    auto& database = main_->database(kCatalogueConnection);
    database.setQueryTimeout(std::chrono::milliseconds(0));  // every read fails at once
    ui::Window& page = openPage();
    EXPECT_TRUE(page.items(kMeasuredType).empty()) << "no index, no types yet";
    measure({"24.98", "52.02", "15"});
    EXPECT_EQ(status(), kReadFailed);
    EXPECT_EQ(page.rowCount(kMeasuredList), 0);

    database.setQueryTimeout(std::chrono::seconds(15));
    measure({"24.98", "52.02", "15"});
    EXPECT_EQ(status(), "容差内找到 307 个型号，2 种公称尺寸");
    EXPECT_EQ(page.items(kMeasuredType).size(), 23u);

    // The index is whole now; the rows themselves fail to come.
    database.setQueryTimeout(std::chrono::milliseconds(0));
    measure({"24.98", "52.02", "15"});
    EXPECT_EQ(status(), kReadFailed);
    EXPECT_TRUE(boxes_.empty());
    database.setQueryTimeout(std::chrono::seconds(15));
}

TEST_F(MeasuredSizePage, TheSearchAndItsTypesFollowTheConnection) {
    ui::Window& page = openPage();
    measure({"24.98", "52.02", "15"});
    ASSERT_EQ(page.rowCount(kMeasuredList), 2 + 307);
    const std::string path = (home_.path() / "small.db").string();
    ASSERT_TRUE(test::writeSmallCatalogue(
        path,
        "INSERT INTO bearing (bh, zhch, newno, njin, wjin, gdu, ppai, btype) VALUES "
        "(70001, 'small one', 'X1', '25', '52', '15', 'A', '甲类'), "
        "(70002, 'small two', 'X2', '25.4', '52', '15', 'B', '乙类');"));
    ASSERT_TRUE(main_->database(kCatalogueConnection).OpenMdbDatabase(path));
    measure({"24.98", "52.02", "15"});
    EXPECT_EQ(headings(), std::vector<std::string>{"25 × 52 × 15 mm　1 个"});
    EXPECT_EQ(listedRows().at(1).cells[kName], "small one");
    EXPECT_EQ(page.items(kMeasuredType), (std::vector<std::string>{"全部", "甲类", "乙类"}));
    measure({"24.98", "52.02", "15", false, "0.10", "0.20", "深沟球轴承"});
    EXPECT_EQ(messages().back(), "没有这种轴承类型，请从列表中选择");
}

}  // namespace
}  // namespace lz::query
