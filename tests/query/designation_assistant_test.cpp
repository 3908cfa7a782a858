// The 型号助手 window and "互换型号", end to end on the shipped catalogue: typed key by key
// as a person types, with the groups, the differences and the decoding panel it shows, its
// rows listed in the main window, and its failures said in the window, never in a box.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <set>

#include "catalogue/catalogue_database.h"
#include "tests/query/shipped_catalogue_window.h"
#include "tests/support/small_catalogue.h"
#include "ui/window_manager.h"
#include "windows/designation_assistant_template.h"

namespace lz::query {
namespace {

using windows::kAssistantDecoding;
using windows::kAssistantInput;
using windows::kAssistantList;
using windows::kAssistantStatus;

constexpr int kName = 1, kNewDesignation = 2;
// The result list's columns.
constexpr int kListName = 0, kListNewDesignation = 1, kListDifference = 6;
constexpr std::string_view kNoMatch = "对不起，没有符合你查询条件的型号记录";
constexpr std::string_view kReadFailed = "读取数据出错，列表可能不完整";

constexpr std::string_view kSameBearing = "同一轴承（各厂写法）";
constexpr std::string_view kSameSealing =
    "同基本型号、同密封，仅游隙、公差、保持架、内部结构等代号不同";
constexpr std::string_view kSameSize = "同尺寸，密封不同";

class DesignationAssistant : public test::ShippedCatalogueWindowTest {
protected:
    void chooseBearingMenuItem(int item) {
        auto* menu = qobject_cast<QMenu*>(widget("右键"));
        ASSERT_NE(menu, nullptr);
        menu->actions().at(item)->trigger();
    }
    static ui::Window* assistant() {
        return ui::WindowManager::instance().find(windows::kDesignationAssistantWindowName);
    }
    ui::Window& openAssistant() {
        chooseBearingMenuItem(3);
        ui::Window* window = assistant();
        EXPECT_NE(window, nullptr);
        return *window;
    }

