#pragma once
// The player's preferences in the section "Kelvoa" of korvanlobby.ini, the
// file shared with the lobby program. Reading never fails: every value that
// is missing or unreadable takes its default. Writing changes only the keys
// it writes; the phrase keys are written only by savePhrases().
#include "profile_file.h"

#include <QRect>
#include <QString>

#include <array>

inline constexpr int PhraseCount = 9;
using Phrases = std::array<QString, PhraseCount>;

enum class TurnSound { Classic = 0, New = 1 };

// The three exclusive items of the Bot Speed menu.
enum class BotSpeedItem { Slow, Normal, Fast };

// What choosing a Bot Speed item stores. Reading recognises other values
// (1500 for Slow, 500 for Fast, anything else is Normal 1000), so a stored
// Slow comes back as Normal 1000 after a restart; players know it that way.
inline constexpr int BotSpeedSlow = 1000;
inline constexpr int BotSpeedNormal = 750;
inline constexpr int BotSpeedFast = 500;
int botSpeedMenuValue(BotSpeedItem item);

struct SettingsValues {
    static constexpr int DefaultLeft = 3;
    static constexpr int DefaultTop = 3;
    static constexpr int DefaultWidth = 731;  // defaultwidth
    static constexpr int DefaultHeight = 567; // defaultheight
    static constexpr int DefaultTextSize = 8;
    // No window system places or sizes a window beyond 16-bit coordinates;
    // a stored bound outside -MaxExtent..MaxExtent (a damaged or hand-edited
    // file) reads as its default, as one that is not a number does, so that
    // no sum of two bounds overflows.
    static constexpr int MaxExtent = 32767;

    QRect bounds{DefaultLeft, DefaultTop, DefaultWidth, DefaultHeight}; // outer frame
    TurnSound turnSound = TurnSound::Classic;
    int textSize = DefaultTextSize;
    // Colour text ("clBlack".."clWhite" or "$00BBGGRR"); an empty text cannot
    // be written and leaves the stored key as it is.
    QString textColor = QStringLiteral("clblack");
    // As read: a non-empty phrase replaces that button's phrase, an empty one
    // leaves it as it is (see applyPhrases). Never written by save().
    Phrases phrases;
    int botSpeed = 1000; // pace of the computer player, milliseconds
    BotSpeedItem botSpeedItem = BotSpeedItem::Normal;
    bool playSounds = true;
    bool chatterSounds = true;
    // The name and host address last used in "Host a Game" / "Join a Game";
    // written only by saveLastGame().
    QString playerName;
    QString lastHost;
    // "Only players with the invite" in the Host dialog ("Hostprivate");
    // written only by saveHostPrivate().
    bool hostPrivate = false;
    // Play comfort: legal moves marked after the own roll, chips that glide.
    bool showHints = true;
    bool animateChips = true;
    // The computer's level: 0 "Klot", 1 "Strong", 2 "Expert"; anything else reads as 0.
    int botSkill = 0;
    bool showChances = false;
    // The download window at a solo start ("Showdownload"); written only by
    // saveShowDownload(), when its check box is clicked.
    bool showDownload = true;
    // The public lobby: the account ("name@domain", or a bare domain to sign
    // in anonymously), the room ("room@service"), an optional "host[:port]"
    // instead of the domain's own lookup, whether hosted games are listed,
    // and the one unverified certificate the player accepted (its SHA-256
    // fingerprint). Written only by saveLobby(); the password never is.
    QString lobbyAccount;
    QString lobbyRoom;
    QString lobbyServer;
    bool lobbyList = true;
    QString lobbyCertificate;
    // The language of the windows ("de", "fr", "es", "en"); empty follows the
    // system's. Written only by saveLanguage().
    QString language;
};

// Copies the non-empty phrases of 'read' over 'current'.
void applyPhrases(const Phrases& read, Phrases& current);

class Settings {
public:
    static constexpr auto FileName = "korvanlobby.ini";
    static constexpr auto Section = "Kelvoa";
    static constexpr auto ConfigDirVariable = "KELVOA_CONFIG_DIR";

    // folder empty: the folder chosen by defaultFolder().
    explicit Settings(QString folder = QString());

    // $KELVOA_CONFIG_DIR when set; else the folder of the running program when
    // it can be written there; else the per-user configuration folder
    // (created), so that a program installed read-only still keeps settings.
    static QString defaultFolder();

    // The choice behind the default: the program's folder when the file can be
    // written there, else the per-user folder (created). A settings file the
    // lobby keeps in a read-only program folder is then where the per-user
    // file starts from, on its first read and write.
    static Settings beside(const QString& programFolder, const QString& perUserFolder);

    QString folder() const { return folder_; }
    QString filePath() const;

    // loadinifile
    SettingsValues load() const;
    // saveinifile: every key but the phrases, in one atomic write. Returns
    // false when the file could not be written.
    bool save(const SettingsValues& values) const;
    // The phrase editor's write: Phrase1..Phrase9 and nothing else.
    bool savePhrases(const Phrases& phrases) const;
    // The Host and Join dialogs' write: "Playername", and "Lasthost" unless
    // 'host' is empty, and nothing else.
    bool saveLastGame(const QString& name, const QString& host = QString()) const;
    // The download window's check box: "Showdownload" and nothing else.
    bool saveShowDownload(bool show) const;
    // The Host dialog's check box: "Hostprivate" and nothing else.
    bool saveHostPrivate(bool on) const;
    // The lobby's keys ("Lobbyaccount", "Lobbyroom", "Lobbyserver",
    // "Lobbylist", "Lobbycertificate") and nothing else.
    bool saveLobby(const SettingsValues& values) const;
    // The Host dialog's "List this game in the public lobby": "Lobbylist" only.
    bool saveLobbyList(bool on) const;
    // Options > Language: "Language" and nothing else.
    bool saveLanguage(const QString& code) const;

private:
    Settings(QString folder, QString seedPath);
    ProfileFile open() const;

    QString folder_;
    QString seedPath_; // see beside()
};
