#include "gamesfound.h"

#include "platform/text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <set>

GamesFound::GamesFound(QWidget* parent, std::vector<Row> rows) : QDialog(parent), rows_(std::move(rows))
{
    setObjectName(QStringLiteral("GamesFound"));
    setWindowTitle(QStringLiteral("Games Found"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Tick the games to set, then press Set Selected."), this));
    auto* list = new QWidget;
    auto* listLayout = new QVBoxLayout(list);
    // Only the first find of a game not set yet is ticked: two ticked for one game would leave
    // the game set to whichever came last.
    std::set<const Game*> tickedGames;
    int n = 0;
    for (const Row& r : rows_) {
        const QString dash = QStringLiteral(" \u2014 ");
        auto* box = new QCheckBox(QString::fromLatin1(r.find.game->section) + dash + fromBytes(r.find.where) + dash +
                                      fromBytes(r.find.program.string()),
                                  list);
        box->setObjectName(QStringLiteral("Found%1").arg(++n));
        box->setChecked(!r.alreadySet && tickedGames.insert(r.find.game).second);
        listLayout->addWidget(box);
        boxes_.push_back(box);
    }
    listLayout->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(list->sizeHint().boundedTo(QSize(900, 400)) + QSize(24, 8));
    layout->addWidget(scroll);
    auto* buttons = new QDialogButtonBox(this);
    SetSelected = buttons->addButton(QStringLiteral("Set Selected"), QDialogButtonBox::AcceptRole);
    SetSelected->setObjectName(QStringLiteral("SetSelected"));
    Cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::vector<const GamesFound::Row*> GamesFound::ticked() const
{
    std::vector<const Row*> out;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (boxes_[i]->isChecked())
            out.push_back(&rows_[i]);
    return out;
}
