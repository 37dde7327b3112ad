#include "tselbutton.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

TSelButton::TSelButton(QWidget* parent) : QWidget(parent) {
    resize(105, 20);
    color_ = palette().color(QPalette::Button);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    setFont(f);
    look_ = normal();
}

void TSelButton::setCaption(const QString& c) {
    caption_ = c;
    update();
}
void TSelButton::setColor(const QColor& c) {
    color_ = c;
    show(normal());
}
void TSelButton::setFontColor(const QColor& c) {
    fontColor_ = c;
    show(normal());
}
void TSelButton::setColorBorder(const QColor& c) {
    border_ = c;
    update();
}
void TSelButton::setAlignment(Align a) {
    align_ = a;
    update();
}
void TSelButton::setBorderWidth(int w) {
    borderWidth_ = qMax(0, w);
    update();
}

void TSelButton::show(const Look& l) {
    look_ = l;
    update();
}

void TSelButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int W = width(), H = height();
    p.fillRect(QRect(1, 1, W - 2, H - 2), look_.fill);
    p.setFont(font());
    const QFontMetrics fm(font());
    const int w = fm.horizontalAdvance(caption_), h = fm.height();
    const int d = look_.offset;
    const int x = align_ == Align::Left    ? 5 + d
                  : align_ == Align::Right ? W - w - 6 + d
                                           : W / 2 - w / 2 + d;
    const int y = H / 2 - h / 2 + d;
    p.setPen(look_.text);
    p.drawText(QRect(x, y, w, h), Qt::AlignLeft | Qt::AlignTop, caption_);
    p.setPen(border_);
    p.setBrush(Qt::NoBrush);
    // Outline i runs from (i, i) to (W - i, H - i), the far edges excluded.
    for (int i = 0; i < borderWidth_; ++i)
        p.drawRect(i, i, W - 2 * i - 1, H - 2 * i - 1);
}

void TSelButton::enterEvent(QEnterEvent*) {
    if (Enabled) show({ColorOver, ColorOverCaption, 0});
}

void TSelButton::leaveEvent(QEvent*) {
    show(normal());
}

void TSelButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !Enabled) return;
    pressed_ = true;
    if (OnMouseDown) OnMouseDown(this, e->button(), int(e->position().x()), int(e->position().y()));
    // The caption keeps the colour last used.
    show({ColorDown, look_.text, 1});
}

void TSelButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !Enabled || !pressed_) return;
    pressed_ = false;
    const bool inside = rect().contains(e->position().toPoint());
    if (inside) {
        // A click: the normal look first, then the handlers.
        show(normal());
        if (OnClick) OnClick(this);
        emit clicked();
    }
    if (OnMouseUp) OnMouseUp(this, e->button(), int(e->position().x()), int(e->position().y()));
    if (inside) show({ColorOver, ColorOverCaption, 0});
}
