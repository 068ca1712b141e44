#pragma once

#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

// The program's pictures in its look: dark grey, light-grey lettering, the community's
// lantern-and-owl logo. Most are drawn at run time; a scale of 2 draws them for a HiDPI screen.
namespace art {

// The login window's pictures with lettering are drawn once, when the program is built (by
// tovo-art, at 1x and 2x), and kept in it: the first lettering drawn reads the fonts, and
// that held the login window back at start.
enum class Stored { Title, AliasPanel, Login, LoginPressed, Settings, About, Exit };
QPixmap stored(Stored which); // at the screen's scale
// Reads them, and draws the login window's background, on a thread of their own while the
// window's controls are made; stored() and background() then take them from there.
void prepareLogin();
int screenScale(); // 2 on a HiDPI screen, else 1
// For tovo-art: a stored picture drawn, by its file name (empty if it names none), and the
// names of them all.
QPixmap drawStored(const QString& name, int scale);
QStringList storedNames();

QPixmap background(bool withLogo, int scale = 1); // 770 x 548: the window backgrounds
QPixmap button(const QString& text, int w, int h, bool pressed = false, int scale = 1);
QPixmap aliasPanel(int w, int h, int scale = 1); // "Enter your alias:", a field, "Save alias:"
QString aliasPanelWords();                       // its words, in the member's language
QPixmap toggle(bool selected, int w, int h);     // an empty ring or a filled dot
QPixmap banner(int w, int h);                    // an empty frame
QPixmap words(const QString& text, int w, int h, int points); // lettering on the grey
QPixmap roundedFrame(int w, int h);                           // the frame around the status line
QPixmap logo(int size);                                       // the program's icon

// Lettering drawn so far that did not fit its picture, and by how many pixels: a translation
// that is too long for its button shows here (the languages' test reads it).
struct Clipped {
    QString words;
    int pixels;
};
QList<Clipped> clipped();

} // namespace art
