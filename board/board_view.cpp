#include "board_view.h"

#include "board_accessible.h"
#include "board_model.h"
#include "chip_animation.h"

namespace board {

namespace {
const QColor Aqua(0, 255, 255);
const QColor ErrorOrange(255, 128, 0);
const QColor WinnerBeige(160, 150, 131);

void colour(QWidget* widget, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

QLabel* textLabel(QWidget* parent, QRect geometry, int pixelSize, const QColor& text,
                  Qt::Alignment align) {
    auto* label = new QLabel(parent);
    // Names and texts here come from peers: never markup.
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setFont(boardFont(pixelSize));
    label->setAlignment(align);
    colour(label, text);
    return label;
}
} // namespace

BoardView::BoardView(QWidget* panel_board) : QObject(panel_board) {
    FlatPanel1 = new QFrame(panel_board);
    FlatPanel1->setObjectName(QStringLiteral("FlatPanel1"));
    FlatPanel1->setGeometry(QRect(PanelPosition, QSize(362, 298)));
    FlatPanel1->setAutoFillBackground(true);
    QPalette black = FlatPanel1->palette();
    black.setColor(QPalette::Window, Qt::black);
    FlatPanel1->setPalette(black);
    // The side controls need no pictures and are built while the pictures
    // decode. The panel's controls all lie inside FlatPanel1, made above, so
    // the order changes no stacking (and none of them takes the focus).
    std::future<std::vector<QImage>> decoding = BoardPictures::decodeElsewhere();
    buildSideControls(panel_board);
    pictures_.emplace(decoding.get());
    buildPanel();
    // The design's names, for style sheets and for finding controls in tests.
    const std::pair<QWidget*, const char*> named[] = {
        {board, "board"},
        {label_error, "label_error"},
        {image_path1, "image_path1"},
        {image_path2, "image_path2"},
        {label_playername1, "label_playername1"},
        {label_playername2, "label_playername2"},
        {Image7, "Image7"},
        {Image6, "Image6"},
        {label_status1, "label_status1"},
        {label_status2, "label_status2"},
        {image_eyes1, "image_eyes1"},
        {image_eyes2, "image_eyes2"},
        {image_Turn, "image_Turn"},
        {image_dice1, "image_dice1"},
        {image_Dice2, "image_Dice2"},
        {image_dice3, "image_dice3"},
        {image_dice4, "image_dice4"},
        {button_roll, "button_roll"},
        {button_start, "button_start"},
        {label_winner1, "label_winner1"},
        {label_winner2, "label_winner2"},
    };
    for (const auto& [widget, name] : named)
        widget->setObjectName(QLatin1String(name));
    installBoardAccessibility();
    reader = new BoardReader(*this);
}

QLabel* BoardView::picture(const QPixmap& pixmap, QRect geometry) {
    auto* label = new QLabel(FlatPanel1);
    label->setGeometry(geometry);
    label->setPixmap(pixmap);
    return label;
}

void BoardView::buildPanel() {
    // Created bottom to top: a later control covers an earlier one.
    board = new BoardPicture(FlatPanel1);
    board->setGeometry(2, 2, 358, 294);
    board->setPixmap(pictures_->board);

    label_error = textLabel(FlatPanel1, {7, 235, 98, 54}, 13, ErrorOrange, Qt::AlignCenter);
    label_error->setWordWrap(true);

    image_path1 = picture(pictures_->path1, {31, 46, 308, 125});
    image_path1->hide();
    image_path2 = picture(pictures_->path2, {31, 70, 286, 113});
    image_path2->hide();
    // The route pictures must never swallow a click meant for a chip.
    image_path1->setAttribute(Qt::WA_TransparentForMouseEvents);
    image_path2->setAttribute(Qt::WA_TransparentForMouseEvents);

    label_playername2 = textLabel(FlatPanel1, {24, 205, 89, 16}, 12, Aqua, Qt::AlignLeft);
    label_playername2->setText(waiting());

    Image7 = new ClickImage(FlatPanel1);
    Image7->setGeometry(213, 56, 33, 26);
    Image7->setPixmap(pictures_->route1);
    Image7->setCursor(Qt::PointingHandCursor);
    Image7->setToolTip(tr("Show the route of seat 1"));
    Image6 = new ClickImage(FlatPanel1);
    Image6->setGeometry(213, 152, 33, 26);
    Image6->setPixmap(pictures_->route2);
    Image6->setCursor(Qt::PointingHandCursor);
    Image6->setToolTip(tr("Show the route of seat 2"));
    connect(Image7, &ClickImage::clicked, this, &BoardView::Image7Click);
    connect(Image6, &ClickImage::clicked, this, &BoardView::Image6Click);

    label_status1 = textLabel(FlatPanel1, {194, 13, 70, 22}, 16, Aqua, Qt::AlignCenter);
    label_status2 = textLabel(FlatPanel1, {194, 202, 70, 22}, 16, Aqua, Qt::AlignCenter);

    // Within a pile lower chip numbers lie on top, and seat 2 above seat 1.
    for (int seat = 1; seat <= SeatCount; ++seat)
        for (int chip = ChipCount; chip >= 1; --chip) {
            auto* image = new ChipImage(seat, chip, FlatPanel1);
            image->setPixmap(pictures_->composeChip(seat, chip));
            chips_[seat - 1][chip - 1] = image;
            connect(image, &ClickImage::clicked, this, [this, image] { emit chipClicked(image); });
            placechip(seat, chip, StartSquare);
        }

    label_playername1 = textLabel(FlatPanel1, {24, 20, 89, 16}, 12, Aqua, Qt::AlignLeft);
    label_playername1->setText(waiting());
    image_eyes1 = picture(pictures_->eyes, {8, 8, 24, 10});
    image_eyes1->hide();
    image_Turn = picture(pictures_->turn, {9, 23, 12, 12});
    image_eyes2 = picture(pictures_->eyes, {8, 222, 24, 10});
    image_eyes2->hide();
    image_dice3 = picture(pictures_->die(-1), {234, 236, 48, 48});
    image_Dice2 = picture(pictures_->die(-1), {184, 236, 48, 48});
    image_dice1 = picture(pictures_->die(-1), {133, 236, 48, 48});
    button_roll = new PictureButton(pictures_->buttonRoll, tr("Roll Dice"), FlatPanel1);
    // The pictures carry the English words; other languages draw their own.
    if (button_roll->text() != QLatin1String("Roll Dice"))
        button_roll->setLabel(QPixmap(QStringLiteral(":/images/button_roll_plain.png")),
                              button_roll->text());
    button_roll->setGeometry(5, 246, 105, 26);
    button_roll->hide();
    image_dice4 = picture(pictures_->die(-1), {283, 236, 48, 48});
    button_start = new PictureButton(pictures_->buttonStart, tr("Start Game"), FlatPanel1);
    if (button_start->text() != QLatin1String("Start Game"))
        button_start->setLabel(QPixmap(QStringLiteral(":/images/button_start_plain.png")),
                               button_start->text());
    button_start->setGeometry(174, 247, 117, 26);
    button_start->hide();
}

void BoardView::buildSideControls(QWidget* panel_board) {
    memo_turn = new TurnLog(panel_board);
    memo_turn->setObjectName(QStringLiteral("memo_turn"));
    memo_turn->setGeometry(8, 40, 318, 240);
    memo_turn->setPlainText(tr("Welcome to Kelvoa!"));
    QPalette parchment = memo_turn->palette();
    parchment.setColor(QPalette::Base, QColor(240, 232, 212));
    parchment.setColor(QPalette::Text, QColor(44, 26, 10));
    memo_turn->setPalette(parchment);

    panel_winner = new QFrame(panel_board);
    panel_winner->setObjectName(QStringLiteral("panel_winner"));
    panel_winner->setGeometry(10, 72, 314, 53);
    panel_winner->setStyleSheet(QStringLiteral(
        "QFrame#panel_winner { background: rgb(46, 26, 12); border: 2px solid rgb(196, 156, 84);"
        " border-radius: 6px; }"));
    label_winner2 = textLabel(panel_winner, {4, 15, 307, 27}, 16, Qt::black, Qt::AlignCenter);
    label_winner1 = textLabel(panel_winner, {1, 14, 307, 27}, 16, WinnerBeige, Qt::AlignCenter);
    panel_winner->hide();

    button_give = new QPushButton(tr("Give Player 3 ability to play"), panel_board);
    button_give->setObjectName(QStringLiteral("button_give"));
    button_give->setGeometry(64, 208, 193, 25);
    button_give->setFocusPolicy(Qt::NoFocus);
    button_give->hide();
}

QLabel* BoardView::label_playername(int seat) const {
    return seat == 2 ? label_playername2 : label_playername1;
}
QLabel* BoardView::label_status(int seat) const {
    return seat == 2 ? label_status2 : label_status1;
}
QLabel* BoardView::image_eyes(int seat) const {
    return seat == 2 ? image_eyes2 : image_eyes1;
}

void BoardView::placechip(int seat, int chip, int square) {
    if (animator) {
        animator->place(seat, chip, square);
        return;
    }
    image_p(seat, chip)->move(placechipPosition(seat, chip, square));
}

void BoardView::showdice(const std::array<int, 4>& values) {
    const auto images = dice();
    for (int i = 0; i < 4; ++i)
        images[i]->setPixmap(pictures_->die(values[i]));
    shownDice_ = values;
}

void BoardView::setEyes(int seat, bool shown) {
    image_eyes(seat)->setVisible(shown);
}

void BoardView::moveTurnMarker(int seat) {
    image_Turn->move(image_Turn->x(), label_playername(seat)->y() + 3);
}

void BoardView::clearStatus() {
    label_status1->clear();
    label_status2->clear();
}

void BoardView::setOwnerMarks(int seat, const QString& mark) {
    for (int chip = 1; chip <= ChipCount; ++chip)
        image_p(seat, chip)->setOwnerMark(mark);
}

void BoardView::Image7Click() {
    image_path1->setVisible(image_path1->isHidden());
}
void BoardView::Image6Click() {
    image_path2->setVisible(image_path2->isHidden());
}

} // namespace board
