// The windows in other languages: which language is chosen, that every text
// has its translation in every shipped language, and that a real window
// speaks the language put in force.
#include <algorithm>

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "dialogs.h"
#include "host_join_dialogs.h"
#include "language.h"
#include "settings.h"
#include "tchat.h"

namespace {
class RecordingDialogs : public Dialogs {
public:
    void message(QWidget*, const QString& text) override { said << text; }
    QStringList said;
};

QStringList listed(const char* text) {
    return QString::fromUtf8(text).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

// The placeholders and the accelerator a translation must keep.
QString shape(const QString& text) {
    QStringList marks;
    static const QRegularExpression place(QStringLiteral("%(\\d|n)"));
    for (auto it = place.globalMatch(text); it.hasNext();)
        marks << it.next().captured();
    marks.sort();
    QString rest = text;
    rest.remove(QStringLiteral("&&"));
    if (rest.contains(QLatin1Char('&'))) marks << QStringLiteral("&");
    return marks.join(QLatin1Char(' '));
}

QMenu* topMenu(Tchat& chat, int index) {
    return chat.menuBar()->actions().at(index)->menu();
}
} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    void choice_data();
    void choice();
    void everyTextIsTranslated();
    void windowsSpeakTheLanguageInForce();
    void languageMenuStoresTheChoice();
    void cleanup() { language::install(QStringLiteral("en")); }
};

void TestLanguages::choice_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("system's German") << "" << QStringList{"de-DE", "en-US"} << "de";
    QTest::newRow("underscore, second wish") << "" << QStringList{"pt_BR", "fr_CA"} << "fr";
    QTest::newRow("stored beats system") << "es" << QStringList{"de-DE"} << "es";
    QTest::newRow("stored English") << "EN " << QStringList{"fr"} << "en";
    QTest::newRow("stored unknown: system's") << "xx" << QStringList{"es-MX"} << "es";
    QTest::newRow("nothing offered") << "" << QStringList{"pt-BR", "ja"} << "en";
    QTest::newRow("no system language") << "" << QStringList{} << "en";
}

void TestLanguages::choice() {
    QFETCH(QString, stored);
    QFETCH(QStringList, system);
    QFETCH(QString, chosen);
    QCOMPARE(language::choose(stored, system), chosen);
}

// The sources are read afresh into a copy of each shipped translation: a text
// added or changed since is "unfinished" there until it is translated.
void TestLanguages::everyTextIsTranslated() {
    QTemporaryDir dir;
    QStringList folders;
    for (const QString& f : listed(KELVOA_TEXT_FOLDERS))
        if (QDir(QStringLiteral(KELVOA_SOURCE_DIR "/") + f).exists())
            folders << QStringLiteral(KELVOA_SOURCE_DIR "/") + f;
    QStringList problems;
    for (const QString& code : listed(KELVOA_LANGUAGES)) {
        QVERIFY(language::isOffered(code));
        const QString ts = dir.filePath(QStringLiteral("kelvoa_%1.ts").arg(code));
        QVERIFY(QFile::copy(QStringLiteral(KELVOA_SOURCE_DIR "/i18n/kelvoa_%1.ts").arg(code), ts));
        QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.start(QStringLiteral(KELVOA_LUPDATE),
                      QStringList{"-silent", "-no-obsolete", "-locations", "none"} + folders +
                          QStringList{"-ts", ts});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);

        QFile file(ts);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        int messages = 0;
        QString context, source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("name")) context = xml.readElementText();
            if (xml.name() == QLatin1String("source")) source = xml.readElementText();
            if (xml.name() != QLatin1String("translation")) continue;
            ++messages;
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            // One text, or one per plural form.
            QStringList forms{QString()};
            bool plural = false;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isEndElement() && xml.name() == QLatin1String("translation")) break;
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    if (plural) forms << QString();
                    plural = true;
                }
                if (xml.isCharacters()) forms.last() += xml.text();
            }
            const QString where =
                QStringLiteral("%1 %2 \"%3\"").arg(code, context, source.left(60));
            if (!type.isEmpty() || std::any_of(forms.cbegin(), forms.cend(), [](const QString& f) {
                    return f.trimmed().isEmpty();
                }))
                problems << where + QStringLiteral(": not translated");
            for (const QString& form : forms)
                if (shape(form) != shape(source))
                    problems << where + QStringLiteral(": placeholders or accelerator lost");
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(messages > 300, qPrintable(QString::number(messages)));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestLanguages::windowsSpeakTheLanguageInForce() {
    QVERIFY(language::install(QStringLiteral("de")));
    {
        Tchat chat({QStringLiteral("Tester"), QStringLiteral("nowhere")});
        chat.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chat));
        QTRY_VERIFY(chat.view);
        QCOMPARE(topMenu(chat, 0)->title(), QStringLiteral("&Datei"));
        QCOMPARE(chat.HostGame1->text().remove(QLatin1Char('&')),
                 QStringLiteral("Spiel eröffnen …"));
        QCOMPARE(chat.label_playername1->text(), QStringLiteral("<Wartet>"));
        QCOMPARE(chat.Language1->title().remove(QLatin1Char('&')), QStringLiteral("Sprache"));
        // Each language is named in itself, whatever the one in force.
        QStringList names;
        for (QAction* a : chat.LanguageItems)
            names << a->text().remove(QLatin1Char('&'));
        QCOMPARE(names,
                 (QStringList{"Sprache des Systems", "English", "Deutsch", "Français", "Español"}));
        chat.HostGame1->trigger();
        QTRY_VERIFY(chat.hostDialog());
        QCOMPARE(chat.hostDialog()->windowTitle(), QStringLiteral("Spiel eröffnen"));
        QCOMPARE(chat.hostDialog()->hostButton->text().remove(QLatin1Char('&')),
                 QStringLiteral("Eröffnen"));
        chat.hostDialog()->close();
    }
    // Back to the texts as written: nothing of the German stays behind.
    QVERIFY(language::install(QStringLiteral("en")));
    Tchat chat({QStringLiteral("Tester"), QStringLiteral("nowhere")});
    QCOMPARE(topMenu(chat, 0)->title(), QStringLiteral("&File"));
    QCOMPARE(chat.Language1->title().remove(QLatin1Char('&')), QStringLiteral("Language"));
    QVERIFY(!language::install(QStringLiteral("xx")));
}

void TestLanguages::languageMenuStoresTheChoice() {
    QTemporaryDir dir;
    RecordingDialogs dialogs;
    Tchat chat({QStringLiteral("Tester"), QStringLiteral("nowhere")});
    chat.settingsFolder = dir.path();
    chat.setDialogs(&dialogs);
    const Settings settings(dir.path());
    settings.saveLastGame(QStringLiteral("Zed"));

    chat.LanguageItems.at(3)->trigger(); // Français
    QCOMPARE(settings.load().language, QStringLiteral("fr"));
    QCOMPARE(settings.load().playerName, QStringLiteral("Zed")); // the rest is kept
    // Said in the language chosen, though the windows still speak English.
    QCOMPARE(dialogs.said.last(),
             QStringLiteral("Kelvoa parlera la langue choisie à son prochain démarrage."));
    QCOMPARE(topMenu(chat, 0)->title(), QStringLiteral("&File"));

    emit chat.Language1->aboutToShow();
    QVERIFY(chat.LanguageItems.at(3)->isChecked());
    chat.LanguageItems.at(0)->trigger(); // the system's again
    QCOMPARE(settings.load().language, QString());
    emit chat.Language1->aboutToShow();
    QVERIFY(chat.LanguageItems.at(0)->isChecked());
}

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
