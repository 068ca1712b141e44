#pragma once

#include <QPixmap>
#include <QString>

// The program's pictures, drawn at run time in its look: dark grey, light-grey lettering, the
// community's lantern-and-owl logo.
namespace art {

QPixmap background(bool withLogo);             // 770 x 548: the window backgrounds
QPixmap button(const QString& text, int w, int h, bool pressed = false);
QPixmap aliasPanel(int w, int h);              // "Enter your alias:", a field, "Save alias:"
QPixmap toggle(bool selected, int w, int h);   // an empty ring or a filled dot
QPixmap banner(int w, int h);                  // an empty frame
QPixmap words(const QString& text, int w, int h, int points); // lettering on the grey
QPixmap roundedFrame(int w, int h);            // the frame around the status line
QPixmap logo(int size);                        // the program's icon

} // namespace art
