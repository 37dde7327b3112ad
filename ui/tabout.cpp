#include "tabout.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

QPixmap kelvoaLogo() {
    QPixmap pm(245, 76);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wood(0, 0, 0, 76);
    wood.setColorAt(0, QColor(92, 62, 38));
    wood.setColorAt(1, QColor(46, 30, 19));
    p.setBrush(wood);
    p.setPen(QPen(QColor(196, 160, 88), 2));
    p.drawRoundedRect(QRectF(1, 1, 243, 74), 8, 8);
    // Five rosette dots, as on the board.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(36, 64, 140));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(40 + i * 41, 64), 4, 4);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(38);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 5);
    QPainterPath text;
    text.addText(0, 0, f, QStringLiteral("KELVOA"));
    const QRectF b = text.boundingRect();
    text.translate(122.5 - b.center().x(), 34 - b.center().y());
    p.setBrush(QColor(20, 12, 6));
    p.drawPath(text.translated(2, 2));
    QLinearGradient gold(0, 14, 0, 54);
    gold.setColorAt(0, QColor(250, 222, 140));
    gold.setColorAt(1, QColor(184, 134, 52));
    p.setBrush(gold);
    p.drawPath(text);
    return pm;
}

Tabout::Tabout(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setWindowTitle(tr("Kelvoa - About"));
    setFixedSize(304, 174);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(52, 35, 23));
    pal.setColor(QPalette::WindowText, QColor(214, 200, 170));
    setPalette(pal);

    URL1.URL = QString::fromLatin1(MakerAddress);
    URL1.URLType = TURLType::utHttp;

    Image1 = new QLabel(this);
    Image1->setPixmap(kelvoaLogo());
    Image1->setAlignment(Qt::AlignCenter);
    Image1->installEventFilter(this);
    Label7 = new QLabel(QString::fromLatin1(MakerAddress), this);
    Label7->setAlignment(Qt::AlignCenter);
    Label7->setCursor(Qt::PointingHandCursor);
    Label7->setStyleSheet(QStringLiteral("color: rgb(132,185,164); text-decoration: underline;"));
    Label7->installEventFilter(this);
    auto* credits =
        new QLabel(tr("Programmed by the Kelvoa team, 2026.\nAll rights reserved."), this);
    credits->setAlignment(Qt::AlignCenter);

    auto* versionRow = new QHBoxLayout;
    versionRow->setSpacing(0);
    versionRow->addWidget(new QLabel(tr("Version "), this));
    version = new QLabel(QStringLiteral("1.0.3"), this);
    versionRow->addWidget(version);
    versionRow->addWidget(new QLabel(QStringLiteral(".6"), this));
    versionRow->addStretch(1);
    Button1 = new QPushButton(tr("OK"), this);
    connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
    versionRow->addWidget(Button1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(2);
    layout->addWidget(Image1);
    layout->addWidget(Label7);
    layout->addWidget(credits);
    layout->addLayout(versionRow);
}

bool Tabout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Label7) Label7Click();
        if (watched == Image1) Image1Click();
    }
    return QWidget::eventFilter(watched, event);
}

void Tabout::Label7Click() {
    // A desktop that cannot open it shows nothing to the player.
    URL1.open();
}
