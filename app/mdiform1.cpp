#include "mdiform1.h"

#include "platform/art.h"
#include "platform/controls.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMdiArea>
#include <QVBoxLayout>

MDIForm1::MDIForm1(Forms& forms)
    : Form(forms, QStringLiteral("MDIForm1"), Kind::MdiParent,
           //: TOVO, Iron Lantern and Night Owls are names
           tr("TOVO - Iron Lantern / Night Owls Online Game Service"), 11460, 7575),
      area_(new QMdiArea(this)) {
    area_->setObjectName(QStringLiteral("MDIClient"));
    area_->setBackground(QColor(look::background));
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area_);
    setWindowIcon(QIcon(art::logo(64)));
    // Large enough that the biggest child window, frame and all, shows whole.
    resize(twips(11535) + 24, twips(7575) + 40);
}

void MDIForm1::closeEvent(QCloseEvent* e) {
    // Leaving goes through the exit confirmation, whose YES ends the program.
    e->ignore();
    forms().showModal(QStringLiteral("closeprog"));
}
