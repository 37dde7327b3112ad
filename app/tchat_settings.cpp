// Reading and writing the player's settings, and the menu items they govern.
#include "catalogue.h"
#include "colortext.h"
#include "levels.h"
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
    connect(Klot1, &QAction::triggered, this, [this] { setBotSkill(0); });
    connect(Strong1, &QAction::triggered, this, [this] { setBotSkill(1); });
    connect(Perfect1, &QAction::triggered, this, [this] { setBotSkill(2); });
    connect(ShowChances1, &QAction::triggered, this, [this](bool on) {
        // The bar is exact wherever the table reaches: solved quietly on first use.
        if (on) perfecttable->ensure();
        showChancesBar(on);
        updateChances();
        saveinifile();
    });
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
    if (loggedin) sendBotSettings();
    saveinifile();
}

// The level always follows the pace, so a host that knows it never plays
// anything but the chosen level, and one that does not simply ignores it.
void Tchat::sendBotSettings() {
    send(wire::botspeed(myseat, botspeed));
    send(wire::botskill(myseat, botskill));
}

void Tchat::setBotSkill(int level) {
    if (!levels::isLevel(level)) level = 0;
    botskill = level;
    (level == 2 ? Perfect1 : level == 1 ? Strong1 : Klot1)->setChecked(true);
    if (loggedin) send(wire::botskill(myseat, botskill));
    saveinifile();
    if (level == 2) perfecttable->ensure();
}

void Tchat::wirePerfectTable() {
    perfecttable = new PerfectTable(this);
    progresswindow = new Tprogress(this);
    progresswindow->hide();
    connect(perfecttable, &PerfectTable::building, this, [this] {
        // Only a player waiting for "Expert" is shown the wait; the chances
        // bar simply turns exact when the table is there.
        if (botskill != 2) return;
        progresswindow->setProgress(0, -1);
        progresswindow->adjustSize();
        progresswindow->move(frameGeometry().center() - progresswindow->rect().center());
        showWindow(progresswindow);
    });
    connect(perfecttable, &PerfectTable::progress, progresswindow, &Tprogress::setProgress);
    connect(progresswindow, &Tprogress::cancelled, perfecttable, &PerfectTable::cancel);
    connect(perfecttable, &PerfectTable::finished, this, [this](bool ready, const QString& why) {
        progresswindow->hide();
        if (botskill != 2) {
            updateChances();
            return;
        }
        if (ready)
            addlinetochat(QStringLiteral("0+") +
                              tr("The computer now plays \"Expert\" where it knows "
                                 "the exact odds."),
                          systemcolor);
        else
            addlinetochat(QStringLiteral("0+") +
                              tr("No table for \"Expert\" (%1): the computer plays "
                                 "\"Strong\".")
                                  .arg(why),
                          systemcolor);
        updateChances();
    });
    chancesbar = new ChancesBar(panel_board);
    turnLogWidth_ = view->memo_turn->width();
    showChancesBar(false);
}

void Tchat::showChancesBar(bool on) {
    // The column stands between the turn log and the board, as tall as the
    // log, which gives way to it only while it is shown.
    const QRect log = view->memo_turn->geometry();
    const int right = board::BoardView::PanelPosition.x() - ChancesBar::Gap;
    chancesbar->setGeometry(right - ChancesBar::Width, log.top(), ChancesBar::Width, log.height());
    const int width = on ? chancesbar->x() - ChancesBar::Gap - log.left() : turnLogWidth_;
    view->memo_turn->setGeometry(log.left(), log.top(), width, log.height());
    chancesbar->setVisible(on);
}

void Tchat::updateChances() {
    if (!chancesbar || !ShowChances1->isChecked()) return;
    const board::BoardModel& m = turnflow->model();
    rules::Position pos;
    for (int s = 1; s <= rules::SeatCount; ++s)
        for (int c = 0; c < rules::ChipCount; ++c)
            pos.of(s)[static_cast<unsigned>(c)] =
                static_cast<std::uint8_t>(m.seat(s).chips[static_cast<unsigned>(c)]);
    const int mover = board::boardSeat(m.whoseturn);
    if (!rules::isSeat(mover)) {
        chancesbar->setChance(-1);
        return;
    }
    const int pending = m.pending[static_cast<unsigned>(mover - 1)];
    const auto table = levels::perfectTable();
    chancesbar->setExact(table && table->layout().index(pos, mover) != solver::NoIndex);
    chancesbar->setChance(levels::chance(pos, 1, mover, pending > 0 ? pending : -1, table.get()));
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
    botskill = levels::isLevel(v.botSkill) ? v.botSkill : 0;
    (botskill == 2 ? Perfect1 : botskill == 1 ? Strong1 : Klot1)->setChecked(true);
    // The host paces its computer player by seat 1's choice only.
    if (myseat == 1 && loggedin) sendBotSettings();
    if (botskill == 2) perfecttable->ensure();
    ShowChances1->setChecked(v.showChances);
    if (v.showChances) perfecttable->ensure();
    showChancesBar(v.showChances);
    updateChances();
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
    v.botSkill = botskill;
    v.showChances = ShowChances1->isChecked();
    ++settingsWrites;
    Settings(settingsFolder).save(v);
}
