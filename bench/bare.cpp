// The yardstick for the client's start: a bare Qt Widgets program with the client's main-window
// title and one child window in a multiple-document area, and nothing else. With --text-box the
// child window holds one text box, as the login window holds the alias box: a text box lays out
// its text when it is made, so the fonts are read before the window maps.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow main;
    main.setWindowTitle(QStringLiteral("TOVO - Iron Lantern / Night Owls Online Game Service"));
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    auto* child = new QWidget;
    if (QApplication::arguments().contains(QStringLiteral("--text-box")))
        new QLineEdit(QStringLiteral("Type here"), child);
    area->addSubWindow(child)->resize(770, 500);
    main.resize(800, 600);
    main.show();
    return app.exec();
}
