// Playing from the keyboard: Ctrl+G starts, Ctrl+R rolls, Ctrl+1..7 move the
// own chip of that number, Escape leaves the chat input. The keys belong to
// the whole window, so they work while the chat input holds the focus; every
// menu command gets a mnemonic, and whatever holds the focus shows it.
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "tchat.h"

namespace {
const QString FocusRing = QStringLiteral("2px solid rgb(255,214,110)");

// Gives every item of the menu (and its submenus) that has none a mnemonic:
// the first letter of a word not yet taken in that menu, else any free letter.
void addMnemonics(QMenu* menu) {
    QString taken;
    const QList<QAction*> actions = menu->actions();
    for (QAction* a : actions) {
        const QString text = a->text();
        const auto amp = text.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < text.size()) taken += text[amp + 1].toLower();
    }
    for (QAction* a : actions) {
        if (a->menu()) addMnemonics(a->menu());
        QString text = a->text();
        if (a->isSeparator() || text.isEmpty() || text.contains(QLatin1Char('&'))) continue;
        qsizetype pick = -1;
        for (int pass = 0; pass < 2 && pick < 0; ++pass)
            for (qsizetype i = 0; i < text.size() && pick < 0; ++i) {
                const QChar c = text[i];
                const bool wordStart = i == 0 || !text[i - 1].isLetterOrNumber();
                if (c.isLetterOrNumber() && (pass == 1 || wordStart) &&
                    !taken.contains(c.toLower()))
                    pick = i;
            }
        if (pick < 0) continue;
        taken += text[pick].toLower();
        text.insert(pick, QLatin1Char('&'));
        a->setText(text);
    }
}
} // namespace

void Tchat::buildKeys() {
    StartGame1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    auto* roll = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    roll->setObjectName(QStringLiteral("key_roll"));
    connect(roll, &QShortcut::activated, this, &Tchat::rollKey);
    view->button_roll->setToolTip(tr("Roll Dice (Ctrl+R)"));
    for (int chip = 1; chip <= board::ChipCount; ++chip) {
        auto* key = new QShortcut(QKeySequence(Qt::CTRL | (Qt::Key_0 + chip)), this);
        key->setObjectName(QStringLiteral("key_chip%1").arg(chip));
        connect(key, &QShortcut::activated, this, [this, chip] { chipKey(chip); });
        for (int seat = 1; seat <= board::SeatCount; ++seat)
            view->image_p(seat, chip)->setToolTip(tr("Chip %1 (Ctrl+%1)").arg(chip));
    }
    // Escape hands the focus on to the transcript, where arrows and page keys
    // scroll; Tab or a click brings it back.
    auto* leave =
        new QShortcut(QKeySequence(Qt::Key_Escape), mychat, nullptr, nullptr, Qt::WidgetShortcut);
    connect(leave, &QShortcut::activated, this,
            [this] { mainchat->setFocus(Qt::ShortcutFocusReason); });

    // Typing goes to the chat line from the start, so the focus ring shows there.
    mychat->setFocus();

    for (QAction* top : menuBar()->actions())
        if (top->menu()) addMnemonics(top->menu());
    // The command menus that open on a right click too; the smiley and
    // chatter menus pick content by picture and name and stay as they are.
    for (QMenu* menu : {popup_chat, popup_mychat, popup_kick})
        addMnemonics(menu);

    // The focus shows as a warm ring on whatever holds it.
    mainchat->setStyleSheet(mainchat->styleSheet() +
                            QStringLiteral(" QTextBrowser:focus { border: %1; }").arg(FocusRing));
}
