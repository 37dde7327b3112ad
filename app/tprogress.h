#pragma once
// The window that shows the "Expert" level's exact table being solved: how much is done,
// about how long is left, and a button that stops it. Closing the window
// stops it too; the computer then keeps playing "Strong".
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

class Tprogress : public QWidget {
    Q_OBJECT
public:
    explicit Tprogress(QWidget* parent = nullptr);

    void setProgress(double fraction, double secondsLeft);
    // "12:05 left", "about 45 s left", or "estimating…" while unknown.
    static QString timeLeftText(double secondsLeft);

    QLabel* label_what;
    QProgressBar* progress_done;
    QLabel* label_left;
    QPushButton* button_cancel;

signals:
    void cancelled();

protected:
    void closeEvent(QCloseEvent* e) override;
};
