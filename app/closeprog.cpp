#include "closeprog.h"

#include "platform/art.h"
#include "platform/controls.h"
#include "platform/services.h"

closeprog::closeprog(Forms& forms)
    : Form(forms, QStringLiteral("closeprog"), Kind::TopLevel, tr("Exit"), 6330, 2085) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setBackgroundPicture(art::background(false).copy(0, 0, 426, 141));
    const QString question = tr("Are you sure you want to exit?");
    Image3 = new Picture(this, QStringLiteral("Image3"));
    Image3->setAccessibleName(question); // its words; no button, so not in the tab order
    Image3->setPicture(art::words(question, twips(4680), twips(330), 11));
    placeTwips(Image3, 600, 240, 4680, 330);
    //: The answer to the Exit question, on a button in capitals
    const QString yes = tr("YES");
    Image4 = new Picture(this, QStringLiteral("Image4"), yes);
    Image4->setPicture(art::button(yes, twips(2160), twips(660)));
    placeTwips(Image4, 600, 1080, 2160, 660);
    //: The answer to the Exit question, on a button in capitals
    const QString no = tr("NO");
    Image5 = new Picture(this, QStringLiteral("Image5"), no);
    Image5->setPicture(art::button(no, twips(2205), twips(675)));
    placeTwips(Image5, 3480, 1080, 2205, 675);
    connect(Image4, &Picture::Click, this, &closeprog::Image4_Click);
    connect(Image5, &Picture::Click, this, &closeprog::Image5_Click);
}

// The program ends at once: no window is asked or unloaded. Every file the program writes is
// complete when written; the browser engine alone holds cookies and page storage not written yet,
// and the program's end has it write them first (Services::endProgram).
void closeprog::Image4_Click() {
    services().endProgram();
}

void closeprog::Image5_Click() {
    forms().hide(QStringLiteral("closeprog"));
}
