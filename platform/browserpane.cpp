#include "browserpane.h"

#include "engine.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

#ifndef TOVO_MODULE_DIR
#define TOVO_MODULE_DIR "."
#endif

namespace {

// The browser engine is a library of a hundred megabytes: linked into the program it would load,
// with the graphics set-up it asks for, before the login window could appear. It lives in a
// module beside the program instead, loaded when the first pane is made (at login).
MakeEngine engine()
{
    static const MakeEngine make = [] {
        QString why;
        for (const QString& dir : {QCoreApplication::applicationDirPath(), QStringLiteral(TOVO_MODULE_DIR)}) {
            QLibrary module(dir + QStringLiteral("/tovo-webengine.so"));
            if (auto f = reinterpret_cast<MakeEngine>(module.resolve("tovoMakeEngine")))
                return f;
            why = module.errorString();
        }
        std::fprintf(stderr, "tovo: no browser engine, every page will fail: %s\n", qPrintable(why));
        return MakeEngine(nullptr);
    }();
    return make;
}

// The pane as the windows know it, around the engine's widget; without the engine every page
// fails as an unreachable one does, so the member is told the network is unavailable.
class LoadedPane final : public BrowserPane {
public:
    explicit LoadedPane(QWidget* parent) : BrowserPane(parent)
    {
        MakeEngine make = engine();
        if (!make)
            return;
        engine_ = make(this, {[this](const QString& a) { emit DocumentComplete(a); },
                              [this](const QString& a, int status) { fail(a, status); }});
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(engine_);
    }
    void Navigate(const QString& address) override
    {
        if (engine_)
            return engine_->navigate(address);
        // Later, as the engine reports: the window that asked is still being made and shown.
        QTimer::singleShot(0, this, [this, address] { fail(address, 0); });
    }
    void Stop() override
    {
        if (engine_)
            engine_->stop();
    }
    void GoBack() override
    {
        if (engine_)
            engine_->back();
    }
    void GoForward() override
    {
        if (engine_)
            engine_->forward();
    }
    QString LocationName() const override { return engine_ ? engine_->locationName() : QString(); }
    // The engine goes first, while its reports can still reach a whole pane.
    ~LoadedPane() override { delete engine_; }

private:
    // The error event runs to its end (a message box may keep it open) before the error page
    // counts as a completed document.
    void fail(const QString& address, int status)
    {
        QPointer<LoadedPane> self(this);
        emit NavigateError(address, status);
        if (self)
            QTimer::singleShot(0, this, [this, address] { emit DocumentComplete(address); });
    }

    Engine* engine_ = nullptr; // a child widget
};

} // namespace

BrowserPane* makeWebEnginePane(QWidget* parent) { return new LoadedPane(parent); }
