#include "windows.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
// Until their features arrive, the auxiliary windows say so plainly rather
// than showing an empty frame.
void comingSoon(QWidget* w, const QString& text) {
    auto* layout = new QVBoxLayout(w);
    auto* label = new QLabel(text, w);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    layout->addWidget(label);
}
} // namespace

Tspylist::Tspylist(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("spylist"));
    setWindowTitle(QStringLiteral("Kelvoa - Spys"));
    resize(220, 260);
    auto* layout = new QVBoxLayout(this);
    listbox_spys = new QListWidget(this);
    listbox_spys->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(listbox_spys);
    popup_kick = new QMenu(this);
    popup_kickhim = popup_kick->addAction(QStringLiteral("Remove From Game"));
    popup_kickhim->setEnabled(false);
    connect(listbox_spys, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { popup_kick->popup(listbox_spys->mapToGlobal(p)); });
}

Ttallylist::Ttallylist(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Kelvoa  - Tally List"));
    comingSoon(this,
               QStringLiteral("The tally of games against your opponents will be shown here."));
}

Tabout::Tabout(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("About Kelvoa"));
    comingSoon(this, QStringLiteral("Kelvoa 1.0.3"));
}

Thelp::Thelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Kelvoa - Help File"));
    comingSoon(this, QStringLiteral("Roll the dice, then click one of your chips to move it.\n"
                                    "A chip enters on a throw of exactly 1; the first to bring "
                                    "all seven chips home wins."));
}

Tphrases::Tphrases(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Phrase List"));
    comingSoon(this, QStringLiteral("Phrase editing arrives with the chat buttons."));
}

Tdownload::Tdownload(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Download The Korvan Lobby"));
    comingSoon(this, QStringLiteral("Play Kelvoa against Klot now, or get the lobby to meet "
                                    "other players."));
    resize(360, 140);
}
