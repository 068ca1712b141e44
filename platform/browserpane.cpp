#include "browserpane.h"

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

using MakeEngine = QWidget* (*)(QWidget* parent);

// The browser engine is a library of a hundred megabytes: linked into the program it would load,
// with the graphics set-up it asks for, before the login window could appear. It lives in a
// module beside the program instead, loaded when the first pane is made (at login).
MakeEngine engine()
{
    static const MakeEngine make = [] {
        QString why;
        for (const QString& dir : {QCoreApplication::applicationDirPath(), QStringLiteral(TOVO_MODULE_DIR)}) {
            QLibrary module(dir + QStringLiteral("/tovo-webengine.so"));
            if (auto f = reinterpret_cast<MakeEngine>(module.resolve("tovoWebEnginePane")))
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
        if (MakeEngine make = engine()) {
            engine_ = make(this);
            auto* layout = new QVBoxLayout(this);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(engine_);
            connect(engine_, SIGNAL(DocumentComplete(QString)), this, SIGNAL(DocumentComplete(QString)));
            connect(engine_, SIGNAL(NavigateError(QString, int)), this, SIGNAL(NavigateError(QString, int)));
        }
    }
    void Navigate(const QString& address) override
    {
        if (engine_)
            return call("Navigate", Q_ARG(QString, address));
        QPointer<LoadedPane> self(this);
        emit NavigateError(address, 0);
        if (self)
            QTimer::singleShot(0, this, [this, address] { emit DocumentComplete(address); });
    }
    void Stop() override { call("Stop"); }
    void GoBack() override { call("GoBack"); }
    void GoForward() override { call("GoForward"); }
    QString LocationName() const override
    {
        QString name;
        if (engine_)
            QMetaObject::invokeMethod(engine_, "LocationName", Q_RETURN_ARG(QString, name));
        return name;
    }

private:
    template <class... Args> void call(const char* method, Args... args)
    {
        if (engine_)
            QMetaObject::invokeMethod(engine_, method, args...);
    }
    QWidget* engine_ = nullptr;
};

} // namespace

BrowserPane* makeWebEnginePane(QWidget* parent) { return new LoadedPane(parent); }
