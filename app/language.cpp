#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace language {

bool isOffered(const QString& code) {
    for (const Offered& l : Languages)
        if (code == QLatin1String(l.code)) return true;
    return false;
}

QString choose(const QString& stored, const QStringList& systemLanguages) {
    const QString wanted = stored.trimmed().toLower();
    if (isOffered(wanted)) return wanted;
    for (const QString& tag : systemLanguages) {
        const QString code =
            tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (isOffered(code)) return code;
    }
    return QStringLiteral("en");
}

namespace {
// Owned by the application, so they live exactly as long as the texts they translate.
QTranslator* own = nullptr;
QTranslator* toolkit = nullptr;

void drop(QTranslator*& t) {
    if (!t) return;
    QCoreApplication::removeTranslator(t);
    delete t;
    t = nullptr;
}
} // namespace

bool install(const QString& code) {
    drop(own);
    drop(toolkit);
    // Month names and the like follow the windows' language, not the system's.
    QLocale::setDefault(isOffered(code) && code != QLatin1String("en") ? QLocale(code)
                                                                       : QLocale::c());
    if (code == QLatin1String("en") || !isOffered(code)) return code == QLatin1String("en");
    auto* app = QCoreApplication::instance();
    own = new QTranslator(app);
    if (!own->load(QStringLiteral(":/i18n/kelvoa_%1.qm").arg(code))) {
        drop(own);
        return false;
    }
    QCoreApplication::installTranslator(own);
    // The colour and file dialogs and the message boxes' buttons; Qt's
    // translations may be missing, which leaves only those in English.
    toolkit = new QTranslator(app);
    if (toolkit->load(QStringLiteral("qtbase_%1").arg(code),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit);
    else
        drop(toolkit);
    return true;
}

} // namespace language
