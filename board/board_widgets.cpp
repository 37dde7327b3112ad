#include "board_widgets.h"

#include <QLinearGradient>

#include <QMouseEvent>
#include <QPainter>

namespace board {

QFont boardFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

ClickImage::ClickImage(QWidget* parent) : QLabel(parent) {}

void ClickImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

ChipImage::ChipImage(int seat, int chip, QWidget* parent)
    : ClickImage(parent), seat_(seat), chip_(chip), ownerMark_(QString::number(seat)) {
    setObjectName(QStringLiteral("image_p%1%2").arg(seat).arg(chip));
    resize(24, 24);
    setCursor(Qt::PointingHandCursor);
}

PictureButton::PictureButton(const QPixmap& picture, const QString& text, QWidget* parent)
    : QAbstractButton(parent), picture_(picture) {
    setText(text); // for accessibility; the picture carries the words
    resize(picture.size());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setLabel(const QPixmap& plaque, const QString& words) {
    if (plaque.isNull()) return;
    setText(words);
    QPixmap out = plaque;
    QPainter p(&out);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    const QRectF r(0, 0, out.width(), out.height() - 1);
    for (int size = 14; size >= 9; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(words) <= out.width() - 8) break;
    }
    p.setFont(font);
    p.setPen(QColor(255, 240, 200, 150));
    p.drawText(r.translated(0, 1), Qt::AlignCenter, words);
    p.setPen(QColor(56, 30, 4));
    p.drawText(r, Qt::AlignCenter, words);
    p.end();
    picture_ = out;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool down = isDown();
    p.drawPixmap(down ? 1 : 0, down ? 1 : 0, picture_);
    if (!isEnabled())
        p.fillRect(rect(), QColor(40, 40, 40, 140));
    else if (down)
        p.fillRect(rect(), QColor(0, 0, 0, 40));
    else if (hover_) {
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        p.setOpacity(0.12);
        p.drawPixmap(0, 0, picture_);
    }
}

void PictureButton::enterEvent(QEnterEvent* event) {
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

TurnLog::TurnLog(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setFont(boardFont(11));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void TurnLog::addLine(const QString& line) {
    appendPlainText(line);
    emit lineAdded(line);
}

QStringList TurnLog::lines() const {
    return toPlainText().split(QLatin1Char('\n'));
}

void TurnLog::mousePressEvent(QMouseEvent* event) {
    QPlainTextEdit::mousePressEvent(event);
    emit focusWanted();
}

void setWalnutBackground(QWidget* widget, const QColor& text) {
    widget->setAutoFillBackground(true);
    QPalette table = widget->palette();
    QLinearGradient wood(0, 0, 0, 1);
    wood.setCoordinateMode(QGradient::ObjectMode);
    wood.setColorAt(0.0, QColor(71, 47, 30));
    wood.setColorAt(1.0, QColor(43, 28, 18));
    table.setBrush(QPalette::Window, wood);
    if (text.isValid()) table.setColor(QPalette::WindowText, text);
    widget->setPalette(table);
}

} // namespace board
