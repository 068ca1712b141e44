// A client's browser pane alone, as a program of its own: the pane of the program's engine module
// with its browsing folders, one page loaded, then each script given run on it in turn and its
// result printed, one line each. Two runs with the same folders are a client started twice. It
// ends as told: "qt", the pane deleted and Qt ended; as the member ends the client, "yes", by
// Exit's YES, or "term", by the desktop's session ending (it waits for SIGTERM).
//   tovo-browse qt|yes|term <storage> <cache> <address> [script...]
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/services.h"
#include "browser/browserpane.h"
#include "app/closeprog.h"
#include "program/program.h"

#include <QApplication>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString end = args.isEmpty() ? QString() : args.takeFirst();
    if (args.size() < 3) return 2;
    Services services = realServices(args[0].toStdString());
    Forms forms(services);
    addWindows(forms);
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
        if (end == "yes") {
            QTimer::singleShot(0, [&] { forms.as<closeprog>("closeprog").Image4->click(); });
            forms.showModal("closeprog");
        } else if (end == "qt") {
            delete pane; // the profile's files are written as the engine ends
            QCoreApplication::exit(view ? 0 : 1);
        }
    };
    QObject::connect(
        pane, &BrowserPane::DocumentComplete, pane, [&] { next(); }, Qt::SingleShotConnection);
    QObject::connect(pane, &BrowserPane::NavigateError, pane, [] { QCoreApplication::exit(1); });
    pane->Navigate(args[2]);
    return app.exec();
}
