#include "gamesfound.h"

#include "games/dirfile.h"
#include "platform/text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace {
// A game in a Wine prefix by the Windows path its installer gave it; any other by its place on
// this machine, the home folder as "~".
QString shown(const GamesFound::Row& r) {
    if (!r.find.runner.prefix.empty()) {
        QString dir = fromBytes(dirfile::folderOf(r.setting.dir));
        dir[0] = dir[0].toUpper();
        return dir + fromBytes(r.setting.file);
    }
    const QString path = fromBytes(r.find.program.string()), home = QDir::homePath();
    return path.startsWith(home + QLatin1Char('/')) ? QLatin1Char('~') + path.mid(home.size())
                                                    : path;
}
// Where a find came from in the member's language: the words Find Games puts around a place,
// translated; the launchers', Steam's and the places' names as they are.
QString where(const installs::Find& f) {
    const QString w = fromBytes(f.where), prefix = QStringLiteral("Wine prefix ");
    if (w == QLatin1String("installed engine")) return GamesFound::tr("installed engine");
    if (w.startsWith(prefix)) return GamesFound::tr("Wine prefix %1").arg(w.mid(prefix.size()));
    return w;
}
} // namespace

GamesFound::GamesFound(QWidget* parent, std::vector<Row> rows)
    : QDialog(parent), rows_(std::move(rows)) {
    setObjectName(QStringLiteral("GamesFound"));
    setWindowTitle(tr("Games Found"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Tick the games to set, then press Set Selected."), this));
    auto* list = new QWidget;
    auto* listLayout = new QVBoxLayout(list);
    // Only the first find of a game not set yet is ticked: two ticked for one game would leave
    // the game set to whichever came last.
    std::set<const Game*> tickedGames;
    int n = 0;
    for (const Row& r : rows_) {
        const QString dash = QStringLiteral(" \u2014 "),
                      text = QString::fromLatin1(r.find.game->section) + dash + where(r.find) +
                             dash + shown(r);
        QWidget* row;
        if (r.find.anotherWine) { // another Wine's prefix: no box, and why
            auto* why = new QLabel(
                text + dash + tr("made by another Wine: set it through its launcher"), list);
            why->setTextFormat(Qt::PlainText);
            row = why;
        } else {
            auto* box = new QCheckBox(text, list);
            box->setChecked(!r.alreadySet && tickedGames.insert(r.find.game).second);
            row = box;
        }
        row->setObjectName(QStringLiteral("Found%1").arg(++n));
        listLayout->addWidget(row);
        boxes_.push_back(qobject_cast<QCheckBox*>(row));
    }
    listLayout->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    const QSize all = listLayout->sizeHint(); // every row, up to what a screen shows well
    scroll->setMinimumSize(std::min(all.width(), 1000) + 24, std::min(all.height(), 420) + 8);
    layout->addWidget(scroll);
    auto* buttons = new QDialogButtonBox(this);
    SetSelected = buttons->addButton(tr("Set Selected"), QDialogButtonBox::AcceptRole);
    SetSelected->setObjectName(QStringLiteral("SetSelected"));
    Cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::vector<const GamesFound::Row*> GamesFound::ticked() const {
    std::vector<const Row*> out;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (boxes_[i] && boxes_[i]->isChecked()) out.push_back(&rows_[i]);
    return out;
}
