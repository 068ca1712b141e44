// The browser engine behind every pane, built as a module of its own (see browserpane.cpp).
#include "engine.h"

#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineCertificateError>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <functional>
#include <utility>

namespace {

// A pane starts the engine itself; warming then has nothing left to do.
bool paneMade = false;

// Lets the pane see a page's own navigations (a link followed) before they begin.
class Page final : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    std::function<bool(const QUrl&, NavigationType, bool mainFrame)> accept;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool mainFrame) override
    {
        return accept(url, type, mainFrame);
    }
};

class WebEnginePane final : public Engine {
public:
    WebEnginePane(QWidget* parent, Events events)
        : Engine(parent), events_(std::move(events)), view_(new QWebEngineView(this)), page_(new Page(view_))
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view_);
        view_->setPage(page_);
        page_->setBackgroundColor(QColor(0x40, 0x40, 0x40));
        page_->accept = [this](const QUrl& url, QWebEnginePage::NavigationType type, bool mainFrame) {
            if (!mainFrame || !loading_ || type == QWebEnginePage::NavigationTypeRedirect)
                return true;
            whenIdle([this, url] { view_->load(url); });
            return false;
        };
        // A certificate the engine does not trust ends the load, as it would for any site: the
        // member is never asked, and nothing here waits on it. The load then fails as a host
        // that does not answer.
        connect(page_, &QWebEnginePage::certificateError, this,
                [](QWebEngineCertificateError error) { error.rejectCertificate(); });
        connect(page_, &QWebEnginePage::loadingChanged, this,
                [this](const QWebEngineLoadingInfo& info) { loadingChanged(info); });
    }

    void navigate(const QString& address) override
    {
        const QUrl url(address.contains(QLatin1String("://")) ? address : QStringLiteral("http://") + address);
        whenIdle([this, url] { view_->load(url); });
    }
    void stop() override
    {
        pending_ = nullptr;
        view_->stop();
    }
    void back() override { whenIdle([this] { view_->back(); }); }
    void forward() override { whenIdle([this] { view_->forward(); }); }
    QString locationName() const override
    {
        QString title = view_->title();
        QString address = view_->url().toString();
        // WebEngine shows the address as the title of a page that has none.
        return title.isEmpty() ? address : title;
    }

private:
    // The engine reports one start and one end for loads that overlap: a page asked for while
    // another is still loading (its pictures, say) can end unreported, its error included, and
    // a failed server page would then go unnoticed. So a new page waits until the one that is
    // loading has been stopped and its end reported.
    void whenIdle(std::function<void()> go)
    {
        if (!loading_)
            return go();
        pending_ = std::move(go);
        view_->stop();
    }

    void loadingChanged(const QWebEngineLoadingInfo& info)
    {
        loading_ = info.status() == QWebEngineLoadingInfo::LoadStartedStatus;
        report(info);
        if (!loading_ && pending_)
            std::exchange(pending_, nullptr)();
    }

    void report(const QWebEngineLoadingInfo& info)
    {
        const QString address = info.url().toString();
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadSucceededStatus:
            if (info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain &&
                info.errorCode() >= 400)
                events_.failed(address, info.errorCode());
            else
                events_.complete(address);
            break;
        case QWebEngineLoadingInfo::LoadFailedStatus:
            events_.failed(address, info.errorCode());
            break;
        default:
            break;
        }
    }

    Events events_;
    QWebEngineView* view_;
    Page* page_;
    bool loading_ = false;
    std::function<void()> pending_; // the page asked for while another was loading
};

} // namespace

extern "C" Q_DECL_EXPORT Engine* tovoMakeEngine(QWidget* parent, Engine::Events events)
{
    paneMade = true;
    return new WebEnginePane(parent, std::move(events));
}

// Each step is a turn of the event loop of its own: first the engine's start, which waits for
// its helper processes, then a blank page in a view of its own (never shown), which brings up a
// page process and the view's drawing, as the first pane would; the view goes again, so that
// nothing is left running that a pane would not have.
extern "C" Q_DECL_EXPORT void tovoWarmEngine(std::function<void()> ready)
{
    QTimer::singleShot(0, [ready = std::move(ready)] {
        if (paneMade)
            return ready();
        QWebEngineProfile::defaultProfile();
        QTimer::singleShot(0, [ready] {
            if (paneMade)
                return ready();
            auto* view = new QWebEngineView;
            QObject::connect(view, &QWebEngineView::loadFinished, view, [view, ready] {
                view->deleteLater();
                ready();
            });
            view->load(QUrl(QStringLiteral("about:blank")));
        });
    });
}
