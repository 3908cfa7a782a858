#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QWidget>

namespace lz::ui {

// Shows a JPEG stretched over the whole box, aspect ratio not kept. The bytes are only
// decoded when the box is first painted, so windows with pictures on hidden pages build
// quickly; a picture that cannot be decoded leaves the box empty.
class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent);

    // A resource path such as ":/charts/x.jpg", read when first needed.
    void setPictureResource(const QString& path);
    void setPictureBytes(QByteArray jpeg);  // empty clears the picture
    bool hasPicture() const { return !resource_.isEmpty() || !bytes_.isEmpty(); }

    // The decoded picture, decoding now if needed (null when there is none).
    const QImage& image();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString resource_;
    QByteArray bytes_;
    QImage image_;
    bool decoded_ = false;
};

}  // namespace lz::ui
