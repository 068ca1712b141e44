// A client's browser pane alone, as a program of its own: the pane of the program's engine module
// with its browsing folders, one page loaded, then each script given run on it in turn and its
// result printed, one line each. Two runs with the same folders are a client started twice.
//   tovo-browse <storage> <cache> <address> [script...]
#include "browser/browserpane.h"

#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3) return 2;
    useBrowsingFolders(args[0], args[1]);
    BrowserPane* pane = makeWebEnginePane(nullptr);
    pane->show();
    QStringList scripts = args.mid(3);
    std::function<void()> next = [&] {
        QWebEngineView* view = pane->findChild<QWebEngineView*>();
        if (scripts.isEmpty() || !view) {
            delete pane; // the profile's files are written as the engine ends
            return QCoreApplication::exit(view ? 0 : 1);
        }
        view->page()->runJavaScript(scripts.takeFirst(), [&](const QVariant& result) {
            std::printf("%s\n", qPrintable(result.toString()));
            std::fflush(stdout);
            next();
        });
    };
    QObject::connect(
        pane, &BrowserPane::DocumentComplete, pane, [&] { next(); }, Qt::SingleShotConnection);
    QObject::connect(pane, &BrowserPane::NavigateError, pane, [] { QCoreApplication::exit(1); });
    pane->Navigate(args[2]);
    return app.exec();
}
