#include "msgbox.h"

#include <QApplication>
#include <QMessageBox>

namespace msgbox {

Answer QtBoxes::show(const QString& prompt, Buttons buttons, Icon icon, const QString& title) {
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title,
                    prompt, QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText); // a server address or a link is shown as it was written
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    int r = box.exec();
    if (buttons == Buttons::Ok) return Answer::Ok;
    return r == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace msgbox
