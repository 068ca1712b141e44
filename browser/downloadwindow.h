#pragma once

#include "engine.h"

#include <QElapsedTimer>
#include <QWidget>

#include <memory>

class Forms;
class QLabel;
class QProgressBar;
class QPushButton;

// The small window "Downloading" of one file, inside the main window: its name, its progress
// with size and speed, and Cancel; once whole, Open Folder and, for a Windows program, Run.
// The file is written under a temporary name and takes its own only when whole.
class DownloadWindow final : public QWidget {
    Q_OBJECT
public:
    // Saves the download into the member's download folder and shows its window.
    static DownloadWindow* start(Forms& forms, std::unique_ptr<Download> download);

    QLabel* name;
    QProgressBar* bar;
    QLabel* status;
    QPushButton *cancel, *openFolder, *run;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    DownloadWindow(Forms& forms, std::unique_ptr<Download> download);
    void progress(qint64 received, qint64 total);
    void ended(Download::End end, const QString& why);
    void runIt();

    Forms& forms_;
    std::unique_ptr<Download> download_;
    QString folder_, name_, part_;
    QElapsedTimer clock_;
    bool running_ = true;
};
