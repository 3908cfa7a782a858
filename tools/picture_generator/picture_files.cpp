#include "picture_files.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QTextStream>

#include "sheet_style.h"
#include "type_sheet.h"

namespace picture_generator {

namespace {

constexpr int kJpegQuality = 90;
constexpr int kToolbarPictureSize = 32;

bool writeImage(const QImage& image, const QString& path, const char* format, int quality) {
    QTextStream err(stderr);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        err << "cannot create the folder of " << path << '\n';
        return false;
    }
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (!writer.write(image)) {
        err << "cannot write " << path << ": " << writer.errorString() << '\n';
        return false;
    }
    return true;
}

}  // namespace

bool saveChartJpeg(const QImage& image, const QString& path) {
    if (image.width() != kChartWidth || image.height() != kChartHeight) {
        QTextStream(stderr) << path << ": chart has the wrong size\n";
        return false;
    }
    return writeImage(image.convertToFormat(QImage::Format_RGB888), path, "jpg", kJpegQuality);
}

bool saveTypeJpeg(const QImage& image, const QString& path) {
    if (image.width() != kTypePictureWidth || image.height() != kTypePictureHeight) {
        QTextStream(stderr) << path << ": type picture has the wrong size\n";
        return false;
    }
    return writeImage(image.convertToFormat(QImage::Format_RGB888), path, "jpg", kJpegQuality);
}

bool saveToolbarPng(const QImage& image, const QString& path) {
    if (image.width() != kToolbarPictureSize || image.height() != kToolbarPictureSize ||
        !image.hasAlphaChannel()) {
        QTextStream(stderr) << path << ": toolbar picture must be 32 x 32 with alpha\n";
        return false;
    }
    // -1: the PNG writer's default compression; PNG is lossless either way.
    return writeImage(image.convertToFormat(QImage::Format_ARGB32), path, "png", -1);
}

}  // namespace picture_generator
