#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QApplication>

#include "tests/ui/sample_window.h"
#include "ui/event.h"
#include "ui/window.h"
#include "ui/window_manager.h"

namespace lz::ui::testing {

struct RecordedEvent {
    std::string window;
    std::string control;
    EventKind kind;
    EventArgs args;
};

// Opens windows with placeholder web views and records every event they raise.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WindowManager& manager = WindowManager::instance();
        manager.setWebViewsEnabled(false);
        manager.setEventSink([this](Window& window, const Event& event) {
            events.push_back(
                {std::string(window.name()), std::string(event.control), event.kind, event.args});
            if (onEvent) {
                onEvent(window, event);
            }
        });
    }

    void TearDown() override {
        WindowManager::instance().closeAll();
        WindowManager::instance().setEventSink({});
        QApplication::processEvents();
    }

    Window& openSample() {
        sample = sampleWindow();
        Window* window = WindowManager::instance().open(sample);
        EXPECT_NE(window, nullptr);
        return *window;
    }

    std::vector<RecordedEvent> eventsOf(EventKind kind) const {
        std::vector<RecordedEvent> matching;
        for (const RecordedEvent& event : events) {
            if (event.kind == kind) {
                matching.push_back(event);
            }
        }
        return matching;
    }

    WindowTemplate sample;
    std::vector<RecordedEvent> events;
    EventSink onEvent;
};

}  // namespace lz::ui::testing
