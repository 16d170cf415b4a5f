// Build tool: draws the program icon at the sizes of the desktop's hicolor icon theme, from the
// same XPM picture the program shows as its window icon.
// Run as: tarvok_hicolor_icons PICTURE.xpm OUTPUT_FOLDER SIZE...
// and it writes OUTPUT_FOLDER/<SIZE>x<SIZE>/apps/tarvok.png for every size.
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: tarvok_hicolor_icons PICTURE.xpm OUTPUT_FOLDER SIZE...\n", stderr);
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]), "XPM");
    if (picture.isNull() || picture.width() != picture.height()) {
        std::fprintf(stderr, "tarvok_hicolor_icons: %s is not a square XPM picture\n", argv[1]);
        return 1;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool number = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&number);
        if (!number || size <= 0) {
            std::fprintf(stderr, "tarvok_hicolor_icons: %s is not an icon size\n", argv[i]);
            return 2;
        }
        // Whole multiples keep the pixel art sharp; other sizes are smoothed.
        const Qt::TransformationMode mode = size % picture.width() == 0
                                                ? Qt::FastTransformation
                                                : Qt::SmoothTransformation;
        const QImage icon = picture.convertToFormat(QImage::Format_ARGB32)
                                .scaled(size, size, Qt::IgnoreAspectRatio, mode);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(output).arg(size);
        if (!QDir().mkpath(folder) || !icon.save(folder + QStringLiteral("/tarvok.png"), "PNG")) {
            std::fprintf(stderr, "tarvok_hicolor_icons: cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
