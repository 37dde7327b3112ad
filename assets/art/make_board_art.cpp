// Writes every board picture into the folder given on the command line.
// Run through make_board_art.sh; the program itself never needs it.
#include "art_pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    auto save = [&](const QImage& image, const QString& name) {
        ok = image.save(out.filePath(name)) && ok;
    };
    save(art::boardPicture(), QStringLiteral("board.png"));
    save(art::chipDisc(1), QStringLiteral("chip_disc1.png"));
    save(art::chipDisc(2), QStringLiteral("chip_disc2.png"));
    for (int chip = 1; chip <= 7; ++chip)
        save(art::chipDots(chip), QStringLiteral("chip_dots%1.png").arg(chip));
    save(art::die(0), QStringLiteral("die_plain.png"));
    save(art::die(1), QStringLiteral("die_marked.png"));
    save(art::die(2), QStringLiteral("die_empty.png"));
    save(art::routePicture(1), QStringLiteral("path1.png"));
    save(art::routePicture(2), QStringLiteral("path2.png"));
    save(art::turnMarker(), QStringLiteral("turn.png"));
    save(art::watchEyes(), QStringLiteral("eyes.png"));
    save(art::pictureButton(QStringLiteral("Roll Dice"), 105), QStringLiteral("button_roll.png"));
    save(art::pictureButton(QStringLiteral("Start Game"), 117), QStringLiteral("button_start.png"));
    // The same plaques bare, for the words of another language drawn at run time.
    save(art::pictureButton(QString(), 105), QStringLiteral("button_roll_plain.png"));
    save(art::pictureButton(QString(), 117), QStringLiteral("button_start_plain.png"));
    save(art::routeButton(1), QStringLiteral("route1.png"));
    save(art::routeButton(2), QStringLiteral("route2.png"));
    save(art::logo(), QStringLiteral("logo.png"));
    return ok ? 0 : 1;
}
