// Writes the settings file and the tally file through the program's own code,
// alternating between two versions of each, as fast as it can, until it is
// killed. The crash test kills it at random moments and then reads both files.
#include <QCoreApplication>

#include <cstdio>

#include "crash_versions.h"
#include "settings.h"
#include "tally_file.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const Settings settings(folder);
    const QString tally = folder + QStringLiteral("/") + QLatin1String(tallyfile::FileName);
    for (unsigned i = 0;; ++i) {
        const int v = int(i % 2);
        settings.save(crashtest::settingsVersion(v));
        tallyfile::save(tally, crashtest::tallyVersion(v));
        // One mark per round, so the test can time a round.
        std::fputs("w\n", stdout);
        std::fflush(stdout);
    }
}
