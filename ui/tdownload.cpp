#include "tdownload.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
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
    p.drawText(QRect(0, 84, 300, 56), Qt::AlignCenter, QStringLiteral("The Korvan Lobby"));
    return pm;
}
} // namespace

Tdownload::Tdownload(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      folder(QCoreApplication::applicationDirPath()) {
    setWindowTitle(QStringLiteral("Download The Korvan Lobby"));
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
    dlLayout->addWidget(
        text(dl, QStringLiteral("Download The Korvan Lobby Now to play this  and other "
                                "exciting games online with other players! ")));
    getbutton = new QPushButton(QStringLiteral("Download And Install The Korvan Lobby Now"), dl);
    abortbutton = new QPushButton(QStringLiteral("Stop Download"), dl);
    abortbutton->setEnabled(false);
    infolabel = text(dl, QString());
    infolabel3 = text(dl, QString());
    infolabel2 = new QLabel(dl);
    infolabel2->hide();
    for (QWidget* w : {static_cast<QWidget*>(getbutton), static_cast<QWidget*>(abortbutton),
                       static_cast<QWidget*>(infolabel), static_cast<QWidget*>(infolabel3)})
        dlLayout->addWidget(w);
    dlLayout->addStretch(1);

    QWidget* solo = whitePanel(this);
    auto* soloLayout = new QVBoxLayout(solo);
    soloLayout->addWidget(
        text(solo, QStringLiteral("To proceed to the game without the ability to play "
                                  "against others click the button below.")));
    Button1 = new QPushButton(QStringLiteral("Play Solo Game"), solo);
    Button1->setDefault(true);
    soloLayout->addWidget(Button1);
    soloLayout->addWidget(
        text(solo, QStringLiteral("Note: Even if you are playing offline, you will need "
                                  "to configure your FIREWALL to allow the game to "
                                  "access the internet components.")));

    QWidget* lobby = whitePanel(this);
    auto* lobbyLayout = new QVBoxLayout(lobby);
    lobbyLayout->addWidget(
        text(lobby, QStringLiteral("If you already have The Korvan Lobby and you wish to "
                                   "play with others then click the button below to "
                                   "close this game and open The Korvan Lobby.")));
    Button2 = new QPushButton(QStringLiteral("Play with Others"), lobby);
    lobbyLayout->addWidget(Button2);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setSpacing(10);
    grid->addWidget(dl, 0, 0, 2, 1);
    grid->addWidget(solo, 0, 1);
    grid->addWidget(lobby, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    connect(getbutton, &QPushButton::clicked, this, &Tdownload::getbuttonClick);
    connect(abortbutton, &QPushButton::clicked, this, &Tdownload::abortbuttonClick);
    connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
    connect(Button2, &QPushButton::clicked, this, &Tdownload::Button2Click);
}

void Tdownload::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Centred on the desktop, over the starting game.
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void Tdownload::getbuttonClick() {
    if (reply_) return;
    setState(1);
    const QString name = address.section(QLatin1Char('/'), -1);
    infolabel2->setText(name);
    file_.setFileName(QDir(folder).filePath(name));
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        infolabel->setText(QStringLiteral("Download Aborted"));
        setState(2);
        return;
    }
    getbutton->setEnabled(false);
    abortbutton->setEnabled(true);
    infolabel->setText(QStringLiteral("Loading"));
    received_ = 0;
    begun_ = false;

    QNetworkRequest request{QUrl(address)};
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Mozilla/3.0 (compatible)"));
    request.setRawHeader("Accept", "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    reply_ = http_.get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
        // One dot per header line received.
        const int lines = static_cast<int>(reply_->rawHeaderPairs().size());
        infolabel->setText(infolabel->text() + QString(lines, QLatin1Char('.')));
    });
    connect(reply_, &QNetworkReply::readyRead, this, [this] {
        if (!begun_) {
            begun_ = true;
            infolabel3->setText(QStringLiteral("Downloading: ") + infolabel2->text());
        }
        const QByteArray chunk = reply_->readAll();
        file_.write(chunk);
        received_ += chunk.size();
        infolabel->setText(QStringLiteral("%1 bytes").arg(received_));
    });
    connect(reply_, &QNetworkReply::finished, this, &Tdownload::finished);
}

void Tdownload::finished() {
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status >= 400) {
        infolabel->setText(QStringLiteral("Download Aborted"));
        setState(2);
    } else {
        file_.write(reply->readAll());
        file_.flush();
        infolabel->setText(QStringLiteral("Received %1 bytes").arg(file_.size()));
    }
    reply->deleteLater();
    getbutton->setEnabled(true);
    abortbutton->setEnabled(false);
    const QString installer = file_.fileName();
    file_.close();
    emit downloadEnded();
    if (state() == 2) return;
    infolabel3->setText(QStringLiteral("Installing"));
    QFile::setPermissions(installer, QFile::permissions(installer) | QFileDevice::ExeOwner);
    if (!shellOpen || !shellOpen(installer, {QStringLiteral("/SP-"), QStringLiteral("/silent"),
                                             QStringLiteral("/noicons")})) {
        messagebox(QStringLiteral("An Error has Occurred."));
        return;
    }
    // The installer runs with the game closed.
    if (exitGame) exitGame();
}

void Tdownload::abortbuttonClick() {
    if (reply_) reply_->abort();
    // abort() finishes the reply at once; these texts are what remains shown
    // next to the failure's "Download Aborted".
    if (infolabel->text() != QLatin1String("Download Aborted"))
        infolabel->setText(QStringLiteral("Download has been aborted."));
    setState(2);
    infolabel3->setText(QStringLiteral("Download Aborted"));
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
    messagebox(
        QStringLiteral("Please close the game and open the Korvan Lobby using the icon on your "
                       "desktop or using the your Window's start-up menu."));
}
