#include "settings.h"

#include "profile_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr int MaxTextSize = 96; // beyond any font size the styles can use

QString phraseKey(int n) {
    return QStringLiteral("Phrase%1").arg(n);
}

int readInt(const ProfileFile& ini, const char* key, int fallback) {
    bool ok = false;
    const int v = ini.value(Settings::Section, key).toInt(&ok);
    return ok ? v : fallback;
}

// A number within lo..hi, else the fallback.
int readInt(const ProfileFile& ini, const char* key, int fallback, int lo, int hi) {
    const int v = readInt(ini, key, fallback);
    return v >= lo && v <= hi ? v : fallback;
}

bool canWriteFileIn(const QString& folder) {
    const QFileInfo dir(folder);
    if (folder.isEmpty() || !dir.isDir() || !dir.isWritable()) return false;
    const QFileInfo file(QDir(folder).filePath(Settings::FileName));
    return !file.exists() || file.isWritable();
}

} // namespace

int botSpeedMenuValue(BotSpeedItem item) {
    switch (item) {
    case BotSpeedItem::Slow:
        return BotSpeedSlow;
    case BotSpeedItem::Fast:
        return BotSpeedFast;
    case BotSpeedItem::Normal:
        break;
    }
    return BotSpeedNormal;
}

void applyPhrases(const Phrases& read, Phrases& current) {
    for (int i = 0; i < PhraseCount; ++i)
        if (!read[i].isEmpty()) current[i] = read[i];
}

