// The yardstick for the client's start: a bare Qt Widgets program with the client's main-window
// title and one child window in a multiple-document area, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow main;
    main.setWindowTitle(QStringLiteral("TOVO - Iron Lantern / Night Owls Online Game Service"));
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    area->addSubWindow(new QWidget)->resize(770, 500);
    main.resize(800, 600);
    main.show();
    return app.exec();
}
