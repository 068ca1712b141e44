#pragma once

#include "files/drives.h"

#include <QComboBox>
#include <QListWidget>
#include <QMap>
#include <QString>

// The three lists of the settings window. Paths in and out are Windows paths on the drives of
// the drive table ("z:\home\me\games"); what is on disk is read through the table.

class DriveList final : public QComboBox {
    Q_OBJECT
public:
    DriveList(QWidget* parent, const DriveTable& drives);
    QString Drive() const { return currentText(); } // "z: [/]"
    void setDrive(char letter);                     // quietly: no Change

signals:
    void Change();

private:
    const DriveTable& drives_;
};

// The path from the drive's root down to the current folder, then the folders inside it. A
// double click (or Enter) opens a folder; a single click only highlights it.
class DirList final : public QListWidget {
    Q_OBJECT
public:
    DirList(QWidget* parent, const DriveTable& drives);
    QString Path() const { return path_; }
    // A folder, or a drive ("z:" or a drive text "z: [/]") for that drive's current folder.
    // False, and nothing changes, when it cannot be read.
    bool setPath(const QString& path);

signals:
    void Change();

private:
    void open(QListWidgetItem* item);

    const DriveTable& drives_;
    QString path_;
    QMap<char, QString> current_; // each drive's current folder
};

// The files of one folder whose names match "*.exe", without regard to case, and the programs a
// Linux member runs directly (native engines of the games, start scripts).
class FileList final : public QListWidget {
    Q_OBJECT
public:
    FileList(QWidget* parent, const DriveTable& drives);
    QString Path() const { return path_; }
    bool setPath(const QString& path);
    QString FileName() const; // the highlighted file, or empty

signals:
    void PathChange();
    void Click();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool fill(const QString& path);

    const DriveTable& drives_;
    QString path_;
};
