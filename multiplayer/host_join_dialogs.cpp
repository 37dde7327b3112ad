#include "host_join_dialogs.h"

#include <QClipboard>
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
    if (n.isEmpty()) return QStringLiteral("Please enter your name.");
    // The toolkit would take a leading '-' on the command line for its own option.
    if (n.startsWith(QLatin1Char('-'))) return QStringLiteral("A name cannot begin with '-'.");
    for (const QChar c : n)
        if (c.category() == QChar::Other_Control || c == QChar(0xFF))
            return QStringLiteral("Please use letters, digits and punctuation in your name.");
    if (wire::decode(wire::encode(n)) != n)
        return QStringLiteral("Your name can hold only Western European letters.");
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
    setWindowTitle(QStringLiteral("Host a Game"));
    setWindowModality(Qt::WindowModal);

    nameEdit = new QLineEdit(name, this);
    nameEdit->setMaxLength(MaxNameLength);
    nameEdit->setPlaceholderText(QStringLiteral("the name the others see"));

    addressList = new QListWidget(this);
    for (const QHostAddress& a : addresses)
        addressList->addItem(a.toString());
    addressList->setMaximumHeight(90);
    if (addressList->count()) addressList->setCurrentRow(0);
    copyButton = new QPushButton(QStringLiteral("Copy"), this);
    copyButton->setEnabled(addressList->count() > 0);
    copyButton->setToolTip(QStringLiteral("Copy the chosen address, to send it to a friend"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Your name:"), nameEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(plainLabel(
        addresses.isEmpty()
            ? QStringLiteral("This computer has no network address: only a copy on this "
                             "computer can join (at 127.0.0.1).")
            : QStringLiteral("Others join you at one of these addresses of this computer:"),
        this));
    auto* row = new QHBoxLayout;
    row->addWidget(addressList, 1);
    row->addWidget(copyButton, 0, Qt::AlignTop);
    layout->addLayout(row);
    addressList->setVisible(!addresses.isEmpty());
    copyButton->setVisible(!addresses.isEmpty());
    layout->addWidget(plainLabel(QStringLiteral("Over the internet: forward TCP port 7772 on "
                                                "your router to this computer."),
                                 this));
    privateBox = new QCheckBox(QStringLiteral("Only players with the invite"), this);
    privateBox->setToolTip(QStringLiteral("A fresh code each time you host; only those who "
                                          "have your invite link can join"));
    copyInviteButton = new QPushButton(QStringLiteral("Copy Invite"), this);
    copyInviteButton->setToolTip(
        QStringLiteral("Copy a line with your game's link, to send it to a friend"));
    auto* inviteRow = new QHBoxLayout;
    inviteRow->addWidget(privateBox, 1);
    inviteRow->addWidget(copyInviteButton);
    layout->addLayout(inviteRow);
    statusLabel = statusLine(this);
    layout->addWidget(statusLabel);

    auto* buttons = new QDialogButtonBox(this);
    hostButton = buttons->addButton(QStringLiteral("Host"), QDialogButtonBox::AcceptRole);
    cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    hostButton->setDefault(true);
    layout->addWidget(buttons);

    connect(hostButton, &QPushButton::clicked, this, &HostGameDialog::hostClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(copyButton, &QPushButton::clicked, this, &HostGameDialog::copyClick);
    connect(copyInviteButton, &QPushButton::clicked, this, &HostGameDialog::copyInviteClick);
    connect(privateBox, &QCheckBox::toggled, statusLabel, &QLabel::clear);
    connect(nameEdit, &QLineEdit::textEdited, statusLabel, &QLabel::clear);
    resize(420, sizeHint().height());
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
        return showProblem(QStringLiteral("This computer has no network address to invite to."));
    // A private game's code is made when it starts; before that there is none to send.
    if (!hostingHere && privateBox->isChecked())
        return showProblem(QStringLiteral("The code is made when the private game starts: "
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

// ---- Join a Game ----

JoinGameDialog::JoinGameDialog(const QString& name, const QString& address, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("joinGameDialog"));
    setWindowTitle(QStringLiteral("Join a Game"));
    setWindowModality(Qt::WindowModal);

    nameEdit = new QLineEdit(name, this);
    nameEdit->setMaxLength(HostGameDialog::MaxNameLength);
    nameEdit->setPlaceholderText(QStringLiteral("the name the others see"));
    addressEdit = new QLineEdit(address, this);
    addressEdit->setPlaceholderText(QStringLiteral("a name or an IP address"));

    gameList = new QTableWidget(0, ColumnCount, this);
    gameList->setHorizontalHeaderLabels({QStringLiteral("Host"), QStringLiteral("Address"),
                                         QStringLiteral("Players"), QStringLiteral("Spys"),
                                         QStringLiteral("Game")});
    gameList->setSelectionBehavior(QAbstractItemView::SelectRows);
    gameList->setSelectionMode(QAbstractItemView::SingleSelection);
    gameList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gameList->verticalHeader()->hide();
    gameList->horizontalHeader()->setSectionResizeMode(ColName, QHeaderView::Stretch);
    for (int c = ColAddress; c < ColumnCount; ++c)
        gameList->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    gameList->setMinimumHeight(130);
    listStatus = plainLabel(QString(), this);
    refreshButton = new QPushButton(QStringLiteral("Refresh"), this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Your name:"), nameEdit);
    form->addRow(QStringLiteral("Host's address:"), addressEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(plainLabel(QStringLiteral("Games on this network:"), this));
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
    joinButton = buttons->addButton(QStringLiteral("Join"), QDialogButtonBox::AcceptRole);
    cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    joinButton->setDefault(true);
    layout->addWidget(buttons);

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
    inviteLabel->setText(
        inviteCode.isEmpty()
            ? QString()
            : QStringLiteral("Invited to a private game (code %1).").arg(inviteCode));
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
        QString game = g.running ? QStringLiteral("running") : QStringLiteral("waiting");
        if (g.version != QLatin1String(wire::Version))
            game += QStringLiteral(" (version %1)").arg(g.version);
        gameList->setItem(r, ColName, cell(g.name));
        gameList->setItem(
            r, ColAddress,
            cell(g.thisComputer ? g.address + QStringLiteral(" (this computer)") : g.address));
        gameList->setItem(r, ColPlayers, cell(QString::number(g.players)));
        gameList->setItem(r, ColSpys, cell(QString::number(g.spys)));
        gameList->setItem(r, ColGame, cell(game));
    }
    if (finder.searching())
        listStatus->setText(QStringLiteral("Looking for games on this network…"));
    else if (shown_.isEmpty())
        listStatus->setText(QStringLiteral("No games found on this network."));
    else
        listStatus->setText(shown_.size() == 1
                                ? QStringLiteral("1 game found.")
                                : QStringLiteral("%1 games found.").arg(shown_.size()));
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
        return showProblem(QStringLiteral("That is this copy's own game. Start the program "
                                          "once more to join it from a second copy."));
    setBusy(true);
    listStatus->setText(QStringLiteral("Asking %1 for its game…").arg(probing_));
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
        showProblem(QStringLiteral("The game at %1 is full.").arg(probing_));
        break;
    case JoinProbe::NoGame:
        showProblem(QStringLiteral("No game is hosted at %1.").arg(probing_));
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
