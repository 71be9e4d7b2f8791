// icon-export: makes the installed icons from the programs' own icon drawing and resources.
//   icon-export window PNG SVG      QM4417's window icon, 48 px and scalable
//   icon-export image SOURCE SIZE PNG   a resource picture at SIZE x SIZE pixels
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <iostream>

#include "main_window/window_icon.h"

namespace {

bool ExportWindowIcon(const QString& png, const QString& svg) {
    QImage image(main_window::kWindowIconSize, main_window::kWindowIconSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter onImage(&image);
    main_window::PaintWindowIcon(onImage);
    onImage.end();

    QSvgGenerator vector;
    vector.setFileName(svg);
    vector.setSize(image.size());
    vector.setViewBox(image.rect());
    vector.setTitle(QStringLiteral("QM4417"));
    QPainter onVector(&vector);
    main_window::PaintWindowIcon(onVector);
    return onVector.end() && image.save(png);
}

// Pixel art keeps its pixels where the size is a whole multiple; other sizes are smoothed.
bool ExportImage(const QString& source, int size, const QString& png) {
    const QImage image(source);
    if (image.isNull() || size <= 0) return false;
    const bool whole = size % image.width() == 0 && size % image.height() == 0;
    return image
        .scaled(size, size, Qt::KeepAspectRatio,
                whole ? Qt::FastTransformation : Qt::SmoothTransformation)
        .save(png);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    bool ok = false;
    if (args.size() == 3 && args[0] == QLatin1String("window")) {
        ok = ExportWindowIcon(args[1], args[2]);
    } else if (args.size() == 4 && args[0] == QLatin1String("image")) {
        ok = ExportImage(args[1], args[2].toInt(), args[3]);
    } else {
        std::cerr << "usage: icon-export window PNG SVG | icon-export image SOURCE SIZE PNG\n";
        return 2;
    }
    if (!ok) std::cerr << "icon-export: cannot write the icon\n";
    return ok ? 0 : 1;
}
