// Writing the pictures with the formats the program expects, refusing wrong sizes so that a
// layout slip shows up when the generator runs rather than as a stretched picture on screen.
#pragma once

#include <QImage>
#include <QString>

namespace picture_generator {

// Saves a baseline JPEG (Qt's writer never produces progressive files).
bool saveChartJpeg(const QImage& image, const QString& path);

// Saves a type picture: a baseline JPEG of 635 x 220.
bool saveTypeJpeg(const QImage& image, const QString& path);

// Saves a 32 x 32 PNG with its alpha channel.
bool saveToolbarPng(const QImage& image, const QString& path);

}  // namespace picture_generator
