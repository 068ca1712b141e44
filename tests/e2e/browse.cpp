// A client's browser pane alone, as a program of its own: the pane of the program's engine module
// with its browsing folders, one page loaded, then each script given run on it in turn and its
// result printed, one line each. It then ends as the client does: "yes", as on Exit's YES; "term",
// as when the desktop's session ends (SIGTERM). Two runs with the same folders are a client
// started twice.
//   tovo-browse yes|term <storage> <cache> <address> [script...]
#include "platform/services.h"
#include "browser/browserpane.h"
#include "program/program.h"

#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(2);
    if (args.size() < 3) return 2;
    Services services = realServices(args[0].toStdString());
    endOnTerm(services);
    useBrowsingFolders(args[0], args[1]);
    BrowserPane* pane = makeWebEnginePane(nullptr);
    pane->show();
    QStringList scripts = args.mid(3);
    std::function<void()> next = [&] {
        QWebEngineView* view = pane->findChild<QWebEngineView*>();
        if (!scripts.isEmpty() && view)
            return view->page()->runJavaScript(scripts.takeFirst(), [&](const QVariant& result) {
                std::printf("%s\n", qPrintable(result.toString()));
                std::fflush(stdout);
                next();
            });
        if (app.arguments()[1] == "yes") return services.endProgram(); // what closeprog's YES calls
        ::raise(SIGTERM);
    };
    QObject::connect(
        pane, &BrowserPane::DocumentComplete, pane, [&] { next(); }, Qt::SingleShotConnection);
    QObject::connect(pane, &BrowserPane::NavigateError, pane, [] { QCoreApplication::exit(1); });
    pane->Navigate(args[2]);
    return app.exec();
}
