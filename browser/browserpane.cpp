#include "browserpane.h"

#include "engine.h"

#include <QApplication>
#include <QLibrary>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <future>
#include <utility>

#ifndef TOVO_MODULE_DIR
#define TOVO_MODULE_DIR "."
#endif

namespace {

struct Module {
    MakeEngine make = nullptr;
    WarmEngine warm = nullptr;
    UseFolders folders = nullptr;
    EndEngine end = nullptr;
};

QString storageFolder, cacheFolder; // the browsing's, as the program chose them

// Safe on any thread: the dynamic loader is. The folders are read beforehand, on the GUI thread.
Module load(const QStringList& dirs) {
    QString why;
    for (const QString& dir : dirs) {
        QLibrary module(dir + QStringLiteral("/tovo-webengine.so"));
        // Every symbol bound now, on the thread that loads, rather than at each first call.
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (auto make = reinterpret_cast<MakeEngine>(module.resolve("tovoMakeEngine")))
            return {make, reinterpret_cast<WarmEngine>(module.resolve("tovoWarmEngine")),
                    reinterpret_cast<UseFolders>(module.resolve("tovoUseFolders")),
                    reinterpret_cast<EndEngine>(module.resolve("tovoEndEngine"))};
        why = module.errorString();
    }
    std::fprintf(stderr, "tovo: no browser engine, every page will fail: %s\n", qPrintable(why));
    return {};
}

QStringList moduleDirs() {
    return {QCoreApplication::applicationDirPath(), QStringLiteral(TOVO_MODULE_DIR)};
}

// The browser engine is a library of a hundred megabytes: linked into the program it would load,
// with the graphics set-up it asks for, before the login window could appear. It lives in a
// module beside the program instead, loaded once per run: in the background while the member
// types at the login window, or, at the latest, when the first pane is made.
std::shared_future<Module> loading;
bool warm = false;

// On the GUI thread, before the engine is started.
const Module& told(const Module& m) {
    static bool once = false;
    if (m.folders && !std::exchange(once, true)) m.folders(storageFolder, cacheFolder);
    return m;
}

const Module& module() {
    if (!loading.valid()) loading = std::async(std::launch::deferred, load, moduleDirs()).share();
    return told(loading.get()); // waits for a load still going on in the background
}

// What the engine needs of the GUI thread, once its library is in.
void startEngine(const Module& m) {
    told(m);
    if (m.warm)
        m.warm([] { warm = true; });
    else
        warm = true; // nothing to start: every page will fail, as stderr has said
}

// The library is loaded on a thread of its own, the engine then started on the GUI thread.
void startWarming() {
    if (loading.valid()) { // a pane came first and loaded it
        warm = true;
        return;
    }
    auto loadThenStart = [dirs = moduleDirs()] {
        Module m = load(dirs);
        QMetaObject::invokeMethod(
            qApp, [m] { startEngine(m); }, Qt::QueuedConnection);
        return m;
    };
    loading = std::async(std::launch::async, loadThenStart).share();
}

// Sees the program's first window painted, then gets out of the way.
class FirstPaint final : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // After this painting of the window has reached the screen.
            QTimer::singleShot(0, qApp, startWarming);
            qApp->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

// The pane as the windows know it, around the engine's widget; without the engine every page
// fails as an unreachable one does, so the member is told the network is unavailable.
class LoadedPane final : public BrowserPane {
public:
    explicit LoadedPane(QWidget* parent) : BrowserPane(parent) {
        MakeEngine make = module().make;
        if (!make) return;
        engine_ = make(this, {[this](const QString& a) { emit DocumentComplete(a); },
                              [this](const QString& a, int status) { fail(a, status); },
                              [this](const QUrl& a) { return newWindow && newWindow(a); },
                              [this](std::unique_ptr<Download>& d) {
                                  if (takeDownload) takeDownload(std::move(d));
                              }});
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(engine_);
    }
    void Navigate(const QString& address) override {
        if (engine_) return engine_->navigate(address);
        // Later, as the engine reports: the window that asked is still being made and shown.
        QTimer::singleShot(0, this, [this, address] { fail(address, 0); });
    }
    void Stop() override {
        if (engine_) engine_->stop();
    }
    void GoBack() override {
        if (engine_) engine_->back();
    }
    void GoForward() override {
        if (engine_) engine_->forward();
    }
    QString LocationName() const override { return engine_ ? engine_->locationName() : QString(); }
    // The engine goes first, while its reports can still reach a whole pane.
    ~LoadedPane() override { delete engine_; }

private:
    // The error event runs to its end (a message box may keep it open) before the error page
    // counts as a completed document.
    void fail(const QString& address, int status) {
        QPointer<LoadedPane> self(this);
        emit NavigateError(address, status);
        if (self) QTimer::singleShot(0, this, [this, address] { emit DocumentComplete(address); });
    }

    Engine* engine_ = nullptr; // a child widget
};

} // namespace

BrowserPane* makeWebEnginePane(QWidget* parent) {
    return new LoadedPane(parent);
}

void useBrowsingFolders(const QString& storage, const QString& cache) {
    storageFolder = storage;
    cacheFolder = cache;
}

void warmWebEngine() {
    static bool asked = false;
    if (!std::exchange(asked, true)) qApp->installEventFilter(new FirstPaint);
}

void endBrowsing() {
    // A module still loading has started no engine: there is nothing to write.
    using namespace std::chrono_literals;
    if (loading.valid() && loading.wait_for(0s) == std::future_status::ready && loading.get().end)
        loading.get().end();
}

bool webEngineWarm() {
    return warm;
}
