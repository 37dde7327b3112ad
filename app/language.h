#pragma once
// The languages the windows speak. The program's texts are written in
// English; the others come from translations compiled into the program
// (":/i18n/kelvoa_<code>.qm"), with Qt's own for its standard dialogs.
#include <QString>
#include <QStringList>

namespace language {

struct Offered {
    const char* code; // as stored under "Language"
    const char* name; // in the language itself, as the menu shows it
};

// English first: it is always there, needing no translation.
inline constexpr Offered Languages[] = {
    {"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"}, {"es", "Español"}};

bool isOffered(const QString& code);

// The stored choice when it is one of ours; else the first of the system's
// languages (most wanted first, "de-AT", "fr_CA" …) that we offer; else English.
QString choose(const QString& stored, const QStringList& systemLanguages);

// Puts the program's and Qt's translations for 'code' in force, replacing
// those put in force before; English removes them. False when the program's
// own translation could not be loaded (the texts then stay English).
bool install(const QString& code);

} // namespace language
