#include "tdownload.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QWidget* whitePanel(QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(pal);
    return w;
}

QLabel* text(QWidget* parent, const QString& t) {
    auto* l = new QLabel(t, parent);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

// The promotional picture: a board row and the lobby's name.
QPixmap promotion() {
    QPixmap pm(300, 150);
    pm.fill(QColor(52, 35, 23));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 5; ++i) {
        const QRectF cell(18 + i * 54, 22, 48, 48);
        p.setBrush(i % 2 ? QColor(234, 222, 196) : QColor(36, 64, 140));
        p.setPen(QPen(QColor(120, 84, 40), 2));
        p.drawRoundedRect(cell, 4, 4);
    }
    p.setBrush(QColor(46, 160, 70));
    p.drawEllipse(QPointF(45, 46), 12, 12);
    p.setBrush(QColor(230, 120, 30));
    p.drawEllipse(QPointF(207, 46), 12, 12);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(24);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(222, 184, 102));
    p.drawText(QRect(0, 84, 300, 56), Qt::AlignCenter, Tdownload::tr("The Korvan Lobby"));
    return pm;
}

// What went wrong, as a player would say it.
QString whyFailed(QNetworkReply::NetworkError error, int status) {
    const QString head = Tdownload::tr("The Korvan Lobby could not be downloaded: ");
    if (status == 404 || status == 410 || error == QNetworkReply::ContentNotFoundError ||
        error == QNetworkReply::ContentGoneError)
        return head + Tdownload::tr("its web server does not have it.");
    if (status == 401 || status == 403 || error == QNetworkReply::ContentAccessDenied ||
        error == QNetworkReply::AuthenticationRequiredError)
        return head + Tdownload::tr("its web server refused to give it.");
    if (status >= 400)
        return head + Tdownload::tr("its web server answered with error %1.").arg(status);
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        return head + Tdownload::tr("its web server could not be found. Is this computer "
                                    "connected to the internet?");
    case QNetworkReply::ConnectionRefusedError:
        return head + Tdownload::tr("its web server refused the connection.");
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // the transfer time-out, not "Stop"
        return head + Tdownload::tr("its web server did not answer.");
    case QNetworkReply::RemoteHostClosedError:
        return head + Tdownload::tr("its web server broke the connection off.");
    default:
        return head + Tdownload::tr("the connection to its web server failed.");
    }
}

// Playing with others has not needed the lobby since the File menu learnt it.
QString withoutLobby() {
    return Tdownload::tr(
        "You can play with others without the lobby: in the game's File menu, choose "
        "\"Host a Game…\" to host a game, or \"Join a Game…\" to join one.");
}
} // namespace

