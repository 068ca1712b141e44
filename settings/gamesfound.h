#pragma once

#include "installs/finder.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QPushButton;

// "Games Found": what Find Games found, one box per program, ticked for the games not set yet;
// a program in another Wine's prefix has no box, and its row says why. Set Selected sets each
// ticked game as its Set button would.
class GamesFound final : public QDialog {
    Q_OBJECT
public:
    struct Row {
        installs::Find find;
        installs::Setting setting;
        bool alreadySet;
    };
    GamesFound(QWidget* parent, std::vector<Row> rows);

    std::vector<const Row*> ticked() const;

    QPushButton *SetSelected, *Cancel;

private:
    std::vector<Row> rows_;
    std::vector<QCheckBox*> boxes_; // none for a row that cannot be set
};
