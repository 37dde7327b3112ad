#include "host_join_dialogs.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHostAddress>
#include <QVBoxLayout>

#include "catalogue.h"
#include "codepage.h"
#include "invite_link.h"

namespace {

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    // Names and addresses are never markup.
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    return l;
}

QLabel* statusLine(QWidget* parent) {
    QLabel* l = plainLabel(QString(), parent);
    l->setStyleSheet(QStringLiteral("color: rgb(170,30,30); font-weight: bold;"));
    return l;
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

QString nameProblem(const QString& name) {
    const QString n = name.trimmed();
    if (n.isEmpty()) return QCoreApplication::translate("multiplayer", "Please enter your name.");
    // The toolkit would take a leading '-' on the command line for its own option.
    if (n.startsWith(QLatin1Char('-')))
        return QCoreApplication::translate("multiplayer", "A name cannot begin with '-'.");
    for (const QChar c : n)
        if (c.category() == QChar::Other_Control || c == QChar(0xFF))
            return QCoreApplication::translate(
                "multiplayer", "Please use letters, digits and punctuation in your name.");
    if (wire::decode(wire::encode(n)) != n)
        return QCoreApplication::translate("multiplayer",
                                           "Your name can hold only Western European letters.");
    return {};
}

QString addressProblem(const QString& address) {
    QString problem;
    invite::readAddress(address, &problem);
    return problem;
}

// ---- Host a Game ----

HostGameDialog::HostGameDialog(const QString& name, const QList<QHostAddress>& addresses,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("hostGameDialog"));
    setWindowTitle(tr("Host a Game"));
    setWindowModality(Qt::WindowModal);

    nameEdit = new QLineEdit(name, this);
    nameEdit->setMaxLength(MaxNameLength);
    nameEdit->setPlaceholderText(tr("the name the others see"));

    addressList = new QListWidget(this);
    for (const QHostAddress& a : addresses)
        addressList->addItem(a.toString());
    // As tall as its addresses (up to four), so the ways in below stay in sight.
    const int rows = int(qBound(qsizetype(1), addresses.size(), qsizetype(4)));
    const int rowHeight = addressList->count() ? addressList->sizeHintForRow(0)
                                               : addressList->fontMetrics().height() + 4;
    addressList->setFixedHeight(rows * rowHeight + 2 * addressList->frameWidth() + 4);
    if (addressList->count()) addressList->setCurrentRow(0);
    copyButton = new QPushButton(tr("Copy"), this);
    copyButton->setEnabled(addressList->count() > 0);
    copyButton->setToolTip(tr("Copy the chosen address, to send it to a friend"));

    auto* form = new QFormLayout;
    form->addRow(tr("Your name:"), nameEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(plainLabel(tr("Where your friends reach this game:"), this));
    // One row per way in.
    auto* lanBox = new QWidget(this);
    auto* row = new QHBoxLayout(lanBox);
    row->setContentsMargins(0, 0, 0, 0);
    if (addresses.isEmpty())
        row->addWidget(plainLabel(tr("This computer has no network address: only a "
                                     "copy on this computer can join (at 127.0.0.1)."),
                                  lanBox),
                       1);
    row->addWidget(addressList, 1);
    row->addWidget(copyButton, 0, Qt::AlignTop);
    addressList->setVisible(!addresses.isEmpty());
    copyButton->setVisible(!addresses.isEmpty());
    internetLabel = plainLabel(QString(), this);
    ipv6Label = plainLabel(QString(), this);
    for (QLabel* l : {internetLabel, ipv6Label})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* ways = new QFormLayout;
    ways->addRow(tr("On this network:"), lanBox);
    ways->addRow(tr("On the internet:"), internetLabel);
    ways->addRow(tr("Over IPv6:"), ipv6Label);
    layout->addLayout(ways);
    privateBox = new QCheckBox(tr("Only players with the invite"), this);
    privateBox->setToolTip(tr("A fresh code each time you host; only those who "
                              "have your invite link can join"));
    copyInviteButton = new QPushButton(tr("Copy Invite"), this);
    copyInviteButton->setToolTip(tr("Copy a line with your game's link, to send it to a friend"));
    auto* inviteRow = new QHBoxLayout;
    inviteRow->addWidget(privateBox, 1);
    inviteRow->addWidget(copyInviteButton);
    layout->addLayout(inviteRow);
    listBox = new QCheckBox(tr("List this game in the public lobby"), this);
    listBox->setToolTip(tr("Everybody in the lobby's room sees the game and can join it"));
    layout->addWidget(listBox);
    statusLabel = statusLine(this);
    layout->addWidget(statusLabel);

    auto* buttons = new QDialogButtonBox(this);
    hostButton = buttons->addButton(tr("Host"), QDialogButtonBox::AcceptRole);
    cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    hostButton->setDefault(true);
    layout->addWidget(buttons);

    connect(hostButton, &QPushButton::clicked, this, &HostGameDialog::hostClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(copyButton, &QPushButton::clicked, this, &HostGameDialog::copyClick);
    connect(copyInviteButton, &QPushButton::clicked, this, &HostGameDialog::copyInviteClick);
    connect(privateBox, &QCheckBox::toggled, statusLabel, &QLabel::clear);
    connect(nameEdit, &QLineEdit::textEdited, statusLabel, &QLabel::clear);
    lan_ = addresses;
    setReachability({});
    setIPv6Addresses({});
    resize(460, sizeHint().height());
    fitText();
}

void HostGameDialog::hostClick() {
    const QString problem = nameProblem(nameEdit->text());
    if (!problem.isEmpty()) return showProblem(problem);
    statusLabel->clear();
    emit hostRequested(nameEdit->text().trimmed());
}

void HostGameDialog::copyClick() {
    const QListWidgetItem* item = addressList->currentItem();
    if (item) QGuiApplication::clipboard()->setText(item->text());
}

void HostGameDialog::copyInviteClick() {
    const QString host = bestAddress();
    if (host.isEmpty())
        return showProblem(tr("This computer has no network address to invite to."));
    // A private game's code is made when it starts; before that there is none to send.
    if (!hostingHere && privateBox->isChecked())
        return showProblem(tr("The code is made when the private game starts: "
                              "host first, then copy the invite here."));
    invite::Link link;
    link.address.host = host;
    link.address.port = gamePort;
    if (hostingHere) link.code = inviteCode;
    QGuiApplication::clipboard()->setText(invite::inviteLine(link));
    statusLabel->clear();
}

void HostGameDialog::showProblem(const QString& text) {
    statusLabel->setText(text);
}

void HostGameDialog::setReachability(const Reachability& r) {
    reach_ = r;
    const QString external = r.external.toString();
    QString text;
    switch (r.state) {
    case Reachability::NotAsked:
        text = tr("When you host, Kelvoa asks your router to forward TCP port 7772 to "
                  "this computer.");
        break;
    case Reachability::Asking:
        text = tr("Asking your router to forward TCP port 7772 to this computer…");
        break;
    case Reachability::Open:
        text = r.external.isNull() ? tr("Your router forwards TCP port 7772 to this computer; give "
                                        "your friends the router's internet address.")
                                   : tr("%1 — your router forwards TCP port 7772 to this "
                                        "computer.")
                                         .arg(external);
        break;
    case Reachability::NoRouter:
        text = tr("No router answered. Forward TCP port 7772 to this computer in your "
                  "router's settings (\"port forwarding\"), then give your friends "
                  "the router's internet address.");
        break;
    case Reachability::Refused:
        text = tr("Your router refused to forward TCP port 7772 to this computer. "
                  "Forward it in the router's settings (\"port forwarding\"), or "
                  "allow UPnP or NAT-PMP there.");
        break;
    case Reachability::Taken:
        text = tr("Your router already forwards TCP port 7772 to another computer%1. "
                  "Kelvoa leaves that as it is: host there, or change the forwarding "
                  "in the router's settings.")
                   .arg(r.otherComputer.isEmpty() ? QString()
                                                  : QStringLiteral(" (%1)").arg(r.otherComputer));
        break;
    case Reachability::Shared:
        text = tr("Your router's own internet address, %1, is a private or shared "
                  "one: your provider shares one address among many customers, and "
                  "nobody can reach this computer through it. Friends with IPv6 may "
                  "reach you over IPv6; or let your friend host.")
                   .arg(external);
        break;
    }
    internetLabel->setText(text);
    fitText();
}

void HostGameDialog::fitText() {
    // Wrapped lines grow downwards: the dialog grows with them.
    layout()->activate();
    const int h = layout()->totalHeightForWidth(width());
    if (h > height()) resize(width(), h);
}

void HostGameDialog::setIPv6Addresses(const QList<QHostAddress>& addresses) {
    ipv6_ = addresses;
    QStringList lines;
    for (const QHostAddress& a : addresses)
        lines << a.toString();
    ipv6Label->setText(lines.isEmpty()
                           ? tr("This computer has no IPv6 internet address.")
                           : lines.join(QLatin1Char('\n')) +
                                 tr("\nNo router stands in between; a firewall must let TCP port "
                                    "7772 in."));
    fitText();
}

void HostGameDialog::setHosting() {
    setWindowTitle(tr("Your Game"));
    cancelButton->setText(tr("Close"));
    hostButton->setText(tr("Host Again"));
    hostButton->setDefault(false);
    cancelButton->setDefault(true);
}

QString HostGameDialog::bestAddress() const {
    if (reach_.state == Reachability::Open && !reach_.external.isNull())
        return reach_.external.toString();
    if (!ipv6_.isEmpty()) return ipv6_.first().toString();
    if (!lan_.isEmpty()) return lan_.first().toString();
    return {};
}

// ---- Join a Game ----

JoinGameDialog::JoinGameDialog(const QString& name, const QString& address, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("joinGameDialog"));
    setWindowTitle(tr("Join a Game"));
    setWindowModality(Qt::WindowModal);

    nameEdit = new QLineEdit(name, this);
    nameEdit->setMaxLength(HostGameDialog::MaxNameLength);
    nameEdit->setPlaceholderText(tr("the name the others see"));
    addressEdit = new QLineEdit(address, this);
    addressEdit->setPlaceholderText(tr("a name or an IP address"));

    gameList = new QTableWidget(0, ColumnCount, this);
    gameList->setHorizontalHeaderLabels(
        {tr("Host"), tr("Address"), tr("Players"), tr("Spys"), tr("Game")});
    gameList->setSelectionBehavior(QAbstractItemView::SelectRows);
    gameList->setSelectionMode(QAbstractItemView::SingleSelection);
    gameList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gameList->verticalHeader()->hide();
    gameList->horizontalHeader()->setSectionResizeMode(ColName, QHeaderView::Stretch);
    for (int c = ColAddress; c < ColumnCount; ++c)
        gameList->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    gameList->setMinimumHeight(130);
    listStatus = plainLabel(QString(), this);
    refreshButton = new QPushButton(tr("Refresh"), this);

    auto* form = new QFormLayout;
    form->addRow(tr("Your name:"), nameEdit);
    form->addRow(tr("Host's address:"), addressEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(plainLabel(tr("Games on this network:"), this));
    layout->addWidget(gameList, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(listStatus, 1);
    row->addWidget(refreshButton);
    layout->addLayout(row);
    statusLabel = statusLine(this);
    layout->addWidget(statusLabel);

    inviteLabel = plainLabel(QString(), this);
    inviteLabel->hide();
    layout->addWidget(inviteLabel);

    auto* buttons = new QDialogButtonBox(this);
    joinButton = buttons->addButton(tr("Join"), QDialogButtonBox::AcceptRole);
    cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    lobbyButton = buttons->addButton(tr("Public Lobby…"), QDialogButtonBox::ActionRole);
    lobbyButton->setToolTip(tr("Meet players you do not know yet, and join their games"));
    joinButton->setDefault(true);
    layout->addWidget(buttons);
    connect(lobbyButton, &QPushButton::clicked, this, &JoinGameDialog::lobbyRequested);

    connect(joinButton, &QPushButton::clicked, this, &JoinGameDialog::joinClick);
    connect(cancelButton, &QPushButton::clicked, this, &JoinGameDialog::reject);
    connect(refreshButton, &QPushButton::clicked, this, &JoinGameDialog::refresh);
    connect(&finder, &GameFinder::changed, this, &JoinGameDialog::showGames);
    connect(&finder, &GameFinder::finished, this, &JoinGameDialog::showGames);
    connect(gameList, &QTableWidget::itemSelectionChanged, this, &JoinGameDialog::gameChosen);
    connect(gameList, &QTableWidget::cellDoubleClicked, this, [this] {
        gameChosen();
        joinClick();
    });
    connect(&probe, &JoinProbe::finished, this, &JoinGameDialog::probeFinished);
    for (QLineEdit* e : {nameEdit, addressEdit})
        connect(e, &QLineEdit::textEdited, statusLabel, &QLabel::clear);
    resize(520, 400);
    // Return joins from anywhere a line is typed; a missing name comes first.
    if (nameEdit->text().trimmed().isEmpty())
        nameEdit->setFocus();
    else
        addressEdit->setFocus();
}

void JoinGameDialog::fillFromLink(const QString& link) {
    QString problem;
    const auto read = invite::readLink(link, &problem);
    inviteCode = read ? read->code : QString();
    addressEdit->setText(read ? invite::addressText(read->address) : QString());
    inviteLabel->setText(inviteCode.isEmpty()
                             ? QString()
                             : tr("Invited to a private game (code %1).").arg(inviteCode));
    inviteLabel->setVisible(!inviteCode.isEmpty());
    if (!read) showProblem(problem);
    if (nameEdit->text().trimmed().isEmpty()) nameEdit->setFocus();
}

void JoinGameDialog::refresh() {
    finder.search();
    showGames();
}

void JoinGameDialog::showGames() {
    shown_.clear();
    for (const FoundGame& g : finder.games())
        if (!(hostingHere && g.thisComputer)) shown_ << g;
    const QSignalBlocker quiet(gameList); // refilling is no choice of the player's
    gameList->setRowCount(int(shown_.size()));
    for (int r = 0; r < shown_.size(); ++r) {
        const FoundGame& g = shown_[r];
        QString game = g.running ? tr("running") : tr("waiting");
        if (g.version != QLatin1String(wire::Version)) game += tr(" (version %1)").arg(g.version);
        // A private game says nothing of itself but that it is here.
        gameList->setItem(r, ColName, cell(g.name.isEmpty() ? tr("(a private game)") : g.name));
        gameList->setItem(r, ColAddress,
                          cell(g.thisComputer ? g.address + tr(" (this computer)") : g.address));
        gameList->setItem(r, ColPlayers, cell(QString::number(g.players)));
        gameList->setItem(r, ColSpys, cell(QString::number(g.spys)));
        gameList->setItem(r, ColGame, cell(game));
    }
    if (finder.searching())
        listStatus->setText(tr("Looking for games on this network…"));
    else if (shown_.isEmpty())
        listStatus->setText(tr("No games found on this network."));
    else
        listStatus->setText(shown_.size() == 1
                                ? tr("1 game found.")
                                : tr("%n games found.", nullptr, int(shown_.size())));
}

void JoinGameDialog::gameChosen() {
    const int r = gameList->currentRow();
    if (r < 0 || r >= shown_.size() || probe.running()) return;
    addressEdit->setText(shown_[r].address);
    statusLabel->clear();
}

void JoinGameDialog::joinClick() {
    if (probe.running()) return;
    QString problem = nameProblem(nameEdit->text());
    if (problem.isEmpty()) problem = addressProblem(addressEdit->text());
    if (!problem.isEmpty()) return showProblem(problem);
    probing_ = addressEdit->text().trimmed();
    const invite::Address where = *invite::readAddress(probing_);
    if (hostingHere && GameFinder::isThisComputer(QHostAddress(where.host)))
        return showProblem(tr("That is this copy's own game. Start the program "
                              "once more to join it from a second copy."));
    setBusy(true);
    listStatus->setText(tr("Asking %1 for its game…").arg(probing_));
    probe.start(where.host, where.hasPort ? where.port : gamePort);
}

void JoinGameDialog::probeFinished(JoinProbe::Result r) {
    setBusy(false);
    showGames();
    switch (r) {
    case JoinProbe::Hosted:
        statusLabel->clear();
        emit joinRequested(nameEdit->text().trimmed(), probing_);
        break;
    case JoinProbe::Full:
        showProblem(tr("The game at %1 is full.").arg(probing_));
        break;
    case JoinProbe::NoGame:
        showProblem(tr("No game is hosted at %1.").arg(probing_));
        break;
    }
}

void JoinGameDialog::setBusy(bool busy) {
    for (QWidget* w : {static_cast<QWidget*>(nameEdit), static_cast<QWidget*>(addressEdit),
                       static_cast<QWidget*>(gameList), static_cast<QWidget*>(refreshButton),
                       static_cast<QWidget*>(joinButton)})
        w->setEnabled(!busy);
    if (busy) statusLabel->clear();
}

void JoinGameDialog::showProblem(const QString& text) {
    statusLabel->setText(text);
}

void JoinGameDialog::reject() {
    probe.cancel();
    finder.cancel();
    QDialog::reject();
}
