// The toolkit's floor: a main window with a menu bar and nothing else, shown
// as the game shows its own. The start-up benchmark compares the game with it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    for (const char* title : {"&File", "&Options", "&View", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    window.resize(723, 550);
    window.show();
    return app.exec();
}