Tdownload::Tdownload(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      folder(QCoreApplication::applicationDirPath()) {
    if (const QString mirror = qEnvironmentVariable(AddressVariable); !mirror.isEmpty())
        address = mirror;
    setWindowTitle(tr("Download The Korvan Lobby"));
    resize(724, 500);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(52, 35, 23));
    setPalette(pal);

    shellOpen = [](const QString& program, const QStringList& args) {
        return QProcess::startDetached(program, args);
    };
    messagebox = [this](const QString& t) {
        QMessageBox::information(this, QStringLiteral("Kelvoa"), t);
    };

    QWidget* dl = whitePanel(this);
    auto* dlLayout = new QVBoxLayout(dl);
    auto* picture = new QLabel(dl);
    picture->setPixmap(promotion());
    picture->setAlignment(Qt::AlignCenter);
    dlLayout->addWidget(picture);
    dlLayout->addWidget(text(dl, tr("Download The Korvan Lobby Now to play this  and other "
                                    "exciting games online with other players! ")));
    getbutton = new QPushButton(tr("Download And Install The Korvan Lobby Now"), dl);
    abortbutton = new QPushButton(tr("Stop Download"), dl);
    abortbutton->setEnabled(false);
    infolabel = text(dl, QString());
    infolabel3 = text(dl, QString());
    infolabel2 = new QLabel(dl);
    infolabel2->hide();
    infolabel4 = text(dl, QString());
    infolabel4->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    infolabel4->setStyleSheet(
        QStringLiteral("QLabel { background: rgb(251,244,228); color: rgb(92,36,14);"
                       " border: 1px solid rgb(214,178,104); border-radius: 4px; padding: 6px; }"));
    infolabel4->hide();
    for (QWidget* w : {static_cast<QWidget*>(getbutton), static_cast<QWidget*>(abortbutton),
                       static_cast<QWidget*>(infolabel), static_cast<QWidget*>(infolabel3),
                       static_cast<QWidget*>(infolabel4)})
        dlLayout->addWidget(w);
    dlLayout->addStretch(1);

    QWidget* solo = whitePanel(this);
    auto* soloLayout = new QVBoxLayout(solo);
    soloLayout->addWidget(text(solo, tr("To proceed to the game without the ability to play "
                                        "against others click the button below.")));
    Button1 = new QPushButton(tr("Play Solo Game"), solo);
    Button1->setDefault(true);
    soloLayout->addWidget(Button1);
    soloLayout->addWidget(text(solo, tr("Note: Even if you are playing offline, you will need "
                                        "to configure your FIREWALL to allow the game to "
                                        "access the internet components.")));

    QWidget* lobby = whitePanel(this);
    auto* lobbyLayout = new QVBoxLayout(lobby);
    lobbyLayout->addWidget(text(lobby, tr("If you already have The Korvan Lobby and you wish to "
                                          "play with others then click the button below to "
                                          "close this game and open The Korvan Lobby.")));
    Button2 = new QPushButton(tr("Play with Others"), lobby);
    lobbyLayout->addWidget(Button2);
    // Most players have no lobby: say where playing with others is without it.
    QLabel* noLobby = text(lobby, tr("No lobby program? You do not need it: \"Play with "
                                     "Others\" then opens the public lobby, where you meet "
                                     "other players, and File > \"Host a Game…\" in the "
                                     "game's window hosts a game for others to join."));
    noLobby->setStyleSheet(QStringLiteral("color: rgb(96,80,64);"));
    lobbyLayout->addWidget(noLobby);

    // On the walnut under the panels: whether this window opens at a solo
    // start, and where to find it when it does not.
    check_showatstart = new QCheckBox(tr("Show this window at start"), this);
    check_showatstart->setChecked(true);
    auto* later = new QLabel(
        tr("It is always at hand in the game's Help menu: \"The Korvan Lobby…\"."), this);
    for (QWidget* w : {static_cast<QWidget*>(check_showatstart), static_cast<QWidget*>(later)}) {
        QPalette lp = w->palette();
        lp.setColor(QPalette::WindowText, QColor(234, 222, 196));
        w->setPalette(lp);
    }
    check_showatstart->setStyleSheet(QStringLiteral("QCheckBox { color: rgb(234,222,196); }"));
    auto* foot = new QHBoxLayout;
    foot->addWidget(check_showatstart);
    foot->addSpacing(16);
    foot->addWidget(later, 1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setSpacing(10);
    grid->addWidget(dl, 0, 0, 2, 1);
    grid->addWidget(solo, 0, 1);
    grid->addWidget(lobby, 1, 1);
    grid->addLayout(foot, 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);

    connect(getbutton, &QPushButton::clicked, this, &Tdownload::getbuttonClick);
    connect(abortbutton, &QPushButton::clicked, this, &Tdownload::abortbuttonClick);
    connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
    connect(Button2, &QPushButton::clicked, this, &Tdownload::Button2Click);
    connect(check_showatstart, &QCheckBox::clicked, this, [this](bool on) {
        if (onShowAtStart) onShowAtStart(on);
    });
}

void Tdownload::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Centred on the desktop, over the starting game.
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void Tdownload::getbuttonClick() {
    if (reply_) return;
    setState(1);
    stopped_ = false;
    infolabel4->clear();
    infolabel4->hide();
    const QString name = address.section(QLatin1Char('/'), -1);
    infolabel2->setText(name);
    file_.setFileName(QDir(folder).filePath(name));
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        infolabel->setText(tr("Download Aborted"));
        setState(2);
        failed(tr("The installer could not be saved in %1.").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    getbutton->setEnabled(false);
    abortbutton->setEnabled(true);
    infolabel->setText(tr("Loading"));
    received_ = 0;
    begun_ = false;

    QNetworkRequest request{QUrl(address)};
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Mozilla/3.0 (compatible)"));
    request.setRawHeader("Accept", "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setTransferTimeout(TransferTimeoutMs);
    reply_ = http_.get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
        // One dot per header line received.
        const int lines = static_cast<int>(reply_->rawHeaderPairs().size());
        infolabel->setText(infolabel->text() + QString(lines, QLatin1Char('.')));
    });
    connect(reply_, &QNetworkReply::readyRead, this, [this] {
        // A server's error page is not the installer: nothing of it is saved
        // or announced as downloading.
        if (reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 400) {
            reply_->readAll();
            return;
        }
        if (!begun_) {
            begun_ = true;
            infolabel3->setText(tr("Downloading: ") + infolabel2->text());
        }
        const QByteArray chunk = reply_->readAll();
        file_.write(chunk);
        received_ += chunk.size();
        infolabel->setText(tr("%1 bytes").arg(received_));
    });
    connect(reply_, &QNetworkReply::finished, this, &Tdownload::finished);
}

void Tdownload::finished() {
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status >= 400) {
        infolabel->setText(tr("Download Aborted"));
        setState(2);
        if (!stopped_) failed(whyFailed(reply->error(), status));
    } else {
        file_.write(reply->readAll());
        file_.flush();
        infolabel->setText(tr("Received %1 bytes").arg(file_.size()));
    }
    reply->deleteLater();
    getbutton->setEnabled(true);
    abortbutton->setEnabled(false);
    const QString installer = file_.fileName();
    file_.close();
    emit downloadEnded();
    if (state() == 2) return;
    infolabel3->setText(tr("Installing"));
    QFile::setPermissions(installer, QFile::permissions(installer) | QFileDevice::ExeOwner);
    if (!shellOpen || !shellOpen(installer, {QStringLiteral("/SP-"), QStringLiteral("/silent"),
                                             QStringLiteral("/noicons")})) {
        messagebox(tr("An Error has Occurred."));
        return;
    }
    // The installer runs with the game closed.
    if (exitGame) exitGame();
}

void Tdownload::failed(const QString& why) {
    infolabel4->setText(why + QStringLiteral("\n\n") + withoutLobby());
    infolabel4->show();
}

void Tdownload::abortbuttonClick() {
    stopped_ = true;
    if (reply_) reply_->abort();
    // abort() finishes the reply at once; these texts are what remains shown
    // next to the failure's "Download Aborted".
    if (infolabel->text() != tr("Download Aborted"))
        infolabel->setText(tr("Download has been aborted."));
    setState(2);
    infolabel3->setText(tr("Download Aborted"));
}

void Tdownload::Button2Click() {
    if (QFileInfo::exists(lobbyPath) && shellOpen && shellOpen(lobbyPath, {})) {
        if (exitGame) exitGame();
        return;
    }
    if (joinGame) {
        hide(); // it stays above other windows, the dialog would be under it
        joinGame();
        return;
    }
    messagebox(tr("Please close the game and open the Korvan Lobby using the icon on your "
                  "desktop or using the your Window's start-up menu."));
}
