#include "browserpane.h"

#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

class WebEnginePane final : public BrowserPane {
public:
    explicit WebEnginePane(QWidget* parent) : BrowserPane(parent), view_(new QWebEngineView(this))
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view_);
        view_->page()->setBackgroundColor(QColor(0x40, 0x40, 0x40));
        connect(view_->page(), &QWebEnginePage::loadingChanged, this,
                [this](const QWebEngineLoadingInfo& info) { loadingChanged(info); });
    }

    void Navigate(const QString& address) override
    {
        view_->load(QUrl(address.contains(QLatin1String("://")) ? address
                                                                : QStringLiteral("http://") + address));
    }
    void Stop() override { view_->stop(); }
    void GoBack() override { view_->back(); }
    void GoForward() override { view_->forward(); }
    QString LocationName() const override
    {
        QString title = view_->title();
        QString address = view_->url().toString();
        // WebEngine shows the address as the title of a page that has none.
        return title.isEmpty() ? address : title;
    }

private:
    void loadingChanged(const QWebEngineLoadingInfo& info)
    {
        const QString address = info.url().toString();
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadSucceededStatus:
            if (info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain &&
                info.errorCode() >= 400)
                failed(address, info.errorCode());
            else
                emit DocumentComplete(address);
            break;
        case QWebEngineLoadingInfo::LoadFailedStatus:
            failed(address, info.errorCode());
            break;
        default:
            break;
        }
    }

    // The error event runs to its end (a message box may keep it open) before the error page
    // counts as a completed document.
    void failed(const QString& address, int status)
    {
        QPointer<WebEnginePane> self(this);
        emit NavigateError(address, status);
        if (self)
            QTimer::singleShot(0, this, [this, address] { emit DocumentComplete(address); });
    }

    QWebEngineView* view_;
};

} // namespace

BrowserPane* makeWebEnginePane(QWidget* parent) { return new WebEnginePane(parent); }
