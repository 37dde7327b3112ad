// Reading and writing the player's settings, and the menu items they govern.
#include "catalogue.h"
#include "colortext.h"
#include "tchat.h"

namespace {
constexpr int TextSizes[4] = {8, 10, 12, 14};
} // namespace

void Tchat::wireSettingsMenu() {
    connect(PlaySounds1, &QAction::triggered, this, [this](bool on) {
        sounds_->setPlaySounds(on);
        saveinifile();
    });
    connect(PlayChatterSounds1, &QAction::triggered, this, [this](bool on) {
        sounds_->setChatterSounds(on);
        saveinifile();
    });
    connect(Classic1, &QAction::triggered, this, [this] {
        turnsound = 0;
        saveinifile();
    });
    connect(New1, &QAction::triggered, this, [this] {
        turnsound = 1;
        saveinifile();
    });
    connect(Slow1, &QAction::triggered, this, [this] { setBotSpeed(BotSpeedItem::Slow); });
    connect(Normal1, &QAction::triggered, this, [this] { setBotSpeed(BotSpeedItem::Normal); });
    connect(Fast1, &QAction::triggered, this, [this] { setBotSpeed(BotSpeedItem::Fast); });
    for (QAction* a : TextSize) {
        connect(a, &QAction::triggered, this, [this, a] {
            applyTextSize(a->data().toInt());
            saveinifile();
        });
    }
}

void Tchat::setBotSpeed(BotSpeedItem item) {
    (item == BotSpeedItem::Slow   ? Slow1
     : item == BotSpeedItem::Fast ? Fast1
                                  : Normal1)
        ->setChecked(true);
    botspeed = botSpeedMenuValue(item);
    if (loggedin) send(wire::botspeed(myseat, botspeed));
    saveinifile();
}

void Tchat::applyTextSize(int size) {
    textsize = size;
    mainchat->setTextSize(size);
    for (int i = 0; i < 4; ++i)
        TextSize[i]->setChecked(TextSizes[i] == size);
}

void Tchat::loadinifile() {
    const SettingsValues v = Settings(settingsFolder).load();
    savedbounds = {v.bounds.top(), v.bounds.left(), v.bounds.width(), v.bounds.height()};
    setBounds(savedbounds);
    turnsound = v.turnSound == TurnSound::New ? 1 : 0;
    (turnsound ? New1 : Classic1)->setChecked(true);
    applyTextSize(v.textSize);
    // A colour that cannot be read is black; what is kept is its colour text.
    textcolor = chat::writeColorText(chat::readColorText(v.textColor).value_or(chat::ColorBlack));
    applyTextColor();
    applyPhrases(v.phrases, phrases);
    botspeed = v.botSpeed;
    (v.botSpeedItem == BotSpeedItem::Slow   ? Slow1
     : v.botSpeedItem == BotSpeedItem::Fast ? Fast1
                                            : Normal1)
        ->setChecked(true);
    // The host paces its computer player by seat 1's choice only.
    if (myseat == 1 && loggedin) send(wire::botspeed(myseat, botspeed));
    PlaySounds1->setChecked(v.playSounds);
    sounds_->setPlaySounds(v.playSounds);
    PlayChatterSounds1->setChecked(v.chatterSounds);
    sounds_->setChatterSounds(v.chatterSounds);
    applyComfortSettings(v.showHints, v.animateChips);
    settingsRead = true;
}

void Tchat::saveinifile() {
    saveinifile(bounds());
}

void Tchat::saveinifile(const WindowBounds& b) {
    SettingsValues v;
    v.textSize = textsize;
    v.textColor = textcolor;
    v.botSpeed = botspeed;
    v.bounds = QRect(b.left, b.top, b.width, b.height);
    v.turnSound = turnsound ? TurnSound::New : TurnSound::Classic;
    v.playSounds = PlaySounds1->isChecked();
    v.chatterSounds = PlayChatterSounds1->isChecked();
    v.showHints = ShowHints1->isChecked();
    v.animateChips = AnimateChips1->isChecked();
    ++settingsWrites;
    Settings(settingsFolder).save(v);
}