Settings::Settings(QString folder) : folder_(std::move(folder)) {
    if (!folder_.isEmpty()) return;
    const QString fromEnv = qEnvironmentVariable(ConfigDirVariable);
    if (!fromEnv.isEmpty()) {
        QDir().mkpath(fromEnv);
        folder_ = fromEnv;
        return;
    }
    *this = beside(QCoreApplication::applicationDirPath(),
                   QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

Settings::Settings(QString folder, QString seedPath)
    : folder_(std::move(folder)), seedPath_(std::move(seedPath)) {}

Settings Settings::beside(const QString& programFolder, const QString& perUserFolder) {
    if (canWriteFileIn(programFolder)) return Settings(programFolder, QString());
    QDir().mkpath(perUserFolder);
    const QString programFile = QDir(programFolder).filePath(QString::fromLatin1(FileName));
    return Settings(perUserFolder, !programFolder.isEmpty() && QFileInfo::exists(programFile)
                                       ? programFile
                                       : QString());
}

QString Settings::defaultFolder() {
    return Settings().folder();
}

ProfileFile Settings::open() const {
    ProfileFile ini(filePath());
    if (!seedPath_.isEmpty() && !QFileInfo::exists(filePath()))
        ini.loadFrom(seedPath_);
    else
        ini.load();
    return ini;
}

QString Settings::filePath() const {
    return QDir(folder_).filePath(QString::fromLatin1(FileName));
}

SettingsValues Settings::load() const {
    ProfileFile ini = open();

    SettingsValues v;
    const SettingsValues d;
    constexpr int M = SettingsValues::MaxExtent;
    v.bounds =
        QRect(readInt(ini, "Left", d.bounds.x(), -M, M), readInt(ini, "Top", d.bounds.y(), -M, M),
              readInt(ini, "Width", d.bounds.width(), -M, M),
              readInt(ini, "Height", d.bounds.height(), -M, M));

    v.turnSound = ini.value(Section, "Turnsound", "0") == QLatin1String("1") ? TurnSound::New
                                                                             : TurnSound::Classic;

    // A size no font can take would break every transcript style.
    v.textSize = readInt(ini, "Textsize", SettingsValues::DefaultTextSize);
    if (v.textSize < 1 || v.textSize > MaxTextSize) v.textSize = SettingsValues::DefaultTextSize;

    v.textColor = ini.value(Section, "Textcolor", d.textColor);

    for (int n = 1; n <= PhraseCount; ++n)
        v.phrases[n - 1] = ini.value(Section, phraseKey(n));

    switch (readInt(ini, "Botspeed", 1000)) {
    case 500:
        v.botSpeed = 500;
        v.botSpeedItem = BotSpeedItem::Fast;
        break;
    case 1500:
        v.botSpeed = 1500;
        v.botSpeedItem = BotSpeedItem::Slow;
        break;
    default:
        v.botSpeed = 1000;
        v.botSpeedItem = BotSpeedItem::Normal;
    }

    v.botSkill = readInt(ini, "Botskill", 0);
    if (v.botSkill < 0 || v.botSkill > 2) v.botSkill = 0;
    v.showChances = ini.value(Section, "Showchances") == QLatin1String("true");

    // Only the exact text switches a sound off; "False" or "0" leave it on.
    v.playSounds = ini.value(Section, "Playsounds") != QLatin1String("false");
    v.chatterSounds = ini.value(Section, "ChatterSounds", "true") != QLatin1String("false");
    v.playerName = ini.value(Section, "Playername");
    v.lastHost = ini.value(Section, "Lasthost");
    v.hostPrivate = ini.value(Section, "Hostprivate", "false") == QLatin1String("true");
    v.showHints = ini.value(Section, "Showhints", "true") != QLatin1String("false");
    v.animateChips = ini.value(Section, "Animatechips", "true") != QLatin1String("false");
    v.showDownload = ini.value(Section, "Showdownload", "true") != QLatin1String("false");
    v.lobbyAccount = ini.value(Section, "Lobbyaccount").trimmed();
    v.lobbyRoom = ini.value(Section, "Lobbyroom").trimmed();
    v.lobbyServer = ini.value(Section, "Lobbyserver").trimmed();
    v.lobbyList = ini.value(Section, "Lobbylist", "true") != QLatin1String("false");
    v.lobbyCertificate = ini.value(Section, "Lobbycertificate").trimmed();
    v.language = ini.value(Section, "Language").trimmed();
    return v;
}

bool Settings::save(const SettingsValues& v) const {
    ProfileFile ini = open();
    const auto text = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
    ini.setValue(Section, "Textsize", QString::number(v.textSize));
    if (!v.textColor.isEmpty()) ini.setValue(Section, "Textcolor", v.textColor);
    ini.setValue(Section, "Botspeed", QString::number(v.botSpeed));
    ini.setValue(Section, "Top", QString::number(v.bounds.y()));
    ini.setValue(Section, "Left", QString::number(v.bounds.x()));
    ini.setValue(Section, "Width", QString::number(v.bounds.width()));
    ini.setValue(Section, "Height", QString::number(v.bounds.height()));
    ini.setValue(Section, "Turnsound", v.turnSound == TurnSound::New ? "1" : "0");
    ini.setValue(Section, "Playsounds", text(v.playSounds));
    ini.setValue(Section, "ChatterSounds", text(v.chatterSounds));
    ini.setValue(Section, "Showhints", text(v.showHints));
    ini.setValue(Section, "Animatechips", text(v.animateChips));
    ini.setValue(Section, "Botskill", QString::number(v.botSkill));
    ini.setValue(Section, "Showchances", text(v.showChances));
    return ini.commit();
}

bool Settings::savePhrases(const Phrases& phrases) const {
    ProfileFile ini = open();
    for (int n = 1; n <= PhraseCount; ++n)
        ini.setValue(Section, phraseKey(n), phrases[n - 1]);
    return ini.commit();
}

bool Settings::saveLastGame(const QString& name, const QString& host) const {
    ProfileFile ini = open();
    ini.setValue(Section, "Playername", name);
    if (!host.isEmpty()) ini.setValue(Section, "Lasthost", host);
    return ini.commit();
}

bool Settings::saveShowDownload(bool show) const {
    ProfileFile ini = open();
    ini.setValue(Section, "Showdownload", show ? "true" : "false");
    return ini.commit();
}

bool Settings::saveHostPrivate(bool on) const {
    ProfileFile ini = open();
    ini.setValue(Section, "Hostprivate", on ? QStringLiteral("true") : QStringLiteral("false"));
    return ini.commit();
}

bool Settings::saveLobby(const SettingsValues& v) const {
    ProfileFile ini = open();
    ini.setValue(Section, "Lobbyaccount", v.lobbyAccount);
    ini.setValue(Section, "Lobbyroom", v.lobbyRoom);
    ini.setValue(Section, "Lobbyserver", v.lobbyServer);
    ini.setValue(Section, "Lobbylist",
                 v.lobbyList ? QStringLiteral("true") : QStringLiteral("false"));
    ini.setValue(Section, "Lobbycertificate", v.lobbyCertificate);
    return ini.commit();
}

bool Settings::saveLobbyList(bool on) const {
    ProfileFile ini = open();
    ini.setValue(Section, "Lobbylist", on ? QStringLiteral("true") : QStringLiteral("false"));
    return ini.commit();
}

bool Settings::saveLanguage(const QString& code) const {
    ProfileFile ini = open();
    ini.setValue(Section, "Language", code);
    return ini.commit();
}
