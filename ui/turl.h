#pragma once
// Opens an address with the desktop's default action, its scheme given by
// a type rather than written into the text.
#include <QString>

#include <functional>

enum class TURLType {
    utFile,
    utFtp,
    utGopher,
    utHttp,
    utHttps,
    utMailto,
    utNews,
    utTelnet,
    utWais,
    utnone
};

class TURL {
public:
    QString URL;
    TURLType URLType = TURLType::utHttp;
    // The address as it is handed to the desktop.
    QString address() const;
    // True when the desktop accepted the request; nothing happens for an
    // empty URL.
    bool open() const;
    // Replaces the desktop for tests.
    static std::function<bool(const QString&)>& opener();
};
