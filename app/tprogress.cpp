#include "tprogress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <cmath>

Tprogress::Tprogress(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("progress"));
    setWindowTitle(tr("Preparing \"Expert\""));
    label_what = new QLabel(tr("Solving the endgame exactly for the \"Expert\" computer player.\n"
                               "This happens once; meanwhile the computer plays \"Strong\"."),
                            this);
    label_what->setWordWrap(true);
    progress_done = new QProgressBar(this);
    progress_done->setRange(0, 1000);
    progress_done->setFormat(QStringLiteral("%p %"));
    progress_done->setTextVisible(true);
    label_left = new QLabel(timeLeftText(-1), this);
    button_cancel = new QPushButton(tr("Cancel"), this);
    connect(button_cancel, &QPushButton::clicked, this, [this] {
        emit cancelled();
        hide();
    });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(label_left, 1);
    bottom->addWidget(button_cancel);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(16, 14, 16, 14);
    box->setSpacing(10);
    box->addWidget(label_what);
    box->addWidget(progress_done);
    box->addLayout(bottom);
    setFixedWidth(420);
}

QString Tprogress::timeLeftText(double s) {
    if (s < 0) return tr("Estimating the time left…");
    const int secs = static_cast<int>(std::lround(s));
    if (secs < 60) return tr("About %1 s left").arg(std::max(secs, 1));
    return tr("About %1:%2 left").arg(secs / 60).arg(secs % 60, 2, 10, QChar('0'));
}

void Tprogress::setProgress(double fraction, double secondsLeft) {
    progress_done->setValue(static_cast<int>(std::lround(fraction * 1000)));
    progress_done->setFormat(QStringLiteral("%1 %").arg(fraction * 100, 0, 'f', 1));
    label_left->setText(timeLeftText(secondsLeft));
}

void Tprogress::closeEvent(QCloseEvent* e) {
    if (isVisible()) emit cancelled();
    e->accept();
}
