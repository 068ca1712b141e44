// The browser engine behind every pane, built as a module of its own (see browserpane.cpp).
#include "engine.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineCertificateError>
#include <QWebEngineDownloadRequest>
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

// Where the profile keeps what a member's browsing leaves (cookies, page storage) and its cache;
// none given: Qt's default profile, which keeps nothing.
QString storageFolder, cacheFolder;

// One profile for every pane, named and on disk, so that a forum login and a page's stored
// choices last between runs as they do in the member's own browser.
QWebEngineProfile* profile = nullptr;
QWebEngineProfile* sharedProfile() {
    if (profile) return profile;
    if (storageFolder.isEmpty()) return profile = QWebEngineProfile::defaultProfile();
    profile = new QWebEngineProfile(QStringLiteral("tovo"), QCoreApplication::instance());
    profile->setPersistentStoragePath(storageFolder);
    profile->setCachePath(cacheFolder);
    profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    return profile;
}

// Every view the engine has made, so that at the end each goes, with its page, before the
// profile they share.
QList<QPointer<QWebEngineView>>& views() {
    static QList<QPointer<QWebEngineView>> all;
    return all;
}

// Lets the pane see a page's own navigations (a link followed) before they begin.
class Page final : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    std::function<bool(const QUrl&, NavigationType, bool mainFrame)> accept;
    std::function<QWebEnginePage*()> window;

protected:
    QWebEnginePage* createWindow(WebWindowType) override { return window(); }
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool mainFrame) override {
        return accept(url, type, mainFrame);
    }
};

