// The main window's toolbar pictures, 32 x 32 with transparency, one per picture number that
// the toolbar buttons use. They share one style: dark outline, soft top-left light.
#pragma once

#include <QImage>

#include <vector>

namespace picture_generator {

struct ToolbarPicture {
    int number;  // the picture number the toolbar template refers to
    QImage image;
};

std::vector<ToolbarPicture> drawToolbarPictures();

}  // namespace picture_generator
