#include <gtest/gtest.h>

#include "tests/ui/sample_window.h"
#include "ui/window_manager.h"

namespace lz::ui::testing {
namespace {

ControlTemplate& controlNamed(WindowTemplate& window, std::string_view name) {
    for (ControlTemplate& control : window.controls) {
        if (control.name == name) {
            return control;
        }
    }
    throw std::logic_error("no such control in the sample");
}

TEST(ValidateTemplate, AcceptsTheSampleWindow) {
    EXPECT_EQ(validateTemplate(sampleWindow()), "");
}

TEST(ValidateTemplate, RejectsStructuralFaults) {
    struct Case {
        const char* fault;
        void (*breakIt)(WindowTemplate&);
        const char* mentions;
    };
    const Case cases[] = {
        {"duplicate name", [](WindowTemplate& w) { controlNamed(w, "按钮2").name = "按钮1"; },
         "按钮1"},
        {"missing container",
         [](WindowTemplate& w) { controlNamed(w, "按钮1").container = "分组框9"; }, "分组框9"},
        {"container is no container",
         [](WindowTemplate& w) { controlNamed(w, "按钮1").container = "列表"; }, "列表"},
        {"container comes later",
         [](WindowTemplate& w) { controlNamed(w, "按钮1").container = "编辑框9"; }, "编辑框9"},
        {"page out of range", [](WindowTemplate& w) { controlNamed(w, "列表").page = 2; }, "列表"},
        {"page missing on a tab control",
         [](WindowTemplate& w) { controlNamed(w, "列表").page = -1; }, "列表"},
        {"empty name", [](WindowTemplate& w) { controlNamed(w, "列表").name = ""; }, "no name"},
        {"unknown kind",
         [](WindowTemplate& w) { controlNamed(w, "列表").kind = static_cast<ControlKind>(99); },
         "列表"},
        {"start page out of range",
         [](WindowTemplate& w) { controlNamed(w, "选择夹").currentPage = 5; }, "选择夹"},
        {"wired event of a missing control",
         [](WindowTemplate& w) {
             w.wiredEvents.push_back({"按钮99", EventKind::Clicked});
         },
         "按钮99"},
    };
    for (const Case& c : cases) {
        WindowTemplate window = sampleWindow();
        c.breakIt(window);
        const std::string explanation = validateTemplate(window);
        EXPECT_NE(explanation.find(c.mentions), std::string::npos)
            << c.fault << ": " << explanation;
    }
}

}  // namespace
}  // namespace lz::ui::testing
