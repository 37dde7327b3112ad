#include "tdicestats.h"

#include <QHeaderView>
#include <QLinearGradient>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

#include "board_widgets.h"

namespace {
const QColor Parchment(240, 232, 212);
const QColor Ink(44, 26, 10);
const QColor Gold(222, 184, 102);
const QColor SeatColour[2] = {QColor(86, 170, 72), QColor(232, 128, 40)};
const QColor AllColour(196, 156, 84);
constexpr int Columns = 5; // sum, seat 1, seat 2, all, fair
} // namespace

// Bars of the observed shares per sum, seat by seat and in all, against a
// line at the share fair dice give.
class DiceChart : public QWidget {
public:
    DiceChart(const board::DiceStats& stats, QWidget* parent) : QWidget(parent), stats_(stats) {
        setMinimumHeight(150);
    }
    std::array<QString, 3> names{QStringLiteral("Seat 1"), QStringLiteral("Seat 2"),
                                 QStringLiteral("All")};

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF area = QRectF(rect()).adjusted(34, 10, -8, -22);
        p.setPen(QColor(120, 96, 62));
        p.setBrush(QColor(30, 20, 12));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        constexpr double Top = 0.5; // the highest share drawn
        const auto yOf = [&](double share) { return area.bottom() - share / Top * area.height(); };
        p.setFont(QFont(font().family(), 8));
        for (double s : {0.0, 0.1, 0.2, 0.3, 0.4, 0.5}) {
            p.setPen(QColor(90, 70, 48));
            p.drawLine(QPointF(area.left(), yOf(s)), QPointF(area.right(), yOf(s)));
            p.setPen(QColor(200, 180, 140));
            p.drawText(QRectF(0, yOf(s) - 7, 30, 14), Qt::AlignRight | Qt::AlignVCenter,
                       QStringLiteral("%1%").arg(int(s * 100)));
        }
        const double slot = area.width() / board::DiceStats::Sums;
        const double bar = slot / 4.6;
        for (int sum = 0; sum < board::DiceStats::Sums; ++sum) {
            const double left = area.left() + slot * sum + slot * 0.12;
            for (int k = 0; k < 3; ++k) {
                const int seat = k == 2 ? 0 : k + 1;
                const double share = std::min(stats_.share(seat, sum), Top);
                const QRectF r(left + k * (bar + 2), yOf(share), bar, area.bottom() - yOf(share));
                QLinearGradient g(r.topLeft(), r.topRight());
                const QColor c = k == 2 ? AllColour : SeatColour[k];
                g.setColorAt(0, c.lighter(130));
                g.setColorAt(1, c.darker(120));
                p.setPen(Qt::NoPen);
                p.setBrush(g);
                p.drawRect(r);
            }
            // The fair share as a dashed line across the slot.
            const double fair = yOf(board::DiceStats::Expected[std::size_t(sum)]);
            p.setPen(QPen(QColor(255, 240, 200), 1.6, Qt::DashLine));
            p.drawLine(QPointF(left - 3, fair), QPointF(left + 3 * (bar + 2) + 1, fair));
            p.setPen(QColor(236, 220, 180));
            p.drawText(QRectF(area.left() + slot * sum, area.bottom() + 3, slot, 16),
                       Qt::AlignCenter, QString::number(sum));
        }
        // Legend, top right: the three bars and the fair share's line.
        const QFontMetrics fm(p.font());
        double x = area.right() - 6;
        const auto entry = [&](const QString& text, const QColor& c, bool line) {
            x -= fm.horizontalAdvance(text) + 18;
            const double y = area.top() + 4;
            if (line) {
                p.setPen(QPen(QColor(255, 240, 200), 1.6, Qt::DashLine));
                p.drawLine(QPointF(x, y + 5), QPointF(x + 11, y + 5));
            } else {
                p.fillRect(QRectF(x + 1, y, 10, 10), c);
            }
            p.setPen(QColor(236, 220, 180));
            p.drawText(QPointF(x + 14, y + 9), text);
            x -= 6;
        };
        entry(QStringLiteral("fair dice"), {}, true);
        entry(names[2], AllColour, false);
        entry(names[1], SeatColour[1], false);
        entry(names[0], SeatColour[0], false);
    }

private:
    const board::DiceStats& stats_;
};

