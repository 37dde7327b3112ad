#include "tspylist.h"

#include <QMouseEvent>
#include <QVBoxLayout>

Tspylist::Tspylist(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("spylist"));
    setWindowTitle(tr("Kelvoa - Spys"));
    setFixedSize(175, 183);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(52, 35, 23));
    setPalette(pal);

    heading = new QLabel(tr("Spy List"), this);
    QFont hf = heading->font();
    hf.setPixelSize(19);
    hf.setBold(true);
    heading->setFont(hf);
    heading->setStyleSheet(QStringLiteral("color: rgb(160,150,131);"));
    heading->setAlignment(Qt::AlignCenter);

    listbox_spys = new QListWidget(this);
    listbox_spys->setStyleSheet(QStringLiteral("background: rgb(160,150,131);"));
    listbox_spys->setContextMenuPolicy(Qt::CustomContextMenu);
    listbox_spys->setMouseTracking(true);
    listbox_spys->viewport()->setMouseTracking(true);
    listbox_spys->viewport()->installEventFilter(this);

    popup_kick = new QMenu(this);
    popup_kickhim = popup_kick->addAction(tr("Remove From Game"));
    popup_kickhim->setEnabled(false); // until this copy hosts
    connect(popup_kickhim, &QAction::triggered, this, &Tspylist::popup_kickhimClick);
    connect(listbox_spys, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        listbox_spysMouseMove(p);
        popup_kick->popup(listbox_spys->viewport()->mapToGlobal(p));
    });

    button_ok = new QPushButton(tr("Ok"), this);
    connect(button_ok, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(heading);
    layout->addWidget(listbox_spys, 1);
    layout->addWidget(button_ok, 0, Qt::AlignRight);
}

bool Tspylist::eventFilter(QObject* watched, QEvent* event) {
    if (watched == listbox_spys->viewport() && event->type() == QEvent::MouseMove)
        listbox_spysMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
    return QWidget::eventFilter(watched, event);
}

void Tspylist::listbox_spysMouseMove(const QPoint& at) {
    QListWidgetItem* item = listbox_spys->itemAt(at);
    tag_ = item ? listbox_spys->row(item) : -1;
}

void Tspylist::popup_kickhimClick() {
    if (tag_ < 0 || tag_ >= listbox_spys->count()) return;
    const QString entry = listbox_spys->item(tag_)->text();
    bool ok = false;
    const int seat = entry.left(entry.indexOf(':')).toInt(&ok);
    if (!ok) return;
    // The entry goes when the host announces the departure.
    if (kicking) kicking(seat);
}
