#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

// One file the engine saves for a page, as the module hands it over: the program names the file
// and follows it. It goes on while its pane moves to other pages.
class Download {
public:
    enum class End { Whole, Cancelled, Failed };
    struct Events {
        std::function<void(qint64 received, qint64 total)> progress; // total -1 when unknown
        std::function<void(End end, const QString& why)> ended;
    };
    virtual ~Download() = default;
    virtual QString suggestedName() const = 0; // as the answer names it
    virtual void save(const QString& folder, const QString& fileName, Events events) = 0;
    virtual void cancel() = 0;
};

// The browser engine's side of a pane, as its module (tovo-webengine.so) makes it: a widget with
// the pane's commands, reporting through callbacks. Only virtual calls cross into the module,
// so the module needs nothing of the program's, and the program links nothing of the engine's.
class Engine : public QWidget {
public:
    struct Events {
        std::function<void(const QString& address)> complete; // a document completed
        std::function<void(const QString& address, int status)>
            failed; // the pane completes its error page
        // A page asks for a new window for the address: true shows it in this pane.
        std::function<bool(const QUrl& address)> newWindow;
        // Takes the download, or leaves it for another pane; dropped when no pane takes it.
        std::function<void(std::unique_ptr<Download>& download)> download;
    };
    using QWidget::QWidget;
    virtual void navigate(const QString& address) = 0;
    virtual void stop() = 0;
    virtual void back() = 0;
    virtual void forward() = 0;
    virtual QString locationName() const = 0;
};

// The module's entry points: "tovoMakeEngine" makes a pane's engine; "tovoWarmEngine" starts the
// engine without a pane, in steps short enough for the window on screen to stay responsive, and
// calls ready when it is done (at once when a pane was made first, which starts it anyway).
// "tovoUseFolders" names the folders of the profile every pane shares, before the first of
// the others is called. "tovoEndEngine" ends the engine as the program ends: every page goes,
// then the profile, which writes what it holds (cookies, page storage) to its folder.
using MakeEngine = Engine* (*)(QWidget* parent, Engine::Events events);
using UseFolders = void (*)(const QString& storage, const QString& cache);
using WarmEngine = void (*)(std::function<void()> ready);
using EndEngine = void (*)();
