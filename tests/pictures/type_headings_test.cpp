// The headings of the type drawings. The picture window shows a type's drawing above
// whichever bearing of that type is chosen, so a heading names the type and the letters of
// the drawing, never one bearing's size: a 61800 (d 10) must not appear under "6205 d 25".
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSet>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "bearing_model.h"
#include "type_models.h"
#include "type_pictures.h"
#include "type_sheet.h"

namespace picture_generator {
namespace {

QSet<QString> lettersDrawn(const BearingModel& model) {
    QSet<QString> letters;
    for (const Dimension& dimension : model.dimensions) {
        letters.insert(dimension.label);
    }
    for (const AngleLine& line : model.angleLines) {
        if (!line.label.isEmpty()) {
            letters.insert(line.label);
        }
    }
    return letters;
}

TEST(TypeHeadings, NameTheLettersDrawnAndNoSize) {
    for (const TypePicture& picture : typePictures()) {
        const BearingModel model = picture.model();
        SCOPED_TRACE(picture.fileName);
        EXPECT_FALSE(model.typeName.isEmpty());
        const QString note = headingNote(model);
        EXPECT_FALSE(std::any_of(note.begin(), note.end(), [](QChar c) { return c.isDigit(); }))
            << note.toStdString();
        EXPECT_FALSE(note.contains(QStringLiteral("mm")));
        QSet<QString> named;
        for (const Symbol& symbol : model.symbols) {
            EXPECT_FALSE(symbol.meaning.isEmpty()) << symbol.letter.toStdString();
            named.insert(symbol.letter);
        }
        EXPECT_EQ(named, lettersDrawn(model)) << note.toStdString();
        EXPECT_EQ(named.size(), static_cast<qsizetype>(model.symbols.size())) << "each once";
    }
}

TEST(TypeHeadings, ReadAsTheTypeAndItsLetters) {
    struct Expected {
        BearingModel (*model)();
        const char* note;
    };
    for (const Expected& expected : {
             Expected{deepGrooveBallBearing, "d 内径　D 外径　B 宽度"},
             Expected{taperedRollerBearing, "d 内径　D 外径　T 总宽度　B 内圈宽度　C 外圈宽度"},
             Expected{thrustBallBearing, "d 内径　D 外径　H 高度"},
             Expected{combinedNeedleBearing, "d 内径　D 外径　C 宽度　（滚针和推力球组合轴承）"},
         }) {
        EXPECT_EQ(headingNote(expected.model()).toStdString(), expected.note);
    }
}

// The committed pictures carry the headings the models give now: the heading drawn alone
// against the top rows of each file, allowing for the JPEG's own noise.
TEST(TypeHeadings, TheCommittedPicturesCarryThem) {
    for (const TypePicture& picture : typePictures()) {
        SCOPED_TRACE(picture.fileName);
        const QImage committed(QStringLiteral(LZ_SOURCE_DIR "/assets/types/") +
                               QString::fromLatin1(picture.fileName));
        ASSERT_EQ(committed.size(), QSize(kTypePictureWidth, kTypePictureHeight));
        QImage heading(kTypePictureWidth, kTypeHeadingRows, QImage::Format_RGB32);
        heading.fill(Qt::white);
        {
            QPainter painter(&heading);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            paintTypeHeading(painter, picture.model());
        }
        int differing = 0;
        for (int y = 0; y < kTypeHeadingRows; ++y) {
            for (int x = 0; x < kTypePictureWidth; ++x) {
                const QRgb a = heading.pixel(x, y);
                const QRgb b = committed.pixel(x, y);
                const int difference =
                    std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
                differing += difference > 72 ? 1 : 0;
            }
        }
        EXPECT_LT(differing, 40) << "pixels unlike the heading drawn now";
    }
}

}  // namespace
}  // namespace picture_generator
