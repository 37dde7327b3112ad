// kelvoa-lzrw1: compress or decompress a file in the tally's container.
//   kelvoa-lzrw1 c fast|good|auto IN OUT
//   kelvoa-lzrw1 d IN OUT
// On success it prints the codec's result text; on failure the error text
// goes to standard error, the exit code is 1 and OUT is not left behind.
#include "lzrw1.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <exception>

namespace {

int usage() {
    std::fputs("usage: kelvoa-lzrw1 c fast|good|auto IN OUT\n"
               "       kelvoa-lzrw1 d IN OUT\n",
               stderr);
    return 1;
}

void printLine(std::FILE* to, const QString& text) {
    std::fprintf(to, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    Tlzrw1 z;
    QString result;
    z.OnProgress = [&result](const QString& text) { result = text; };
    try {
        if (args.size() == 4 && args[0] == QLatin1String("c")) {
            const QString& mode = args[1];
            if (mode == QLatin1String("fast"))
                z.CompressMode = TCompressMode::Fast;
            else if (mode == QLatin1String("good"))
                z.CompressMode = TCompressMode::Good;
            else if (mode == QLatin1String("auto"))
                z.CompressMode = TCompressMode::Auto;
            else
                return usage();
            z.InputFile = args[2];
            z.OutputFile = args[3];
            z.Compress();
        } else if (args.size() == 3 && args[0] == QLatin1String("d")) {
            z.InputFile = args[1];
            z.OutputFile = args[2];
            z.Decompress();
        } else {
            return usage();
        }
    } catch (const ELzrw1Exception& e) {
        printLine(stderr, e.text());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    printLine(stdout, result);
    return 0;
}