    // Types into the 型号助手 key by key (after emptying the box) and waits until the text
    // has settled and been looked up.
    void typeInAssistant(std::string_view text) {
        ui::Window& window = *assistant();
        QWidget* box = window.widgetForTesting(kAssistantInput);
        if (!window.text(kAssistantInput).empty()) {
            const auto emptied = window.listGeneration(kAssistantList);
            window.setText(kAssistantInput, "");
            waitForLookup(window, emptied);
        }
        const auto before = window.listGeneration(kAssistantList);
        for (const QChar c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(box, c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
        }
        ASSERT_EQ(window.text(kAssistantInput), text);
        waitForLookup(window, before);
    }
    // Waits for the next lookup of the window: it begins by emptying its list.
    static void waitForLookup(ui::Window& window, std::uint64_t generation) {
        QDeadlineTimer deadline(5000);
        while (window.listGeneration(kAssistantList) <= generation && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        ASSERT_GT(window.listGeneration(kAssistantList), generation) << "no lookup came";
        QTest::qWait(2 * windows::kAssistantSettleMs);  // and no other one follows
    }

    struct Row {
        bool heading;
        std::string name, newDesignation, difference;
    };
    static std::vector<Row> assistantRows() {
        ui::Window& window = *assistant();
        std::vector<Row> listed;
        for (int row = 0; row < window.rowCount(kAssistantList); ++row) {
            listed.push_back({window.isHeadingRow(kAssistantList, row),
                              window.cellText(kAssistantList, row, kListName),
                              window.cellText(kAssistantList, row, kListNewDesignation),
                              window.cellText(kAssistantList, row, kListDifference)});
        }
        return listed;
    }
    // The headings, in order.
    static std::vector<std::string> headings() {
        std::vector<std::string> texts;
        for (const Row& row : assistantRows()) {
            if (row.heading) {
                texts.push_back(row.name);
            }
        }
        return texts;
    }
    // The names of the rows under the heading that begins with `heading`.
    static std::vector<std::string> namesUnder(std::string_view heading) {
        std::vector<std::string> names;
        bool under = false;
        for (const Row& row : assistantRows()) {
            if (row.heading) {
                under = row.name.starts_with(heading);
            } else if (under) {
                names.push_back(row.name);
            }
        }
        return names;
    }
    static std::vector<std::string> panelLines() {
        std::vector<std::string> lines;
        std::string text = assistant()->text(kAssistantDecoding);
        for (std::size_t start = 0; start <= text.size();) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return lines;
    }
    static bool panelHas(std::string_view line) {
        const auto lines = panelLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    void searchNewDesignation(std::string_view text) {
        type("编辑框1", text);
        click("按钮1");
    }
    int rowNamed(std::string_view name) const {
        const auto names = column(kBearingList, kName);
        const auto found = std::find(names.begin(), names.end(), name);
        return found == names.end() ? -1 : static_cast<int>(found - names.begin());
    }
};

TEST_F(DesignationAssistant, CtrlFOpensAToolWindowBesideTheMainWindowThatLeavesItUsable) {
    main_->activate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_->widgetForTesting()));
    showPage(1);
    QTest::keyClick(widget("编辑框2"), Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(assistant(), nullptr);
    QWidget* frame = assistant()->widgetForTesting();
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(frame->isModal());
    EXPECT_EQ(assistant()->widgetForTesting("选择夹_型号助手")->property("visible"), true);
    EXPECT_TRUE(panelLines().front().starts_with("输入轴承上印的型号")) << "a hint before typing";
    EXPECT_EQ(main_->currentPage("选择夹1"), 1) << "the main window stays as it was";

    // The main window goes on working beside it.
    showPage(0);
    searchNewDesignation("6205-2RS");
    EXPECT_GT(rows(kBearingList), 0);
    // Ctrl+F again brings the same window forward.
    ui::Window* first = assistant();
    chooseBearingMenuItem(3);
    EXPECT_EQ(assistant(), first);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(DesignationAssistant, TypingShowsTheGroupsTheirDifferencesAndTheReading) {
    openAssistant();
    typeInAssistant("6205-2RS1/C3");

    EXPECT_EQ(headings(), (std::vector<std::string>{"同一轴承（各厂写法）（3）",
                                                    std::string(kSameSealing) + "（9）",
                                                    "同尺寸，密封不同（49）"}));
    const auto rows = assistantRows();
    ASSERT_GT(rows.size(), 5u);
    EXPECT_TRUE(rows[0].heading);
    // The same bearing, in NSK's, SKF's and RIV's writing; nothing differs.
    const auto same = namesUnder(kSameBearing);
    EXPECT_EQ(std::set<std::string>(same.begin(), same.end()),
              (std::set<std::string>{"NSK 6205DDUC3 轴承", "SKF  6205-2RSH/C3 轴承",
                                     "RIV 6205-2RS C3 轴承"}));
    for (std::size_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(rows[i].newDesignation, "6205-2RS/C3");
        EXPECT_EQ(rows[i].difference, "");
    }
    // Then every 6205-2RS of normal clearance, saying so.
    EXPECT_EQ(rows[5].newDesignation, "6205-2RS");
    EXPECT_EQ(rows[5].difference, "游隙 C3 → 普通");
    const auto sealing = namesUnder(kSameSealing);
    EXPECT_NE(std::find(sealing.begin(), sealing.end(), "NTN 6205LLU 轴承 "), sealing.end());
    // Then the same size with other seals, fewest differences first.
    const auto firstOther = std::find_if(rows.begin(), rows.end(), [](const Row& row) {
        return row.heading && row.name.starts_with(kSameSize);
    });
    ASSERT_NE(firstOther, rows.end());
    EXPECT_EQ((firstOther + 1)->difference, "同尺寸，密封不同；密封 -2RS → -2Z");
    EXPECT_EQ(rows.back().difference.find("同尺寸，密封不同；游隙 C3 → 普通；"), 0u)
        << rows.back().difference;
    EXPECT_EQ(assistant()->text(kAssistantStatus),
              "找到 61 个型号：同一轴承 3，仅代号不同 9，同尺寸不同密封 49");

    // The decoding panel: the parts with their meanings, the old designation, the bore.
    EXPECT_EQ(panelLines().front(), "6205-2RS/C3　深沟球轴承");
    EXPECT_TRUE(panelHas("62 — 尺寸系列 02（轻系列）"));
    EXPECT_TRUE(panelHas("05 — 内径代号：05×5 = 25 mm"));
    EXPECT_TRUE(
        panelHas("2RS1 — 两面接触式密封圈（SKF 写法）；通用写法 -2RS，NSK 写 DDU，NTN 写 "
                 "LLU，FAG 写 2RSR"));
    EXPECT_TRUE(panelHas("C3 — 径向游隙大于普通组"));
    EXPECT_TRUE(panelHas("内径：内径代号推得 25 mm，与目录内径 25 mm 相符"));
    EXPECT_TRUE(panelHas("旧型号：70-180205（按规则推算）"));
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(DesignationAssistant, AnyMakersWritingFindsTheSameBearingFirst) {
    openAssistant();
    const std::set<std::string> sixtyTwoOFive = {
        "NSK 6205DDU 轴承",    "NTN 6205LLU 轴承 ",    "SKF  6205-2RSH 轴承",
        "FAG 6205-2RSR 轴承 ", "Kingon 6205-2RS 轴承", "STEYR 6205-2RSR 轴承",
        "RHP 6205-2RS 轴承",   "DKF 6205-2RS 轴承 ",   "FLT 6205-2RS 轴承"};
    const struct {
        const char* typed;
        const char* firstRow;  // the row stamped so comes first
    } writings[] = {{"6205llu", "NTN 6205LLU 轴承 "},
                    {"6205 LLU", "NTN 6205LLU 轴承 "},
                    {"６２０５ＬＬＵ", "NTN 6205LLU 轴承 "},
                    {"6205DDU", "NSK 6205DDU 轴承"},
                    {"6205-2RSH", "SKF  6205-2RSH 轴承"},
                    {"62052RS", nullptr},
                    {"6205.2RS", nullptr},
                    {"6205-2RS1", nullptr}};
    for (const auto& writing : writings) {
        SCOPED_TRACE(writing.typed);
        typeInAssistant(writing.typed);
        const auto same = namesUnder(kSameBearing);
        ASSERT_FALSE(same.empty());
        EXPECT_EQ(std::set<std::string>(same.begin(), same.end()), sixtyTwoOFive);
        if (writing.firstRow != nullptr) {
            EXPECT_EQ(same.front(), writing.firstRow);
        }
        EXPECT_EQ(panelLines().front(), "6205-2RS　深沟球轴承");
    }
    // With clearance and cage codes too; with a grease the catalogue does not list, the
    // bearing without it comes first, saying so.
    typeInAssistant("6205DDUC3");
    EXPECT_EQ(namesUnder(kSameBearing).front(), "NSK 6205DDUC3 轴承");
    typeInAssistant("NU205ECP/C3");
    EXPECT_EQ(namesUnder(kSameBearing).front(), "SKF  NU 205 ECP/C3 轴承");
    typeInAssistant("6205-2RSH/C3GJN");
    const auto rows = assistantRows();
    ASSERT_GT(rows.size(), 2u);
    EXPECT_TRUE(rows[0].heading && rows[0].name.starts_with(kSameSealing)) << rows[0].name;
    EXPECT_EQ(rows[1].newDesignation, "6205-2RS/C3");
    EXPECT_EQ(rows[1].difference, "其他代号 GJN → 未注");
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(DesignationAssistant, EveryReadingOfAnAmbiguousTextIsListedAndNamed) {
    openAssistant();
    typeInAssistant("6052Z");
    EXPECT_EQ(panelLines().front(), "605-2Z　深沟球轴承（按 605-2Z 读（内径 5 mm，2Z））");
    EXPECT_TRUE(panelHas("内径：内径代号推得 5 mm，与目录内径 5 mm 相符"));
    EXPECT_TRUE(panelHas("其他读法："));
    EXPECT_TRUE(panelHas("6052-Z　深沟球轴承（按 6052-Z 读（内径 260 mm，Z））"));
    // Both readings' bearings are the same bearing as some reading; the second's say which.
    int secondReading = 0;
    for (const Row& row : assistantRows()) {
        if (!row.heading && row.newDesignation == "6052-Z") {
            EXPECT_EQ(row.difference, "读作 6052-Z");
            ++secondReading;
        }
    }
    EXPECT_EQ(secondReading, 3);
}

TEST_F(DesignationAssistant, TextThatIsNoDesignationIsSaidSoInTheWindow) {
    openAssistant();
    typeInAssistant("XYZ?");
    EXPECT_EQ(assistant()->text(kAssistantDecoding), "无法识别的型号");
    EXPECT_EQ(assistant()->text(kAssistantStatus), "无法识别的型号");
    EXPECT_EQ(assistant()->rowCount(kAssistantList), 0);
    // A designation the catalogue does not hold: its reading, and the no-match text.
    typeInAssistant("6205-2RS/C5");
    EXPECT_EQ(panelLines().front(), "6205-2RS/C5　深沟球轴承");
    EXPECT_EQ(assistant()->text(kAssistantStatus).find("找到"), 0u) << "its relatives are";
    typeInAssistant("61899-2RS/C5");
    EXPECT_EQ(assistant()->text(kAssistantStatus), kNoMatch);
    EXPECT_TRUE(panelHas("内径：内径代号推得 495 mm（目录中没有这个型号）"));
    // Blank text: the hint again, and nothing listed.
    typeInAssistant("  ");
    EXPECT_TRUE(panelLines().front().starts_with("输入轴承上印的型号"));
    EXPECT_EQ(assistant()->text(kAssistantStatus), "");
    EXPECT_EQ(assistant()->rowCount(kAssistantList), 0);
    EXPECT_TRUE(boxes_.empty()) << "no message box while typing";
}

TEST_F(DesignationAssistant, ListingInTheBearingListKeepsTheGroupsOrder) {
    openAssistant();
    typeInAssistant("NU 205 ECP");
    std::vector<std::string> shown;
    for (const Row& row : assistantRows()) {
        if (!row.heading) {
            shown.push_back(row.name);
        }
    }
    ASSERT_GT(shown.size(), 10u);
    showPage(2);
    QTest::mouseClick(assistant()->widgetForTesting(windows::kAssistantToBearingList),
                      Qt::LeftButton);
    EXPECT_EQ(main_->currentPage("选择夹1"), 0);
    EXPECT_EQ(column(kBearingList, kName), shown);
    EXPECT_EQ(column(kBearingList, kName).front(), "SKF  NU 205 ECP 轴承");

    // Nothing shown: the bearing list says there is nothing, as every search does.
    typeInAssistant("XYZ?");
    QTest::mouseClick(assistant()->widgetForTesting(windows::kAssistantToBearingList),
                      Qt::LeftButton);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, kNoMatch);
    EXPECT_EQ(rows(kBearingList), 0);
}

TEST_F(DesignationAssistant, ReadingOfASelectedRowOpensTheWindowOnItsStampedDesignation) {
    searchNewDesignation("NU 205 E");
    const int row = rowNamed("SKF  NU 205 ECP 轴承");
    ASSERT_GE(row, 0);
    main_->selectRow(kBearingList.listName, row);
    chooseBearingMenuItem(2);  // 型号解读
    ASSERT_NE(assistant(), nullptr);
    EXPECT_EQ(assistant()->text(kAssistantInput), "NU 205 ECP");
    waitForLookup(*assistant(), 0);
    EXPECT_EQ(panelLines().front(), "NU205E　圆柱滚子轴承");
    EXPECT_TRUE(panelHas("05 — 内径代号：05×5 = 25 mm"));
    EXPECT_TRUE(panelHas("旧型号：32205E（目录）"));
    EXPECT_EQ(namesUnder(kSameBearing).front(), "SKF  NU 205 ECP 轴承");

    // Another row while the window is open: the window follows.
    searchNewDesignation("6205-2RS");
    const auto before = assistant()->listGeneration(kAssistantList);
    main_->selectRow(kBearingList.listName, rowNamed("NSK 6205DDU 轴承"));
    chooseBearingMenuItem(2);
    EXPECT_EQ(assistant()->text(kAssistantInput), "6205DDU");
    waitForLookup(*assistant(), before);
    EXPECT_EQ(panelLines().front(), "6205-2RS　深沟球轴承");

    // Without a selected row nothing happens.
    main_->selectRow(kBearingList.listName, -1);
    chooseBearingMenuItem(2);
    EXPECT_EQ(assistant()->text(kAssistantInput), "6205DDU");
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(DesignationAssistant, ABoreTheCatalogueListsOtherwiseIsFlagged) {
    const std::string path = (home_.path() / "small.db").string();
    ASSERT_TRUE(
        test::writeSmallCatalogue(path,
                                  "INSERT INTO bearing (bh, zhch, newno, ckxh, njin) VALUES "
                                  "(70001, 'X 6205-2RS', '6205-2RS', '6205-2RS', '30');"));
    ASSERT_TRUE(main_->database(kCatalogueConnection).OpenMdbDatabase(path));
    openAssistant();
    typeInAssistant("6205-2RS");
    EXPECT_TRUE(panelHas("【注意】内径：内径代号推得 25 mm，目录内径 30 mm，不符"));
    EXPECT_EQ(namesUnder(kSameBearing), std::vector<std::string>{"X 6205-2RS"});
}

TEST_F(DesignationAssistant, ACatalogueThatCannotBeReadIsSaidSoAndTriedAgain) {
    auto& database = main_->database(kCatalogueConnection);
    database.setQueryTimeout(std::chrono::milliseconds(0));  // every read fails at once
    openAssistant();
    typeInAssistant("6205LLU");
    EXPECT_EQ(assistant()->text(kAssistantStatus), kReadFailed);
    EXPECT_EQ(assistant()->rowCount(kAssistantList), 0);

    database.setQueryTimeout(std::chrono::seconds(15));
    typeInAssistant("6205LLU");
    EXPECT_EQ(namesUnder(kSameBearing).size(), 9u);

    // The index is whole now; the rows themselves fail to come.
    database.setQueryTimeout(std::chrono::milliseconds(0));
    typeInAssistant("6205DDU");
    EXPECT_EQ(assistant()->text(kAssistantStatus), kReadFailed);
    EXPECT_TRUE(boxes_.empty()) << "said in the window, not in a box";
    database.setQueryTimeout(std::chrono::seconds(15));
}

TEST_F(DesignationAssistant, TheIndexFollowsTheConnection) {
    openAssistant();
    typeInAssistant("6205LLU");
    ASSERT_EQ(namesUnder(kSameBearing).size(), 9u);
    const std::string path = (home_.path() / "small.db").string();
    ASSERT_TRUE(test::writeSmallCatalogue(
        path,
        "INSERT INTO bearing (bh, zhch, newno, ckxh) VALUES (70001, 'small one', '6205-2RS', "
        "'6205LLU'), (70002, 'small two', '6205-2RS', '6205DDU');"));
    ASSERT_TRUE(main_->database(kCatalogueConnection).OpenMdbDatabase(path));
    typeInAssistant("6205 LLU");
    EXPECT_EQ(namesUnder(kSameBearing), (std::vector<std::string>{"small one", "small two"}));
}

TEST_F(DesignationAssistant, TheWindowClosesWithTheMainWindow) {
    openAssistant();
    main_->close();
    EXPECT_EQ(assistant(), nullptr);
    main_ = nullptr;
}

// "互换型号": the same bearing in every maker's spelling, then the same but for its codes.
TEST_F(DesignationAssistant, InterchangeListsTheSameBearingThenThoseDifferingOnlyInCodes) {
    searchNewDesignation("NU 205 E");
    const int row = rowNamed("SKF  NU 205 ECP 轴承");
    ASSERT_GE(row, 0);
    main_->selectRow(kBearingList.listName, row);
    chooseBearingMenuItem(1);
    EXPECT_TRUE(boxes_.empty());

    const auto names = column(kBearingList, kName);
    const auto designations = column(kBearingList, kNewDesignation);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), "SKF  NU 205 ECP 轴承") << "the selected row first";
    // "NU 205 E" and "NU205E" together, NSK's NU205ET among them, before any other.
    const auto firstOther = std::find_if(designations.begin(), designations.end(),
                                         [](auto& d) { return d != "NU 205 E" && d != "NU205E"; });
    const std::vector<std::string> sameBearing(names.begin(),
                                               names.begin() + (firstOther - designations.begin()));
    EXPECT_NE(std::find(sameBearing.begin(), sameBearing.end(), "NSK NU205ET 轴承"),
              sameBearing.end());
    EXPECT_EQ(sameBearing.size(), 10u);
    // Then those of other clearances and cages, no other size or sealing.
    ASSERT_NE(firstOther, designations.end());
    for (auto d = firstOther; d != designations.end(); ++d) {
        EXPECT_TRUE(d->starts_with("NU") && d->find("205") != std::string::npos) << *d;
        EXPECT_NE(*d, "NU 205 E");
    }
    EXPECT_NE(std::find(firstOther, designations.end(), "NU 205 E/C3"), designations.end());
}

TEST_F(DesignationAssistant, InterchangeNeedsARowTheCatalogueHolds) {
    searchNewDesignation("6205-2RS");
    const auto before = listed(kBearingList);
    main_->selectRow(kBearingList.listName, -1);
    chooseBearingMenuItem(1);
    EXPECT_EQ(listed(kBearingList), before) << "nothing happens without a selected row";
    EXPECT_TRUE(boxes_.empty());

    // A row whose ID names no bearing lists nothing.
    main_->setCellText(kBearingList.listName, 0, 0, "");
    main_->selectRow(kBearingList.listName, 0);
    chooseBearingMenuItem(1);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, kNoMatch);
    EXPECT_EQ(rows(kBearingList), 0);
}

TEST_F(DesignationAssistant, InterchangeWhoseIndexCannotBeReadSaysSo) {
    searchNewDesignation("6205-2RS");
    main_->selectRow(kBearingList.listName, 0);
    auto& database = main_->database(kCatalogueConnection);
    database.setQueryTimeout(std::chrono::milliseconds(0));
    chooseBearingMenuItem(1);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, kReadFailed);
    EXPECT_EQ(rows(kBearingList), 0);
    database.setQueryTimeout(std::chrono::seconds(15));
}

}  // namespace
}  // namespace lz::query
