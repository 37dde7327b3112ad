// The main window's chat: the transcript, the input line, the smileys, the
// phrase buttons and their editor, the text colour and the chatter sounds.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTextDocumentFragment>

#include "catalogue.h"
#include "chat_input.h"
#include "colortext.h"
#include "tchat.h"
#include "ttallylist.h"
#include "windows.h"

namespace {
// Where the input-side controls sit on the board panel.
constexpr QRect InputLine(8, 486, 656, 22);
constexpr QRect SmileyButton(667, 488, 25, 19);
constexpr int ButtonRowTop = 284;
constexpr int PhraseLefts[10] = {33, 60, 87, 113, 140, 167, 193, 220, 247, 274};
constexpr QSize RowButton(25, 19);

const QString ButtonStyle = QStringLiteral(
    "QToolButton { color: rgb(236,222,190); background: rgb(74,52,34); font: bold 9px; "
    "border: 1px solid rgb(130,98,62); border-radius: 3px; }"
    "QToolButton:hover { background: rgb(112,80,50); border-color: rgb(222,184,102); }"
    "QToolButton:pressed { background: rgb(43,28,18); }"
    "QToolButton:focus { border: 2px solid rgb(255,214,110); }"
    "QToolButton::menu-indicator { image: none; }");

QColor inputColor(const QString& colourText) {
    return chat::toQColor(chat::readColorText(colourText).value_or(chat::ColorBlack), QPalette());
}
} // namespace

void Tchat::buildChatInput() {
    mychat = new QLineEdit(panel_board);
    mychat->setObjectName(QStringLiteral("mychat"));
    mychat->setGeometry(InputLine);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    mychat->setFont(f);
    mychat->setText(QCoreApplication::translate("chat", chat::EnterChatHere));
    mychat->setMaxLength(wire::MaxTypedChars);
    mychat->installEventFilter(this);
    mychat->setContextMenuPolicy(Qt::CustomContextMenu);
    popup_mychat = new QMenu(this);
    Paste1 = popup_mychat->addAction(tr("Paste"));
    Paste1->setShortcut(QKeySequence::Paste);
    connect(Paste1, &QAction::triggered, this, &Tchat::pasteClick);
    connect(mychat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { popup_mychat->popup(mychat->mapToGlobal(p)); });

    button_smilies = new QToolButton(panel_board);
    button_smilies->setObjectName(QStringLiteral("button_smilies"));
    button_smilies->setGeometry(SmileyButton);
    button_smilies->setIcon(chat::TranscriptView::smiley(1));
    button_smilies->setToolTip(tr("See ya!"));
    button_smilies->setStyleSheet(ButtonStyle);
    popup_smilies = new QMenu(this);
    for (int i = 0; i < chat::SmileyCount; ++i) {
        const int code = chat::FirstSmileyCode + i;
        QAction* a = popup_smilies->addAction(chat::smileyCode(i));
        connect(a, &QAction::triggered, this, [this, code] { smileyClick(code); });
    }
    // The pictures are not part of the first frame: they come when the menu
    // is first opened.
    connect(popup_smilies, &QMenu::aboutToShow, this, [this] {
        const QList<QAction*> actions = popup_smilies->actions();
        for (int i = 0; i < actions.size(); ++i)
            if (actions[i]->icon().isNull()) actions[i]->setIcon(chat::TranscriptView::smiley(i));
    });
    connect(button_smilies, &QToolButton::clicked, this, [this] {
        popup_smilies->popup(button_smilies->mapToGlobal(button_smilies->rect().bottomRight()));
    });

    for (int i = 0; i < 10; ++i) {
        auto* b = new QToolButton(panel_board);
        b->setObjectName(QStringLiteral("b_phrase%1").arg(i + 1));
        b->setGeometry(QRect(QPoint(PhraseLefts[i], ButtonRowTop), RowButton));
        b->setStyleSheet(ButtonStyle);
        b->setCursor(Qt::PointingHandCursor);
        if (i < 9) {
            b->setText(QStringLiteral("P%1").arg(i + 1));
            b_phrase[i] = b;
            connect(b, &QToolButton::clicked, this, [this, i] { phraseClick(i + 1); });
        } else {
            b->setText(QString(QChar(0x266B)));
            b->setToolTip(tr("Chatter Sounds"));
            b->setStyleSheet(ButtonStyle + QStringLiteral("QToolButton { font: bold 13px; }"));
            b_phrase10 = b;
        }
    }
    popup_sounds = new QMenu(this);
    const QStringList& captions = chat::chatterCaptions();
    for (int n = 0; n < captions.size(); ++n) {
        QAction* a = popup_sounds->addAction(captions[n]);
        a->setObjectName(QStringLiteral("wave%1").arg(n));
        connect(a, &QAction::triggered, this, [this, n] { soundClick(n); });
    }
    connect(b_phrase10, &QToolButton::clicked, this, [this] {
        popup_sounds->popup(b_phrase10->mapToGlobal(b_phrase10->rect().bottomRight()));
    });
    updatePhraseButtons();
}

