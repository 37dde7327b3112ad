#include "turl.h"

#include <QDesktopServices>
#include <QUrl>

QString TURL::address() const {
    static const char* prefixes[] = {"file://", "ftp://", "gopher://", "http://", "https://",
                                     "mailto:", "news:",  "telnet:",   "wais:",   ""};
    return QString::fromLatin1(prefixes[static_cast<int>(URLType)]) + URL;
}

std::function<bool(const QString&)>& TURL::opener() {
    static std::function<bool(const QString&)> open = [](const QString& address) {
        return QDesktopServices::openUrl(QUrl(address));
    };
    return open;
}

bool TURL::open() const {
    if (URL.isEmpty()) return false;
    return opener()(address());
}
