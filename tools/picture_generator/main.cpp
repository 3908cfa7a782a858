// Draws the toolbar pictures, the reference charts, the program icon and the bearing type
// pictures into an assets folder:
//   picture_generator <assets folder> [type picture file ...]
// With file names (such as deep_groove_ball.jpg), only those type pictures are drawn.
// Output depends only on this code and the installed Noto CJK fonts; nothing is random.

#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "bearing_kinds_chart.h"
#include "domestic_makers_chart.h"
#include "imported_brands_chart.h"
#include "picture_files.h"
#include "program_icon.h"
#include "toolbar_pictures.h"
#include "type_pictures.h"
#include "type_sheet.h"

using namespace picture_generator;

namespace {

bool writeToolbarPictures(const QString& assets) {
    bool ok = true;
    for (const ToolbarPicture& picture : drawToolbarPictures()) {
        const QString name = QStringLiteral("%1.png").arg(picture.number, 3, 10, QChar('0'));
        ok = saveToolbarPng(picture.image, assets + QStringLiteral("/toolbar/") + name) && ok;
    }
    return ok;
}

bool writeCharts(const QString& assets) {
    const QString charts = assets + QStringLiteral("/charts/");
    bool ok = saveChartJpeg(drawImportedBrandsChart(), charts + "imported_brands.jpg");
    ok = saveChartJpeg(drawDomesticMakersChart(), charts + "domestic_makers.jpg") && ok;
    ok = saveChartJpeg(drawBearingKindsChart(), charts + "bearing_kinds.jpg") && ok;
    return ok;
}

bool writeTypePictures(const QString& assets, const QStringList& only) {
    bool ok = true;
    for (const TypePicture& picture : typePictures()) {
        const QString name = QString::fromLatin1(picture.fileName);
        if (!only.isEmpty() && !only.contains(name)) {
            continue;
        }
        ok = saveTypeJpeg(drawTypeSheet(picture.model()),
                          assets + QStringLiteral("/types/") + name) &&
             ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Fonts need a GUI application, but no display: the pictures are drawn off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: picture_generator <assets folder> [type picture file ...]\n";
        return 2;
    }
    const QString assets = QString::fromLocal8Bit(argv[1]);
    QStringList only;
    for (int i = 2; i < argc; ++i) {
        only << QString::fromLocal8Bit(argv[i]);
    }
    bool ok = true;
    if (only.isEmpty()) {
        ok = writeToolbarPictures(assets) && writeCharts(assets);
        ok = writeProgramIcon(assets) && ok;
    }
    ok = writeTypePictures(assets, only) && ok;
    return ok ? 0 : 1;
}
