// The running program presents itself under the id its desktop entry and icons are installed
// with, so that the desktop matches its windows to the menu entry, and its windows carry the
// program icon at every size of the icon theme.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>

#include "app/startup/program_identity.h"

namespace {

TEST(ProgramIdentity, NamesTheDesktopEntryAndTheProgram) {
    lz::startup::applyProgramIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "example.lingzhou.Lingzhou");
    EXPECT_EQ(QCoreApplication::applicationName(), "lingzhou");
    EXPECT_FALSE(QCoreApplication::applicationVersion().isEmpty());
}

TEST(ProgramIdentity, WindowIconIsDrawnAtEveryThemeSize) {
    lz::startup::applyProgramIdentity();
    const QIcon icon = QApplication::windowIcon();
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        ASSERT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(image.size(), QSize(size, size)) << size;
        // A round bearing on a transparent square: clear corners, a solid outer ring at the
        // top, and the bore open in the middle.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 8)), 255) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 0) << size;
    }
}

}  // namespace