// The page a link with a target, or a script, asks for: it lives only until its address is
// known, and the pane decides where that address goes.
class Asked final : public QWebEnginePage {
public:
    Asked(QObject* parent, std::function<void(const QUrl&)> go)
        : QWebEnginePage(sharedProfile(), parent), go_(std::move(go)) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool mainFrame) override {
        if (mainFrame && go_) {
            std::exchange(go_, nullptr)(url);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void(const QUrl&)> go_;
};

// One file the engine saves. The engine drops the request unless it is saved while the
// profile's signal is still being handled; the request itself may go first, at the end.
class Saving final : public Download {
public:
    explicit Saving(QWebEngineDownloadRequest* r) : request_(r), id_(r->id()) {}
    ~Saving() override {
        if (saving().value(id_) == this) saving().remove(id_);
        if (request_ && request_->state() == QWebEngineDownloadRequest::DownloadInProgress)
            request_->cancel();
    }
    // The downloads being saved, by the engine's number for them.
    static QHash<quint32, Saving*>& saving() {
        static QHash<quint32, Saving*> all;
        return all;
    }
    bool follows(const QWebEngineDownloadRequest* r) const { return request_ == r; }
    QString suggestedName() const override {
        return request_ ? request_->suggestedFileName() : QString();
    }
    void save(const QString& folder, const QString& fileName, Events events) override {
        events_ = std::move(events);
        saving().insert(id_, this);
        request_->setDownloadDirectory(folder);
        request_->setDownloadFileName(fileName);
        QObject::connect(
            request_, &QWebEngineDownloadRequest::receivedBytesChanged, &context_,
            [this] { events_.progress(request_->receivedBytes(), request_->totalBytes()); });
        QObject::connect(request_, &QWebEngineDownloadRequest::stateChanged, &context_,
                         [this](QWebEngineDownloadRequest::DownloadState state) {
                             if (state == QWebEngineDownloadRequest::DownloadCompleted)
                                 end(End::Whole, {});
                             else if (state == QWebEngineDownloadRequest::DownloadCancelled)
                                 end(End::Cancelled, {});
                             else if (state == QWebEngineDownloadRequest::DownloadInterrupted)
                                 cut(request_->interruptReasonString());
                         });
        request_->accept();
    }
    void cancel() override {
        if (request_) request_->cancel();
    }
    // A download cut short waits, interrupted, to be resumed, or the engine asks for it anew to
    // resume it by itself; it ends here instead, and the engine drops what it had written.
    void cut(const QString& why) {
        end(End::Failed, why);
        cancel();
    }

private:
    void end(End how, const QString& why) {
        if (std::exchange(ended_, true)) return;
        QObject::disconnect(request_, nullptr, &context_, nullptr);
        events_.ended(how, why);
    }

    QPointer<QWebEngineDownloadRequest> request_;
    quint32 id_;
    bool ended_ = false;
    QObject context_; // the connections go with this object
    Events events_;
};

class WebEngine final : public Engine {
public:
    WebEngine(QWidget* parent, Events events)
        : Engine(parent), events_(std::move(events)), view_(new QWebEngineView(this)),
          page_(new Page(sharedProfile(), view_)) {
        views().append(view_);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view_);
        view_->setPage(page_);
        page_->setBackgroundColor(QColor(0x40, 0x40, 0x40));
        page_->accept = [this](const QUrl& url, QWebEnginePage::NavigationType type,
                               bool mainFrame) {
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
        page_->window = [this] {
            return new Asked(page_, [this](const QUrl& url) {
                if (events_.newWindow && events_.newWindow(url))
                    whenIdle([this, url] { view_->load(url); });
            });
        };
        // Every pane hears every download of the profile; the first whose window saves downloads
        // takes it. (The request's page is not to be asked: it may be gone.)
        connect(page_->profile(), &QWebEngineProfile::downloadRequested, this,
                [this](QWebEngineDownloadRequest* r) {
                    // Asked anew, to resume it; or taken by another pane.
                    if (Saving* s = Saving::saving().value(r->id()); s && !s->follows(r))
                        return s->cut(QCoreApplication::translate("DownloadWindow",
                                                                  "the connection was cut"));
                    if (Saving::saving().contains(r->id())) return;
                    std::unique_ptr<Download> d = std::make_unique<Saving>(r);
                    events_.download(d);
                });
    }

    void navigate(const QString& address) override {
        const QUrl url(
            address.contains(QLatin1String("://")) ? address : QStringLiteral("http://") + address);
        whenIdle([this, url] { view_->load(url); });
    }
    void stop() override {
        pending_ = nullptr;
        view_->stop();
    }
    void back() override {
        whenIdle([this] { view_->back(); });
    }
    void forward() override {
        whenIdle([this] { view_->forward(); });
    }
    QString locationName() const override {
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
    void whenIdle(std::function<void()> go) {
        if (!loading_) return go();
        pending_ = std::move(go);
        view_->stop();
    }

    void loadingChanged(const QWebEngineLoadingInfo& info) {
        loading_ = info.status() == QWebEngineLoadingInfo::LoadStartedStatus;
        report(info);
        if (!loading_ && pending_) std::exchange(pending_, nullptr)();
    }

    void report(const QWebEngineLoadingInfo& info) {
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

extern "C" Q_DECL_EXPORT void tovoUseFolders(const QString& storage, const QString& cache) {
    storageFolder = storage;
    cacheFolder = cache;
}

extern "C" Q_DECL_EXPORT Engine* tovoMakeEngine(QWidget* parent, Engine::Events events) {
    paneMade = true;
    return new WebEngine(parent, std::move(events));
}

// Each step is a turn of the event loop of its own: first the engine's start, which waits for
// its helper processes, then a blank page in a view of its own (never shown), which brings up a
// page process and the view's drawing, as the first pane would; the view goes again, so that
// nothing is left running that a pane would not have.
extern "C" Q_DECL_EXPORT void tovoWarmEngine(std::function<void()> ready) {
    QTimer::singleShot(0, [ready = std::move(ready)] {
        if (paneMade) return ready();
        sharedProfile();
        QTimer::singleShot(0, [ready] {
            if (paneMade) return ready();
            auto* view = new QWebEngineView(sharedProfile());
            views().append(view);
            QObject::connect(view, &QWebEngineView::loadFinished, view, [view, ready] {
                view->deleteLater();
                ready();
            });
            view->load(QUrl(QStringLiteral("about:blank")));
        });
    });
}

// QtCore's own, exported for Qt's other libraries: what runs as the application object goes, Qt
// WebEngine's end among it, which waits for the engine's writes to be on disk.
void qt_call_post_routines();

// The engine writes its cookies and page storage to disk about every 30 s, and whatever it holds
// when the program ends at once is lost. A profile deleted after its last page hands everything
// it holds to be written, and the engine's end waits for that; so the views go first, with their
// pages, then the profile, then the engine. The program ends right after: nothing else is ended.
extern "C" Q_DECL_EXPORT void tovoEndEngine() {
    if (!profile) return; // never started
    for (const QPointer<QWebEngineView>& view : std::exchange(views(), {}))
        delete view.get();
    if (!storageFolder.isEmpty()) delete std::exchange(profile, nullptr); // Qt's own stays
    qt_call_post_routines();
}
