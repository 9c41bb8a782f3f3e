// quorvane-artwork OUTPUT_DIR: writes numbering.png and the fourteen plane_*.png.
#include "Artwork.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvane-artwork OUTPUT_DIR\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "quorvane-artwork: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const auto& [name, image] : makeArtwork()) {
        const QString path = folder + "/" + name;
        const QString temporary = path + ".tmp.png";
        if (!image.save(temporary, "PNG") || (QFile::exists(path) && !QFile::remove(path)) ||
            !QFile::rename(temporary, path)) {
            std::fprintf(stderr, "quorvane-artwork: cannot write %s\n", path.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
