#include "downloadwindow.h"

#include "downloads.h"
#include "games/start.h"
#include "platform/forms.h"
#include "platform/services.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QUrl>

namespace {

// Names given to downloads still running in this program; the files under their temporary
// names say the same on disk, but only once the engine has made them.
QSet<QString> reserved;

QString bytes(qint64 n) {
    return QLocale().formattedDataSize(n, 1, QLocale::DataSizeTraditionalFormat);
}

} // namespace

DownloadWindow* DownloadWindow::start(Forms& forms, std::unique_ptr<Download> download) {
    auto* w = new DownloadWindow(forms, std::move(download));
    QMdiSubWindow* frame = forms.shownMdiArea()->addSubWindow(
        w,
        Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowTitle(w->windowTitle());
    frame->resize(frame->sizeHint());
    // Top right, each further one below the last, over the page the member is reading.
    const int open = int(forms.shownMdiArea()->findChildren<DownloadWindow*>().size()) - 1;
    frame->move(std::max(0, forms.shownMdiArea()->width() - frame->width()),
                (open % 4) * frame->height());
    frame->show();
    return w;
}

DownloadWindow::DownloadWindow(Forms& forms, std::unique_ptr<Download> download)
    : forms_(forms), download_(std::move(download)), folder_(downloads::folder()) {
    setObjectName(QStringLiteral("Downloading"));
    setWindowTitle(tr("Downloading"));
    name_ = downloads::chooseName(QDir(folder_), download_->suggestedName(),
                                  [](const QString& n) { return reserved.contains(n); });
    part_ = downloads::partName(name_);
    reserved.insert(name_);

    name = new QLabel(name_, this);
    bar = new QProgressBar(this);
    bar->setTextVisible(false); // the sizes say it below
    status = new QLabel(this);
    cancel = new QPushButton(tr("Cancel"), this);
    openFolder = new QPushButton(tr("Open Folder"), this);
    //: Starts the downloaded program
    run = new QPushButton(tr("Run"), this);
    openFolder->hide();
    run->hide();
    auto* grid = new QGridLayout(this);
    grid->addWidget(name, 0, 0, 1, 3);
    grid->addWidget(bar, 1, 0, 1, 3);
    grid->addWidget(status, 2, 0, 1, 3);
    grid->addWidget(run, 3, 0);
    grid->addWidget(openFolder, 3, 1);
    grid->addWidget(cancel, 3, 2);
    setMinimumWidth(360);
    connect(cancel, &QPushButton::clicked, this, [this] { download_->cancel(); });
    connect(openFolder, &QPushButton::clicked, this,
            [this] { forms_.services().openUrl(QUrl::fromLocalFile(folder_)); });
    connect(run, &QPushButton::clicked, this, &DownloadWindow::runIt);

    clock_.start();
    progress(0, -1);
    download_->save(folder_, part_,
                    {[this](qint64 r, qint64 t) { progress(r, t); },
                     [this](Download::End end, const QString& why) { ended(end, why); }});
}

void DownloadWindow::progress(qint64 received, qint64 total) {
    bar->setRange(0, total > 0 ? 1000 : 0);
    if (total > 0) bar->setValue(int(received * 1000 / total));
    const qint64 ms = std::max<qint64>(clock_.elapsed(), 1);
    //: Bytes received, of the whole, at the speed: "1.5 MB of 10 MB at 300 KB/s"
    status->setText(tr("%1 of %2 at %3/s")
                        .arg(bytes(received), total >= 0 ? bytes(total) : QStringLiteral("?"),
                             bytes(received * 1000 / ms)));
}

void DownloadWindow::ended(Download::End end, const QString& why) {
    running_ = false;
    reserved.remove(name_);
    cancel->hide();
    const QDir dir(folder_);
    QString got;
    if (end == Download::End::Whole && !(got = downloads::finish(dir, part_, name_)).isEmpty()) {
        name->setText(got);
        name_ = got;
        bar->setRange(0, 1);
        bar->setValue(1);
        status->setText(
            tr("Done: %1 in %2").arg(bytes(QFileInfo(dir.filePath(got)).size()), folder_));
        openFolder->show();
        QFile f(dir.filePath(got));
        run->setVisible(f.open(QIODevice::ReadOnly) && f.read(2) == "MZ");
        return;
    }
    // Nothing that looks whole is left behind.
    QFile::remove(dir.filePath(part_));
    status->setText(end == Download::End::Cancelled ? tr("Cancelled: nothing was saved.")
                    : end == Download::End::Whole
                        ? tr("Not saved: the file could not be named in %1.").arg(folder_)
                        : tr("Failed: %1. Nothing was saved.").arg(why));
}

// As Connect to Server starts a game, through the same door: through the system's wine for a
// Windows program in the member's own prefix. The member is told when it cannot start, in words
// about the downloaded file: it is no game set in Settings.
void DownloadWindow::runIt() {
    const batch::Launch file{
        (folder_ + QLatin1Char('/') + name_).toStdString(), {}, folder_.toStdString()};
    batch::Start start;
    start.launch = file;
    const batch::Outcome o = forms_.services().startBatch(start);
    if (o == batch::Outcome::Started) return;
    const batch::WhyNot why = batch::whyNotStarted(o, batch::Starting::Download, name_, folder_);
    forms_.services().msg(why.text, msgbox::Buttons::Ok, msgbox::Icon::Critical, why.title);
}

// Closing a window of a running download cancels it; the window goes once it has ended.
void DownloadWindow::closeEvent(QCloseEvent* e) {
    if (!running_) return e->accept();
    e->ignore();
    download_->cancel();
}
