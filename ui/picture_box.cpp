#include "ui/picture_box.h"

#include <QFile>
#include <QPainter>

#include "ui/jpeg_decoder.h"

namespace lz::ui {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPictureResource(const QString& path) {
    resource_ = path;
    bytes_.clear();
    image_ = QImage();
    decoded_ = false;
    update();
}

void PictureBox::setPictureBytes(QByteArray jpeg) {
    resource_.clear();
    bytes_ = std::move(jpeg);
    image_ = QImage();
    decoded_ = false;
    update();
}

const QImage& PictureBox::image() {
    if (!decoded_) {
        decoded_ = true;
        QByteArray bytes = bytes_;
        if (!resource_.isEmpty()) {
            QFile file(resource_);
            if (file.open(QIODevice::ReadOnly)) {
                bytes = file.readAll();
            }
        }
        image_ = decodeJpeg(std::as_bytes(std::span(bytes.constData(), bytes.size())));
    }
    return image_;
}

void PictureBox::paintEvent(QPaintEvent*) {
    const QImage& picture = image();
    if (picture.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture);
}

}  // namespace lz::ui