void Tchat::wireChat() {
    connect(mainchat, &chat::TranscriptView::cannotOpen, this,
            [this] { messagebox(tr("Cannot open Webpage")); });
    mainchat->setContextMenuPolicy(Qt::CustomContextMenu);
    popup_chat = new QMenu(this);
    ScrollChatOff2 = popup_chat->addAction(tr("Scroll Chat Off"));
    ScrollChatOff2->setCheckable(true);
    QAction* clear = popup_chat->addAction(tr("Clear Main Chat"));
    popup_chat->addSeparator();
    QAction* all = popup_chat->addAction(tr("Select All"));
    QAction* copy = popup_chat->addAction(tr("Copy"));
    copy->setShortcut(QKeySequence::Copy);
    connect(mainchat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { popup_chat->popup(mainchat->mapToGlobal(p)); });
    connect(ScrollChatOff1, &QAction::toggled, this, &Tchat::setScrollChatOff);
    connect(ScrollChatOff2, &QAction::toggled, this, &Tchat::setScrollChatOff);
    connect(clear, &QAction::triggered, this, &Tchat::clearMainChat);
    connect(ClearMainChat1, &QAction::triggered, this, &Tchat::clearMainChat);
    connect(all, &QAction::triggered, mainchat, &QTextEdit::selectAll);
    // The transcript's own copy gives plain text without smiley placeholders.
    connect(copy, &QAction::triggered, mainchat, &QTextEdit::copy);
    connect(TextColor1, &QAction::triggered, this, &Tchat::textColorClick);
    connect(PhraseList1, &QAction::triggered, this, &Tchat::phraseListClick);
    applyTextColor();
}

void Tchat::setWindows(const Windows& w) {
    windows_ = w;
    wirePhraseEditor();
    if (windows_.download)
        windows_.download->onShowAtStart = [this](bool on) {
            Settings(settingsFolder).saveShowDownload(on);
        };
    if (windows_.tallylist) {
        // A finished game refills "Players In Current Game" from the seats.
        windows_.tallylist->loadchecklist = [this] { loadchecklist(); };
        connect(ViewTally1, &QAction::triggered, windows_.tallylist, [this] {
            loadchecklist();
            showWindow(windows_.tallylist);
        });
    }
}

// ---- transcript ----

void Tchat::addlinetochat(const QString& line, int color) {
    transcript_.append(line);
    mainchat->addLine(line, chat::ColorValue(color));
    linkcounter = mainchat->linkcounter();
    announceLine(line);
}

void Tchat::chatrecieved(const QString& rest) {
    wire::TextFields f(rest);
    // A seat that is no number stops here and is reported; the line is not shown.
    const int seat = f.number();
    const chat::ReceivedChat r = chat::splitReceived(f.rest());
    const chat::ColorValue colour =
        r.hasColour ? chat::readColorTextOrRed(r.colour) : chat::ColorRed;
    addlinetochat(QString::number(seat) + '+' + r.line, int(colour));
}

void Tchat::setScrollChatOff(bool off) {
    // The two items are one switch.
    ScrollChatOff1->setChecked(off);
    ScrollChatOff2->setChecked(off);
    mainchat->setScrollOff(off);
}

void Tchat::clearMainChat() {
    mainchat->clearTranscript();
    linkcounter = -1;
    mychat->setFocus();
}

// ---- input line ----

