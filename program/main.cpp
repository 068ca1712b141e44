#include "program.h"
#include "platform/accessibility.h"
#include "platform/art.h"
#include "platform/filesfolder.h"
#include "platform/forms.h"
#include "platform/language.h"
#include "platform/services.h"
#include "friends/listing.h"
#include "friends/notifier.h"
#include "friends/oneclient.h"
#include "friends/watch.h"
#include "servers/viewservers.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <QFontDatabase>
#include <QIcon>
#include <QTimer>
#include <QUrlQuery>

#include <functional>
#include <future>
#include <optional>

namespace {

// --help and --version answer before anything needs a display; a second start hands its link
// (or, with none, "come to the front") to the client already running and ends. The join link the
// program was started with (tovo://join/<code>/<address>), empty for none; nothing when this start
// ends here.
std::optional<QString> readCommandLine(int& argc, char** argv) {
    const QCoreApplication bare(argc, argv);
    language::use(); // --help in the member's language
    QCommandLineParser line;
    line.setApplicationDescription(
        QCoreApplication::translate("main", "Iron Lantern / Night Owls Online Game Service"));
    const QCommandLineOption help = line.addHelpOption(), version = line.addVersionOption();
    line.addPositionalArgument(
        QStringLiteral("link"),
        QCoreApplication::translate("main", "A join link: tovo://join/<game code>/<address>."),
        QStringLiteral("[link]"));
    line.parse(bare.arguments());
    if (line.isSet(help)) line.showHelp(0);
    if (line.isSet(version)) line.showVersion();
    const QString link = line.positionalArguments().value(0);
    if (OneClient::handOver(link)) return std::nullopt;
    return link;
}

// A start with no link: the client comes to the front.
void comeToFront() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow()) {
            w->raise();
            w->activateWindow();
        }
}

// The desktop around the windows: friends' news as desktop notifications, whose Join follows the
// link; the servers' status from the community's host; and a second start's link followed here.
void wireDesktop(Services& services, Forms& forms, Notifier& notifier, OneClient& one) {
    services.notify = [&notifier](const QString& text, const QString& link) {
        notifier.tell(text, link);
    };
    services.fetchListing = [host = services.host](QObject* context, auto done) {
        listing::fetch(host, context, done);
    };
    services.fetchPlayers = [host = services.host](QObject* context, const QStringList& names,
                                                   auto done) {
        QUrlQuery query;
        for (const QString& n : names)
            query.addQueryItem(QStringLiteral("name"),
                               QString::fromUtf8(QUrl::toPercentEncoding(n)));
        listing::fetch(host, context, done,
                       QStringLiteral("players.json?") + query.toString(QUrl::FullyEncoded));
    };
    QObject::connect(&notifier, &Notifier::join, &notifier,
                     [&forms](const QString& l) { joinServer(forms, l); });
    QObject::connect(&one, &OneClient::received, &one, [&forms](const QString& l) {
        if (!l.isEmpty()) return joinServer(forms, l);
        comeToFront();
    });
}

// Runs `then` once the program's first window has been painted: what the member does not see
// waits until they see the window.
void afterFirstPaint(std::function<void()> then) {
    class FirstPaint final : public QObject {
    public:
        explicit FirstPaint(std::function<void()> then) : then_(std::move(then)) {}

    protected:
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                QTimer::singleShot(0, qApp, then_); // once this painting has reached the screen
                qApp->removeEventFilter(this);
                deleteLater();
            }
            return false;
        }

    private:
        std::function<void()> then_;
    };
    qApp->installEventFilter(new FirstPaint(std::move(then)));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("tovo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOVO_VERSION));
    const std::optional<QString> link = readCommandLine(argc, argv);
    if (!link) return 0;
    beforeApplication();
    QApplication app(argc, argv);
    language::use();
    // A Wayland session ties the windows to tovo.desktop: its name and icon in the dock.
    QGuiApplication::setDesktopFileName(QStringLiteral("tovo"));
    // The fonts are read meanwhile on a thread of their own (the font database is safe to use
    // from any thread), while the windows are set up and the accessibility bus is asked whether
    // anyone listens: the alias box needs them before the window shows.
    const auto fonts = std::async(std::launch::async, [] { QFontDatabase::families(); });
    afterApplication();
    quietHiddenControls();
    Services services = clientServices(FilesFolder::choose(
        QCoreApplication::applicationDirPath().toStdString(), FilesFolder::dataHome()));
    endOnTerm(services);
    Forms forms(services);
    addWindows(forms);
    OneClient one;
    afterFirstPaint([&one] { one.listen(); });
    Notifier notifier;
    wireDesktop(services, forms, notifier, one);
    // The login window is the program's start: creating it reads the alias file (and on the
    // first run writes the settings folder); loading it brings up the main window around it.
    forms.show(QStringLiteral("Login"));
    if (!link->isEmpty()) joinServer(forms, *link); // once the member has logged in
    FriendWatch friends(services, services.file("friends.con"));
    QTimer::singleShot(0, &friends, &FriendWatch::look); // friends already playing are told at once
    // The main window carries its own icon; the other windows take this one (none is painted yet).
    QApplication::setWindowIcon(QIcon(art::logo(64)));
    return app.exec();
}
