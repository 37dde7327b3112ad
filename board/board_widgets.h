#pragma once
// The small controls of the board: clickable pictures, chips that know their
// number and owner, the bronze picture buttons and the turn log.
#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>

namespace board {

// The board's text face: Arial where it exists, its metric twin or a
// condensed sans elsewhere, so texts fit the boxes they were sized for.
QFont boardFont(int pixelSize, bool bold = true);

// A picture that reports a click (press and release inside it).
class ClickImage : public QLabel {
    Q_OBJECT
public:
    explicit ClickImage(QWidget* parent = nullptr);
    // A press from the keyboard or a screen reader counts as a click.
    void click() { emit clicked(); }
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// The board picture; screen readers meet it as the table of its squares.
class BoardPicture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// A chip on the board. Its owner mark names the connection whose user may
// move it: "1" or "2" for the seats, "3" after seat 1 was handed over.
class ChipImage : public ClickImage {
    Q_OBJECT
public:
    ChipImage(int seat, int chip, QWidget* parent = nullptr);
    int seat() const { return seat_; }
    int chip() const { return chip_; }
    QString ownerMark() const { return ownerMark_; }
    void setOwnerMark(const QString& mark) { ownerMark_ = mark; }

private:
    int seat_, chip_;
    QString ownerMark_;
};

// A button drawn entirely by its picture; pressing sinks it a pixel.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QPixmap& picture, const QString& text, QWidget* parent = nullptr);
    QSize sizeHint() const override { return picture_.size(); }
    // Words of another language than the picture's: drawn on the bare
    // plaque, in the picture's lettering, as large as the plaque allows.
    void setLabel(const QPixmap& plaque, const QString& words);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap picture_;
    bool hover_ = false;
};

// The turn log. It never holds the keyboard focus: a press in it asks for the
// focus to go to the chat input instead.
class TurnLog : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TurnLog(QWidget* parent = nullptr);
    void addLine(const QString& line);
    QStringList lines() const;
signals:
    void focusWanted();
    // Each line as it is written, for those who hear the log instead.
    void lineAdded(const QString& line);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The dark walnut of the game's table as a window's background, so that the
// board, the chat and the game's own windows sit on one table. A valid 'text'
// also sets the colour of plain text on it.
void setWalnutBackground(QWidget* widget, const QColor& text = QColor());

} // namespace board
