#include "filelists.h"

#include "text.h"
#include "files/paths.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>
#include <system_error>
#include <vector>

namespace {

// The names inside a folder, files or folders, sorted without regard to case; nothing when the
// folder cannot be read.
std::optional<QStringList> entries(const std::filesystem::path& dir, bool folders) {
    std::error_code ec;
    std::filesystem::directory_iterator it(dir, ec);
    if (ec) return std::nullopt;
    QStringList names;
    for (std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        const QString name = fromBytes(it->path().filename().string());
        std::error_code e2;
        if (folders ? (it->is_directory(e2) && !name.startsWith(QLatin1Char('.')))
                    : ((it->is_regular_file(e2) &&
                        name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) ||
                       paths::isNativeProgram(it->path())))
            names << name;
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

QString root(char letter) {
    return QString(QLatin1Char(letter)) + QStringLiteral(":\\");
}

QString join(const QString& dir, const QString& name) {
    return dir.endsWith(QLatin1Char('\\')) ? dir + name : dir + QLatin1Char('\\') + name;
}

} // namespace

DriveList::DriveList(QWidget* parent, const DriveTable& drives)
    : QComboBox(parent), drives_(drives) {
    setObjectName(QStringLiteral("Drive1"));
    setAccessibleName(tr("Drive"));
    for (const ::Drive& d : drives_.drives())
        addItem(fromBytes(DriveTable::text(d)));
    connect(this, &QComboBox::currentIndexChanged, this, &DriveList::Change);
}

void DriveList::setDrive(char letter) {
    const auto& all = drives_.drives();
    auto it =
        std::find_if(all.begin(), all.end(), [&](const ::Drive& d) { return d.letter == letter; });
    if (it == all.end()) return;
    QSignalBlocker quiet(this);
    setCurrentIndex(int(it - all.begin()));
}

DirList::DirList(QWidget* parent, const DriveTable& drives) : QListWidget(parent), drives_(drives) {
    setObjectName(QStringLiteral("Dir1"));
    setAccessibleName(tr("Folders"));
    connect(this, &QListWidget::itemActivated, this, &DirList::open);
}

bool DirList::setPath(const QString& requested) {
    QString path = requested;
    auto letter = DriveTable::letterOf(toBytes(path));
    if (!letter || !drives_.find(*letter)) return false;
    if (path.size() == 2 ||
        (path.size() > 2 && path[2] != QLatin1Char('\\') && path[2] != QLatin1Char('/')))
        path = current_.value(*letter, root(*letter)); // a drive: its current folder
    auto host = drives_.toHost(toBytes(path));
    auto folders = host ? entries(*host, true) : std::nullopt;
    if (!folders) return false;
    // The path as it stands on disk, so that what is stored names the folder exactly.
    QStringList parts = path.mid(3).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    std::filesystem::path walk = drives_.find(*letter)->root;
    QString exact = root(*letter);
    for (const QString& part : parts) {
        std::filesystem::path next =
            drives_.toHost(toBytes(join(exact, part))).value_or(walk / toBytes(part));
        exact = join(exact, fromBytes(next.filename().string()));
        walk = next;
    }
    const bool changed = exact != path_;
    path_ = exact;
    current_[*letter] = exact;
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirIcon);
    QString so = root(*letter);
    auto add = [this](const QIcon& icon, const QString& text, const QString& full, int depth) {
        auto* item = new QListWidgetItem(icon, QString(depth * 2, QLatin1Char(' ')) + text, this);
        item->setData(Qt::UserRole, full);
    };
    add(openIcon, so, so, 0);
    int depth = 1;
    for (const QString& part : exact.mid(3).split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        so = join(so, part);
        add(openIcon, part, so, depth++);
    }
    setCurrentRow(count() - 1);
    for (const QString& f : *folders)
        add(closedIcon, f, join(exact, f), depth);
    if (changed) emit Change();
    return true;
}

void DirList::open(QListWidgetItem* item) {
    if (item) setPath(item->data(Qt::UserRole).toString());
}

FileList::FileList(QWidget* parent, const DriveTable& drives)
    : QListWidget(parent), drives_(drives) {
    setObjectName(QStringLiteral("File1"));
    setAccessibleName(tr("Files"));
    setSortingEnabled(false);
    connect(this, &QListWidget::itemClicked, this, &FileList::Click);
}

void FileList::keyPressEvent(QKeyEvent* e) {
    // Choosing a file with the keyboard is a click on it, as in the system's own file lists.
    const int before = currentRow();
    QListWidget::keyPressEvent(e);
    if (currentRow() != before && currentItem() && currentItem()->isSelected()) emit Click();
}

bool FileList::fill(const QString& path) {
    auto host = drives_.toHost(toBytes(path));
    auto files = host ? entries(*host, false) : std::nullopt;
    if (!files) return false;
    setUpdatesEnabled(false);
    clear();
    addItems(*files);
    setUpdatesEnabled(true);
    return true;
}

bool FileList::setPath(const QString& path) {
    if (!fill(path)) return false;
    const bool changed = path != path_;
    path_ = path;
    if (changed) emit PathChange();
    return true;
}

QString FileList::FileName() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}