bool Tchat::mychatKey(QKeyEvent* e) {
    // A paste appends, the greeting text included, as the menu's Paste does.
    if (e->matches(QKeySequence::Paste)) {
        pasteClick();
        return true;
    }
    // A modifier alone types nothing (it comes first in Ctrl+V).
    switch (e->key()) {
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return false;
    default:
        break;
    }
    // Any other key replaces the greeting text.
    if (mychat->text() == QCoreApplication::translate("chat", chat::EnterChatHere)) mychat->clear();
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        sendit();
        return true;
    }
    return false;
}

void Tchat::sendit() {
    if (!loggedin) return;
    const chat::Outgoing out = chat::typedLine(mychat->text());
    if (out.kind == chat::Outgoing::Chat) send(wire::chat(myseat, out.text, textcolor));
    if (out.kind == chat::Outgoing::Action) send(wire::action(myseat, out.text, textcolor));
    mychat->clear();
}

void Tchat::pasteClick() {
    const QString text = QApplication::clipboard()->text();
    if (!text.isEmpty()) mychat->setText(mychat->text() + text);
    mychat->deselect();
    mychat->end(false);
}

void Tchat::smileyClick(int code) {
    if (mychat->text() == QCoreApplication::translate("chat", chat::EnterChatHere)) mychat->clear();
    mychat->setText(mychat->text() + QLatin1String(chat::SmileyMark) + QString::number(code));
    mychat->end(false);
    mychat->setFocus();
}

void Tchat::textColorClick() {
    const auto chosen = colorPicker_->pick(this, inputColor(textcolor));
    if (!chosen) return;
    textcolor = chat::writeColorText(chat::rgb(chosen->red(), chosen->green(), chosen->blue()));
    applyTextColor();
    saveinifile();
}

void Tchat::applyTextColor() {
    QPalette p = mychat->palette();
    p.setColor(QPalette::Text, inputColor(textcolor));
    mychat->setPalette(p);
    mychat->setStyleSheet(QStringLiteral("QLineEdit { color: %1; background: rgb(236,228,210); "
                                         "border: 2px solid rgb(74,52,34); padding: 0 3px; }"
                                         "QLineEdit:focus { border-color: rgb(255,214,110); }")
                              .arg(inputColor(textcolor).name()));
}

// ---- phrases ----

void Tchat::updatePhraseButtons() {
    for (int i = 0; i < PhraseCount; ++i) {
        b_phrase[i]->setToolTip(phrases[std::size_t(i)]);
        b_phrase[i]->setAccessibleName(
            tr("Phrase %1: %2").arg(QString::number(i + 1), phrases[std::size_t(i)]));
    }
}

void Tchat::phraseClick(int n) {
    if (!phraseready || n < 1 || n > PhraseCount) return;
    const chat::Outgoing out = chat::phraseLine(phrases[std::size_t(n - 1)]);
    send(wire::action(myseat, out.text, textcolor));
    phraseready = false;
    phraseticks = 0;
    // The lock counts Timer1's ticks, so the timer runs until it opens.
    if (!Timer1.isActive()) Timer1.start();
}

void Tchat::phraseListClick() {
    if (!windows_.phrases) return;
    windows_.phrases->setPhrases(phrases);
    showWindow(windows_.phrases);
}

void Tchat::wirePhraseEditor() {
    if (!windows_.phrases) return;
    windows_.phrases->onDone = [this](const Tphrases::Texts& texts) {
        phrases = texts;
        updatePhraseButtons();
        Settings(settingsFolder).savePhrases(phrases);
    };
}

// ---- chatter sounds ----

void Tchat::soundClick(int n) {
    // Watchers make no sounds.
    if (n < 1 || n > chat::ChatterCount || (myseat != 1 && myseat != 2) || !loggedin) return;
    send(wire::playasound(myseat, n));
}

void Tchat::playasound(const QString& rest) {
    wire::TextFields f(rest);
    const int seat = f.number();
    const QString name = f.next();
    if (sounds_->playChatter(name)) return;
    const QString caption = chat::chatterCaption(name);
    QLabel* label = seat == 1 ? label_playername1 : seat == 2 ? label_playername2 : nullptr;
    if (!label || caption.isEmpty()) return;
    addlinetochat(QStringLiteral("0+") + tr("%1: <Chatter Sound> %2").arg(label->text(), caption),
                  systemcolor);
}
