// The reference pages of the main window: knowledge, dealers and help. Each holds one inner
// tab control with a strip; its children sit below the strip.

#include <string_view>
#include <vector>

#include "windows/main_window_pages.h"
#include "windows/main_window_template.h"
#include "windows/web_addresses.h"

namespace lz::windows::detail {

namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::HAlign;
using ui::VAlign;

constexpr int kKnowledgePage = 3;
constexpr int kDealerPage = 4;
constexpr int kHelpPage = 5;

constexpr ui::Rect kInnerTabGeometry{0, 0, 793, 512};
constexpr ui::Rect kBelowStrip{0, 24, 792, 488};

// Every piece ends in an empty line, the last one too. The first sentence breaks inside
// "价格" because the text has always been stored that way.
constexpr std::string_view kHelpText =
    "使用帮助：\r\n\r\n"
    "1.本软件可以查询轴承型号，进口轴承价格及国产轴承价\r\n\r\n"
    "格。\r\n\r\n"
    "2.输入搜索条件后，点击搜索或查询按钮即可。\r\n\r\n"
    "3.鼠标双击某条型号，可以查看该型号的图形信息。\r\n\r\n"
    "4.本软件可以本地查询与联网查询，请选择相应按钮。\r\n\r\n"
    "5.本系统共收录轴承型号记录6万多条，进口轴承价格记录\r\n\r\n"
    "16,000多条，国产轴承价格记录25,000多条。\r\n\r\n";

// Short enough for its 728 × 319 label at 35 pixels bold: about 20 characters a line and
// no more than seven lines.
constexpr std::string_view kAboutText =
    "翎轴 轴承查询系统 V2.4\r\n"
    "收录轴承型号及进口、国产轴承价格\r\n"
    "示例价格，仅供参考\r\n"
    "© 2026 澈屿轴承有限公司 版权所有";

constexpr ui::FontSettings kSongBold35{.pixelHeight = 35, .weight = 700, .face = "宋体"};

}  // namespace

std::vector<ControlTemplate> referencePagesControls() {
    return {
        {.kind = ControlKind::TabControl,
         .name = "选择夹2",
         .geometry = kInnerTabGeometry,
         .container = kMainPages,
         .page = kKnowledgePage,
         .pages = {"轴承型号知识", "进口轴承品牌", "国产轴承品牌", "轴承分类"}},
        {.kind = ControlKind::WebView,
         .name = "超文本浏览框1",
         .geometry = kBelowStrip,
         .container = "选择夹2",
         .page = 0,
         .startAddress = windows::kArticleListPage,
         .suppressScriptErrors = true,
         .afterWindowShown = true},
        {.kind = ControlKind::PictureBox,
         .name = "图片框2",
         .geometry = kBelowStrip,
         .container = "选择夹2",
         .page = 1,
         .picture = ":/charts/imported_brands.jpg"},
        {.kind = ControlKind::PictureBox,
         .name = "图片框3",
         .geometry = kBelowStrip,
         .container = "选择夹2",
         .page = 2,
         .picture = ":/charts/domestic_makers.jpg"},
        // Taller than the page: the tab control clips its lower part.
        {.kind = ControlKind::PictureBox,
         .name = "图片框1",
         .geometry = {0, 24, 792, 511},
         .container = "选择夹2",
         .page = 3,
         .picture = ":/charts/bearing_kinds.jpg"},

        {.kind = ControlKind::TabControl,
         .name = "选择夹3",
         .geometry = kInnerTabGeometry,
         .container = kMainPages,
         .page = kDealerPage,
         .pages = {"澜岳轴承"}},
        {.kind = ControlKind::WebView,
         .name = "超文本浏览框4",
         .geometry = kBelowStrip,
         .container = "选择夹3",
         .page = 0,
         .startAddress = windows::kCompanySite,
         .suppressScriptErrors = true,
         .afterWindowShown = true},

        {.kind = ControlKind::TabControl,
         .name = "选择夹4",
         .geometry = kInnerTabGeometry,
         .container = kMainPages,
         .page = kHelpPage,
         .pages = {"帮助信息", "关于软件", "关于公司", "公司网站"}},
        {.kind = ControlKind::Label,
         .name = "标签4",
         .geometry = {8, 32, 768, 479},
         .container = "选择夹4",
         .page = 0,
         .text = kHelpText,
         .textColor = {88, 48, 224},
         .font = {.pixelHeight = 29, .weight = 700, .face = "宋体"},
         .vAlign = VAlign::Center,
         .wordWrap = true},
        {.kind = ControlKind::Label,
         .name = "标签3",
         .geometry = {32, 128, 728, 319},
         .container = "选择夹4",
         .page = 1,
         .text = kAboutText,
         .textColor = {255, 0, 0},
         .font = kSongBold35,
         .hAlign = HAlign::Center,
         .vAlign = VAlign::Center,
         .wordWrap = true},
        {.kind = ControlKind::Label,
         .name = "标签2",
         .geometry = {16, 232, 768, 360},
         .container = "选择夹4",
         .page = 2,
         .text = "澜岳轴承有限公司开发",
         .textColor = {255, 80, 128},
         .font = kSongBold35,
         .hAlign = HAlign::Center,
         .vAlign = VAlign::Center,
         .wordWrap = true,
         .engraved = true},
        {.kind = ControlKind::WebView,
         .name = "超文本浏览框5",
         .geometry = kBelowStrip,
         .container = "选择夹4",
         .page = 3,
         .startAddress = windows::kCompanySite,
         .suppressScriptErrors = true,
         .afterWindowShown = true},
    };
}

}  // namespace lz::windows::detail
