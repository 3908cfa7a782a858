// The pictures the windows name are carried in the program with the sizes they need.
#include <gtest/gtest.h>

#include <QImage>

namespace {

TEST(Assets, ToolbarPicturesAre32SquareWithTransparency) {
    for (const char* path : {":/toolbar/000.png", ":/toolbar/014.png", ":/toolbar/064.png",
                             ":/toolbar/071.png", ":/toolbar/081.png"}) {
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << path;
        EXPECT_EQ(image.size(), QSize(32, 32)) << path;
        EXPECT_TRUE(image.hasAlphaChannel()) << path;
    }
}

TEST(Assets, ReferenceChartsAre792By488) {
    for (const char* path : {":/charts/imported_brands.jpg", ":/charts/domestic_makers.jpg",
                             ":/charts/bearing_kinds.jpg"}) {
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << path;
        EXPECT_EQ(image.size(), QSize(792, 488)) << path;
    }
}

}  // namespace
