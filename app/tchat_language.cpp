// Options > Language: the choice is stored at once and takes effect when the
// program starts again, so a game under way keeps its windows as they are.
#include <QActionGroup>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

#include "language.h"
#include "settings.h"
#include "tchat.h"

namespace {
// Translated with the chosen language's own table, not the one in force.
constexpr const char* LanguageNote =
    QT_TRANSLATE_NOOP("Tchat", "Kelvoa speaks the chosen language when it starts again.");
} // namespace

void Tchat::buildLanguageMenu(QMenu* options) {
    Language1 = options->addMenu(tr("Language"));
    auto* group = new QActionGroup(Language1);
    const auto add = [&](const QString& name, const QString& code) {
        QAction* a = Language1->addAction(name);
        a->setCheckable(true);
        a->setData(code);
        group->addAction(a);
        LanguageItems.append(a);
        connect(a, &QAction::triggered, this, [this, code] {
            Settings(settingsFolder).saveLanguage(code);
            // Said in the language chosen, which the player reads best.
            const QString shown = language::choose(code, QLocale::system().uiLanguages());
            QTranslator chosen;
            QString text = QString::fromUtf8(LanguageNote);
            if (chosen.load(QStringLiteral(":/i18n/kelvoa_%1.qm").arg(shown))) {
                const QString t = chosen.translate("Tchat", LanguageNote);
                if (!t.isEmpty()) text = t;
            }
            messagebox(text);
        });
    };
    add(tr("System Language"), QString());
    Language1->addSeparator();
    for (const language::Offered& l : language::Languages)
        add(QString::fromUtf8(l.name), QString::fromLatin1(l.code));
    // The tick shows what is stored, read when the menu opens.
    connect(Language1, &QMenu::aboutToShow, this, [this] {
        const QString stored = Settings(settingsFolder).load().language;
        for (QAction* a : LanguageItems)
            a->setChecked(a->data().toString() ==
                          (language::isOffered(stored) ? stored : QString()));
    });
}
