#include "ttallylist.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QVBoxLayout>

#include "tally_file.h"

namespace {
const QColor Panel(160, 150, 131);

QLabel* value(QWidget* parent) {
    auto* l = new QLabel(QStringLiteral("0"), parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(44);
    return l;
}
} // namespace

Ttallylist::Ttallylist(QWidget* parent, const QString& file)
    : QWidget(parent, Qt::Dialog), path(file.isEmpty() ? tallyfile::defaultPath() : file) {
    setWindowTitle(tr("Kelvoa  - Tally List"));
    confirm = [this](const QString& q) {
        return QMessageBox::question(this, QStringLiteral("Kelvoa"), q,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    report = [this](const QString& text) {
        QMessageBox::warning(this, QStringLiteral("Kelvoa"), text);
    };
    build();
}

Ttallylist::~Ttallylist() {
    tallyfile::save(path, tally);
}

QString Ttallylist::FormCreate() {
    const QString error = tallyfile::load(path, tally);
    if (!error.isEmpty() && report) report(error);
    loadtally();
    return error;
}

void Ttallylist::build() {
    setFixedSize(467, 568);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Panel.darker(135));
    pal.setColor(QPalette::Base, Panel);
    pal.setColor(QPalette::Button, Panel);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(13);
    setFont(f);
    const QString panelStyle =
        QStringLiteral("QGroupBox { background: rgb(160,150,131); border: 1px solid rgb(90,80,64);"
                       " border-radius: 4px; margin-top: 22px; padding: 6px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 8px; top: 2px; color: "
                       "rgb(238,226,198);"
                       " font-size: 19px; }");

    auto* summary = new QGroupBox(tr("Your Total Tally"), this);
    summary->setStyleSheet(panelStyle);
    auto* sg = new QGridLayout(summary);
    sg->setVerticalSpacing(3);
    sg->setContentsMargins(8, 4, 8, 6);
    const char* names[5] = {"", QT_TR_NOOP("Total Games:"), QT_TR_NOOP("Your Wins"),
                            "Var3:", "Var4:"};
    for (int i = 1; i <= 4; ++i) {
        auto* caption = new QLabel(i <= 2 ? tr(names[i]) : QString::fromLatin1(names[i]), summary);
        mylabel[i] = value(summary);
        sg->addWidget(caption, i - 1, 0);
        sg->addWidget(mylabel[i], i - 1, 1);
        caption->setVisible(i <= 2);
        mylabel[i]->setVisible(i <= 2);
    }

    auto* opponent = new QGroupBox(QString(), this);
    opponent->setStyleSheet(panelStyle);
    auto* og = new QGridLayout(opponent);
    og->setVerticalSpacing(3);
    og->setContentsMargins(8, 4, 8, 6);
    opponent->setMinimumHeight(136);
    label_hisnametop = new QLabel(tr("Tally"), opponent);
    label_hisnametop->setTextFormat(Qt::PlainText); // an opponent's name, as sent
    QFont big = f;
    big.setPixelSize(19);
    label_hisnametop->setFont(big);
    og->addWidget(label_hisnametop, 0, 0, 1, 3);
    og->addWidget(new QLabel(tr("Total"), opponent), 1, 1, Qt::AlignRight);
    og->addWidget(new QLabel(tr("Session"), opponent), 1, 2, Qt::AlignRight);
    label_hisname = new QLabel(tr("XX Wins:"), opponent);
    label_hisname->setTextFormat(Qt::PlainText); // an opponent's name, as sent
    QLabel* rows[4] = {new QLabel(tr("Number of Games"), opponent), label_hisname,
                       new QLabel(tr("Your Wins:"), opponent),
                       new QLabel(tr("Neither Won:"), opponent)};
    for (int r = 0; r < 4; ++r) {
        label[r + 1] = value(opponent);
        label[r + 5] = value(opponent);
        og->addWidget(rows[r], r + 2, 0);
        og->addWidget(label[r + 1], r + 2, 1);
        og->addWidget(label[r + 5], r + 2, 2);
    }
    // The fourth row is kept but not shown.
    rows[3]->hide();
    label[4]->hide();
    label[8]->hide();

    auto* current = new QGroupBox(tr("Players In Current Game"), this);
    current->setStyleSheet(panelStyle);
    checklist = new QListWidget(current);
    (new QVBoxLayout(current))->addWidget(checklist);
    auto* being = new QGroupBox(tr("Players Being Tallied"), this);
    being->setStyleSheet(panelStyle);
    listbox_tally = new QListWidget(being);
    (new QVBoxLayout(being))->addWidget(listbox_tally);

    FlatButton2 = new QPushButton(tr("Reset Tally"), this);
    FlatButton1 = new QPushButton(tr("DONE"), this);
    connect(FlatButton1, &QPushButton::clicked, this, &QWidget::hide);
    connect(FlatButton2, &QPushButton::clicked, this, &Ttallylist::FlatButton2Click);
    connect(checklist, &QListWidget::itemChanged, this, &Ttallylist::checklistClickCheck);
    connect(listbox_tally, &QListWidget::itemChanged, this, &Ttallylist::listbox_tallyClickCheck);
    connect(listbox_tally, &QListWidget::currentRowChanged, this, &Ttallylist::listbox_tallyClick);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(summary);
    left->addWidget(opponent);
    left->addWidget(current, 1);
    current->setMinimumHeight(90);
    auto* right = new QVBoxLayout;
    right->addWidget(being, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FlatButton2);
    buttons->addWidget(FlatButton1);
    right->addLayout(buttons);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addLayout(right, 2);
    chart = new TallyChart(this);
    chart->setFixedHeight(204);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(8, 8, 8, 8);
    whole->addLayout(top, 1);
    whole->addWidget(chart);
}

void Ttallylist::showSummary() {
    for (int i = 1; i <= 4; ++i)
        mylabel[i]->setText(tally.grid.cell(i, 0));
    chart->refresh(tally);
}

void Ttallylist::loadtally() {
    updating_ = true;
    showSummary();
    listbox_tally->clear();
    for (const QString& name : tally.tallied()) {
        auto* item = new QListWidgetItem(name, listbox_tally);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    updating_ = false;
}

void Ttallylist::setCurrentPlayers(const QStringList& names) {
    updating_ = true;
    checklist->clear();
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(name, checklist);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(tally.indexOf(name) >= 0 ? Qt::Checked : Qt::Unchecked);
    }
    updating_ = false;
}

void Ttallylist::addgame(const QString& winner) {
    if (loadchecklist) loadchecklist();
    QStringList opponents;
    for (int i = 0; i < checklist->count(); ++i)
        opponents << checklist->item(i)->text();
    tally.addgame(winner, opponents);
    showSummary();
    if (listbox_tally->currentRow() >= 0) listbox_tallyClick();
}

void Ttallylist::checklistClickCheck(QListWidgetItem* item) {
    if (updating_ || !item) return;
    // Ticking or unticking here only ever starts tallying someone new.
    if (!tally.startTallying(item->text())) return;
    chart->refresh(tally);
    updating_ = true;
    auto* entry = new QListWidgetItem(item->text(), listbox_tally);
    entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
    entry->setCheckState(Qt::Checked);
    updating_ = false;
}

void Ttallylist::listbox_tallyClickCheck(QListWidgetItem* item) {
    if (updating_ || !item || item->checkState() != Qt::Unchecked) return;
    const int index = listbox_tally->row(item);
    const QString question =
        tr("This will delete %1's Tally, Are you want to delete it?").arg(item->text());
    if (!confirm || !confirm(question)) {
        updating_ = true;
        item->setCheckState(Qt::Checked);
        updating_ = false;
        return;
    }
    tally.stopTallying(index);
    chart->refresh(tally);
    updating_ = true;
    delete listbox_tally->takeItem(index);
    updating_ = false;
}

void Ttallylist::listbox_tallyClick() {
    const int index = listbox_tally->currentRow();
    if (index < 0) return;
    const int row = index + 1;
    for (int c = 1; c <= 8; ++c)
        label[c]->setText(tally.grid.cell(c, row));
    const QString name = tally.grid.cell(0, row);
    label_hisname->setText(tr("%1 Wins:").arg(name));
    label_hisnametop->setText(tr("%1's Tally").arg(name));
}

void Ttallylist::FlatButton2Click() {
    if (!confirm || !confirm(tr("Are you sure you want to reset the Tally?"))) return;
    tally.grid.reset();
    showSummary();
    updating_ = true;
    listbox_tally->clear();
    updating_ = false;
    for (int c = 1; c <= 8; ++c)
        label[c]->setText(QStringLiteral("0"));
}