Tdicestats::Tdicestats(const board::DiceStats& stats, QWidget* parent)
    : QWidget(parent, Qt::Window), stats_(stats) {
    setObjectName(QStringLiteral("dicestats"));
    setWindowTitle(tr("Dice Statistics"));
    resize(470, 470);
    board::setWalnutBackground(this, QColor(236, 220, 180));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    auto* title = new QLabel(tr("Sums of the four dice this session"), this);
    QFont tf(QStringLiteral("DejaVu Serif"));
    tf.setPixelSize(17);
    tf.setBold(true);
    title->setFont(tf);
    title->setStyleSheet(QStringLiteral("color: rgb(222,184,102);"));
    layout->addWidget(title);

    chart_ = new DiceChart(stats_, this);
    layout->addWidget(chart_, 1);

    grid = new QTableWidget(board::DiceStats::Sums + 1, Columns, this);
    grid->setObjectName(QStringLiteral("grid"));
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus); // nothing in it to act on
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setStyleSheet(QStringLiteral(
        "QTableWidget { background: rgb(240,232,212); color: rgb(44,26,10);"
        " gridline-color: rgb(196,170,120); border: 2px solid rgb(74,52,34); font: 12px; }"
        "QTableWidget:focus { border: 2px solid rgb(222,184,102); }"
        "QHeaderView::section { background: rgb(176,132,66); color: rgb(44,26,10);"
        " font: bold 12px; border: 0; border-right: 1px solid rgb(120,90,50); padding: 3px; }"));
    grid->setFixedHeight(6 * 24 + 30);
    for (int r = 0; r <= board::DiceStats::Sums; ++r)
        grid->setRowHeight(r, 24);
    layout->addWidget(grid);

    for (int i = 0; i < 3; ++i) {
        label_test[std::size_t(i)] = new QLabel(this);
        label_test[std::size_t(i)]->setTextFormat(Qt::PlainText);
        layout->addWidget(label_test[std::size_t(i)]);
    }
    auto* note = new QLabel(tr("Fair dice give the sums 0 to 4 as 1 : 4 : 6 : 4 : 1. A p-value "
                               "below 0.01 would be surprising from fair dice."),
                            this);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: rgb(200,180,140); font: italic 11px;"));
    layout->addWidget(note);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    refresh();
}

void Tdicestats::setNames(const QString& seat1, const QString& seat2) {
    names_ = {seat1, seat2};
    refresh();
}

QString Tdicestats::countCell(int count, double share) {
    return QStringLiteral("%1 (%2 %)").arg(count).arg(share * 100, 0, 'f', 1);
}

QString Tdicestats::verdict(const board::DiceStats& stats, int seat) {
    const int n = stats.total(seat);
    if (n == 0) return tr("no throws yet");
    const double p = stats.pValue(seat);
    return tr("%1 throws, chi-square %2, p = %3")
        .arg(n)
        .arg(stats.chiSquare(seat), 0, 'f', 2)
        .arg(p, 0, 'f', 3);
}

void Tdicestats::refresh() {
    grid->setHorizontalHeaderLabels({tr("Sum"), names_[0], names_[1], tr("All"), tr("Fair dice")});
    const auto set = [this](int row, int column, const QString& text) {
        auto* item = grid->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            grid->setItem(row, column, item);
        }
        item->setText(text);
    };
    for (int sum = 0; sum < board::DiceStats::Sums; ++sum) {
        set(sum, 0, QString::number(sum));
        set(sum, 1, countCell(stats_.count(1, sum), stats_.share(1, sum)));
        set(sum, 2, countCell(stats_.count(2, sum), stats_.share(2, sum)));
        set(sum, 3, countCell(stats_.count(0, sum), stats_.share(0, sum)));
        set(sum, 4,
            QStringLiteral("%1 %").arg(board::DiceStats::Expected[std::size_t(sum)] * 100, 0, 'g',
                                       3));
    }
    const int last = board::DiceStats::Sums;
    set(last, 0, tr("Throws"));
    for (int k = 0; k < 3; ++k)
        set(last, k + 1, QString::number(stats_.total(k == 2 ? 0 : k + 1)));
    set(last, 4, QStringLiteral("100 %"));
    const QString who[3] = {names_[0], names_[1], tr("All")};
    chart_->names = {who[0], who[1], who[2]};
    for (int k = 0; k < 3; ++k) {
        QLabel* l = label_test[std::size_t(k)];
        l->setText(who[k] + QStringLiteral(": ") + verdict(stats_, k == 2 ? 0 : k + 1));
        const QColor c = k == 2 ? Gold : SeatColour[k].lighter(120);
        l->setStyleSheet(QStringLiteral("color: %1; font: bold 12px;").arg(c.name()));
    }
    chart_->update();
}
