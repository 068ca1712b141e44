#include "keyring.h"

#include <QPointer>
#include <qt6keychain/keychain.h>

#include <cstdio>
#include <deque>
#include <utility>

namespace {

// The keyring's items are the program's by this service name. A list of the pages that have a
// password kept stands beside them under a key no page has (pages end in ".htm"), since a
// keyring cannot be asked which items a program has: "Forget Passwords" reads it.
const QString service = QStringLiteral("TOVO");
const QString pagesKey = QStringLiteral("servers");

class DesktopKeyring final : public QObject, public Keyring {
public:
    void read(const QString& page, QObject* context,
              std::function<void(Found, const QString&)> done) override {
        auto* job = new QKeychain::ReadPasswordJob(service, this);
        job->setKey(page);
        connect(job, &QKeychain::Job::finished, context, [done](QKeychain::Job* j) {
            const auto* r = static_cast<QKeychain::ReadPasswordJob*>(j);
            if (r->error() == QKeychain::NoError) return done(Found::Password, r->textData());
            if (r->error() == QKeychain::EntryNotFound) return done(Found::Nothing, {});
            said(r);
            done(Found::NoKeyring, {});
        });
        job->start();
    }

    // One change at a time, so that the list of pages is never written by two at once.
    void keep(const QString& page, const QString& password) override {
        later([this, page, password](Next next) {
            write(page, password, [this, page, next] {
                pages([this, page, next](QStringList all) {
                    if (all.contains(page)) return next();
                    write(pagesKey, (all << page).join(QLatin1Char('\n')), next);
                });
            });
        });
    }

    void forgetAll() override {
        later([this](Next next) {
            pages([this, next](const QStringList& all) {
                for (const QString& page : all + QStringList{pagesKey}) {
                    auto* job = new QKeychain::DeletePasswordJob(service, this);
                    job->setKey(page);
                    job->start();
                }
                next();
            });
        });
    }

private:
    using Next = std::function<void()>;
    using Step = std::function<void(Next)>;

    static void said(const QKeychain::Job* j) {
        static bool once = false; // the member's terminal hears it once, not at every Connect
        if (!std::exchange(once, true))
            std::fprintf(stderr, "tovo: the desktop's keyring cannot be used: %s\n",
                         qPrintable(j->errorString()));
    }

    void write(const QString& key, const QString& text, Next next) {
        auto* job = new QKeychain::WritePasswordJob(service, this);
        job->setKey(key);
        job->setTextData(text);
        connect(job, &QKeychain::Job::finished, this, [next](QKeychain::Job* j) {
            if (j->error() != QKeychain::NoError) said(j);
            next();
        });
        job->start();
    }

    void pages(std::function<void(QStringList)> then) {
        read(pagesKey, this, [then](Found f, const QString& text) {
            then(f == Found::Password ? text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                      : QStringList());
        });
    }

    void later(Step step) {
        steps_.push_back(std::move(step));
        if (steps_.size() == 1) run();
    }
    void run() {
        if (steps_.empty()) return;
        const Step step = steps_.front(); // a copy: the step may end before its call returns
        step([this] {
            steps_.pop_front();
            run();
        });
    }

    std::deque<Step> steps_;
};

} // namespace

std::unique_ptr<Keyring> desktopKeyring() {
    return std::make_unique<DesktopKeyring>();
}
