#include "windows.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPushButton>
#include <QVBoxLayout>

Tphrases::Tphrases(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("phrases"));
    setWindowTitle(tr("Kelvoa - Phrase Buttons "));
    setFixedSize(368, 261);
    // The main window's walnut, so the editor looks like part of the table.
    setAutoFillBackground(true);
    QPalette pal = palette();
    QLinearGradient wood(0, 0, 0, 1);
    wood.setCoordinateMode(QGradient::ObjectMode);
    wood.setColorAt(0.0, QColor(71, 47, 30));
    wood.setColorAt(1.0, QColor(43, 28, 18));
    pal.setBrush(QPalette::Window, wood);
    pal.setColor(QPalette::WindowText, QColor(236, 222, 190));
    setPalette(pal);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, 12, 14, 10);
    grid->setVerticalSpacing(3);
    for (int i = 0; i < Count; ++i) {
        auto* label = new QLabel(tr("Phrase Button %1:").arg(i + 1), this);
        phrase[i] = new QLineEdit(this);
        phrase[i]->setObjectName(QStringLiteral("phrase%1").arg(i + 1));
        phrase[i]->setMaxLength(MaxLength);
        phrase[i]->setStyleSheet(QStringLiteral(
            "QLineEdit { background: rgb(160,149,131); color: black; border: 1px solid "
            "rgb(30,20,12); padding: 0 3px; }"));
        grid->addWidget(label, i, 0);
        grid->addWidget(phrase[i], i, 1);
    }
    auto* note = new QLabel(tr("Buttons can only be used once every 2 seconds"), this);
    QFont nf = note->font();
    nf.setItalic(true);
    note->setFont(nf);
    button_done = new QPushButton(tr("Done"), this);
    button_done->setFlat(true);
    button_done->setCursor(Qt::PointingHandCursor);
    button_done->setStyleSheet(QStringLiteral(
        "QPushButton { color: rgb(236,222,190); border: 1px solid rgb(222,184,102); padding: 2px "
        "18px; } QPushButton:hover { background: rgba(222,184,102,60); }"));
    grid->addWidget(note, Count, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(button_done, Count + 1, 1, Qt::AlignRight);
    connect(button_done, &QPushButton::clicked, this, [this] {
        if (onDone) onDone(texts());
        close();
    });
}

void Tphrases::setPhrases(const Texts& phrases) {
    for (int i = 0; i < Count; ++i)
        phrase[i]->setText(phrases[std::size_t(i)]);
}

Tphrases::Texts Tphrases::texts() const {
    Texts t;
    for (int i = 0; i < Count; ++i)
        t[std::size_t(i)] = phrase[i]->text();
    return t;
}
