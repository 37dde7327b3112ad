#include "thelp.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "help_texts.h"

namespace {
const QColor Parchment(160, 150, 131);

TSelButton* sideButton(QWidget* parent, const QString& caption, int tag) {
    auto* b = new TSelButton(parent);
    b->setFixedSize(109, 20);
    b->setCaption(caption);
    b->setProperty("tag", tag);
    b->setColor(Parchment);
    b->ColorOver = Parchment.lighter(115);
    b->ColorDown = Parchment.darker(110);
    b->setColorBorder(Qt::black);
    b->ColorOverCaption = Qt::black;
    // A light silver that still reads on the parchment fill.
    b->setFontColor(QColor(246, 242, 232));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    f.setBold(true);
    f.setStretch(QFont::SemiCondensed); // the wider fallback fonts must fit 109 pixels
    b->setFont(f);
    return b;
}
} // namespace

Thelp::Thelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Kelvoa - Help File"));
    resize(532, 449);

    auto* side = new QWidget(this);
    side->setFixedWidth(129);
    side->setAutoFillBackground(true);
    QPalette sp = side->palette();
    sp.setColor(QPalette::Window, QColor(52, 35, 23));
    side->setPalette(sp);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(10, 10, 10, 10);
    sideLayout->setSpacing(6);
    const std::pair<int, const char*> topics[] = {
        {1, QT_TR_NOOP("Overview")},      {2, QT_TR_NOOP("Connecting")},
        {3, QT_TR_NOOP("Game Play")},     {4, QT_TR_NOOP("The Computer")},
        {5, QT_TR_NOOP("Documentation")}, {11, QT_TR_NOOP("The Lobby")}};
    for (const auto& [tag, caption] : topics) {
        TSelButton* b = sideButton(side, tr(caption), tag);
        b->OnClick = [this](TSelButton* s) { SelButton1Click(s); };
        SelButton[tag] = b;
        sideLayout->addWidget(b);
    }
    sideLayout->addStretch(1);
    auto* credits = new QLabel(tr("Kelvoa\nby the Kelvoa team\n2026\nAll rights reserved."), side);
    credits->setStyleSheet(QStringLiteral("color: rgb(160,150,131); font-size: 10px;"));
    sideLayout->addWidget(credits);
    button_about = sideButton(side, tr("About"), 10);
    button_about->OnClick = [this](TSelButton*) {
        if (showAbout) showAbout();
    };
    button_done = sideButton(side, tr("Done"), 10);
    button_done->OnClick = [this](TSelButton*) { hide(); };
    sideLayout->addWidget(button_about);
    sideLayout->addWidget(button_done);

    label_caption = new QLabel(tr("Overview"), this);
    label_caption->setAlignment(Qt::AlignCenter);
    QFont cf = label_caption->font();
    cf.setPixelSize(16);
    cf.setBold(true);
    label_caption->setFont(cf);
    label_caption->setStyleSheet(QStringLiteral("color: rgb(160,150,131);"));

    stack = new QStackedWidget(this);
    const std::pair<int, QString> texts[] = {{1, helptext::overview()}, {2, helptext::connecting()},
                                             {3, helptext::gamePlay()}, {4, helptext::computer()},
                                             {5, helptext::history()},  {11, helptext::lobby()}};
    for (const auto& [tag, text] : texts) {
        auto* m = new QTextBrowser(stack);
        m->setPlainText(text);
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m->setStyleSheet(
            QStringLiteral("QTextBrowser { background: white; color: black; padding: 5px;"
                           " font-family: Arial, 'DejaVu Sans'; font-size: 11px; }"));
        memo[tag] = m;
        stack->addWidget(m);
    }
    stack->setCurrentWidget(memo[1]);

    auto* main = new QVBoxLayout;
    main->addWidget(label_caption);
    main->addWidget(stack, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 6, 6);
    layout->addWidget(side);
    layout->addLayout(main, 1);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void Thelp::SelButton1Click(TSelButton* sender) {
    const int tag = sender->property("tag").toInt();
    const auto it = memo.find(tag);
    if (it == memo.end()) return;
    stack->setCurrentWidget(it->second);
    label_caption->setText(sender->Caption());
}

int Thelp::shownTopic() const {
    for (const auto& [tag, m] : memo)
        if (stack->currentWidget() == m) return tag;
    return 0;
}
