#pragma once
// The program's own flat push button: a filled rectangle with a caption and
// nested one-pixel outlines, lit while the pointer is over it and sunk a
// pixel while pressed.
#include <QColor>
#include <QFont>
#include <QWidget>

#include <functional>

class TSelButton : public QWidget {
    Q_OBJECT
public:
    enum class Align { Left, Right, Center };
    // What the next paint uses: fill, caption colour and caption offset.
    struct Look {
        QColor fill;
        QColor text;
        int offset = 0;
        bool operator==(const Look&) const = default;
    };

    explicit TSelButton(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    QColor Color() const { return color_; }
    void setColor(const QColor& c);
    QColor ColorBorder() const { return border_; }
    void setColorBorder(const QColor& c);
    Align Alignment() const { return align_; }
    void setAlignment(Align a);
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int w);
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& c);

    // Plain values, used at the next paint.
    bool Enabled = true;
    QColor ColorOverCaption = Qt::black;
    QColor ColorOver = QColor(132, 185, 164);
    QColor ColorDown = QColor(132, 185, 164);

    std::function<void(TSelButton*)> OnClick;
    std::function<void(TSelButton*, Qt::MouseButton, int x, int y)> OnMouseDown;
    std::function<void(TSelButton*, Qt::MouseButton, int x, int y)> OnMouseUp;

    Look look() const { return look_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    Look normal() const { return {color_, fontColor_, 0}; }
    void show(const Look& l);

    QString caption_;
    QColor color_;
    QColor border_ = QColor(128, 128, 128);
    QColor fontColor_ = QColor(128, 128, 128);
    Align align_ = Align::Left;
    int borderWidth_ = 1;
    Look look_;
    bool pressed_ = false;
};
