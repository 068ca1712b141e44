#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

class Download;

// The embedded browser pane of the page windows and the detection window.
class BrowserPane : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // An address without a scheme opens as http.
    virtual void Navigate(const QString& address) = 0;
    virtual void Stop() = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    // The page's title, or its address when it has none.
    virtual QString LocationName() const = 0;

    // Set by the window that holds the pane. A file the pane does not show is saved only when
    // takeDownload takes it; a page's request for a new window shows the address in this pane
    // when newWindow says so.
    std::function<void(std::unique_ptr<Download> download)> takeDownload;
    std::function<bool(const QUrl& address)> newWindow;

signals:
    // A document finished loading, the pane's own error page included.
    void DocumentComplete(const QString& address);
    // A page could not be loaded: no answer, or an HTTP error status. The pane then shows its
    // own error page and raises DocumentComplete for it once this event has been handled.
    void NavigateError(const QString& address, int statusCode);
};

// Qt WebEngine behind the pane.
BrowserPane* makeWebEnginePane(QWidget* parent);

// Where the engine keeps the member's cookies and page storage, and its cache, so that they last
// between runs; before the engine is warmed or a pane made. Without it nothing is kept.
void useBrowsingFolders(const QString& storage, const QString& cache);

// Readies Qt WebEngine in the background once the program's first window has been painted, so
// that the first pane, made at login, is as quick as later ones. Once per run.
void warmWebEngine();
// Ends the engine, when it runs, so that it writes what it holds (cookies, page storage) to its
// folder at once: the program's end, with nothing else to run after it.
void endBrowsing();
// Whether the engine is ready (loaded and started).
bool webEngineWarm();
