#pragma once

#include <QString>
#include <QWidget>

#include <functional>

// The browser engine's side of a pane, as its module (tovo-webengine.so) makes it: a widget with
// the pane's commands, reporting through two callbacks. Only virtual calls cross into the module,
// so the module needs nothing of the program's, and the program links nothing of the engine's.
class Engine : public QWidget {
public:
    struct Events {
        std::function<void(const QString& address)> complete;           // a document completed
        std::function<void(const QString& address, int status)> failed; // the pane completes its error page
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
using MakeEngine = Engine* (*)(QWidget* parent, Engine::Events events);
using WarmEngine = void (*)(std::function<void()> ready);
