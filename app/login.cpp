#include "login.h"

#include "files/paths.h"
#include "files/profile.h"
#include "games/catalogue.h"
#include "games/dirfile.h"
#include "platform/art.h"
#include "platform/controls.h"
#include "platform/services.h"
#include "platform/text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace {
const char* Section = "il nightowls";

QLineEdit* hiddenText(QWidget* parent, const QString& name, const QString& text) {
    auto* t = new QLineEdit(text, parent);
    t->setObjectName(name);
    t->hide();
    return t;
}
} // namespace

Login::Login(Forms& forms)
    : Form(forms, QStringLiteral("Login"), Kind::MdiChild, tr("Login"), 11535, 7485),
      //: The alias box's text until the member types an alias
      TypeHere(tr("Type here")) {
    // The alias box first, so that the keyboard goes from it through the pictures in the order
    // they are made, which is their order on screen.
    Text1 = new QLineEdit(TypeHere, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(tr("Alias"));
    Text1->setFrame(false);
    Text1->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: none; }")
                             .arg(look::css(look::background), look::css(look::value)));
    placeTwips(Text1, 4320, 4200, 3135, 255);
    Text1->installEventFilter(this);
    setFocusProxy(Text1);

    // The pictures after the alias box: they are made meanwhile (art::prepareLogin).
    setBackgroundPicture(art::background(true, art::screenScale()));
    auto picture = [this](const QString& name, const QPixmap& pix, QRect twipsRect,
                          const QString& accessible = {}) {
        auto* p = new Picture(this, name, accessible);
        p->setPicture(pix);
        placeTwips(p, twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height());
        return p;
    };
    const QRect toggleAt(4200, 5160, 480, 435), loginAt(6120, 5040, 1545, 720);
    Image8 = picture(QStringLiteral("Image8"), art::banner(twips(9435), twips(585)),
                     {240, 6720, 9435, 585});
    Image1 = picture(QStringLiteral("Image1"), art::stored(art::Stored::AliasPanel),
                     {4080, 3600, 3570, 1365});
    Image1->setAccessibleName(
        art::aliasPanelWords()); // its words; no button, so not in the tab order
    Image3 = picture(QStringLiteral("Image3"), art::toggle(true, 32, 29), toggleAt);
    Image4 = picture(QStringLiteral("Image4"), art::toggle(false, 32, 29), toggleAt);
    // The toggle starts with its own copy of the unselected look, not Image4's picture itself.
    Image2 =
        picture(QStringLiteral("Image2"), Image4->picture().copy(), toggleAt, tr("Save alias"));
    Image6 = picture(QStringLiteral("Image6"), art::stored(art::Stored::LoginPressed), loginAt);
    Image7 = picture(QStringLiteral("Image7"), art::stored(art::Stored::Login), loginAt);
    Image5 = picture(QStringLiteral("Image5"), Image7->picture().copy(), loginAt, tr("Login"));
    Image10 = picture(QStringLiteral("Image10"), art::stored(art::Stored::Settings),
                      {9840, 5400, 1425, 495}, tr("Settings"));
    Image11 = picture(QStringLiteral("Image11"), art::stored(art::Stored::About),
                      {9840, 6000, 1425, 495}, tr("About"));
    Image9 = picture(QStringLiteral("Image9"), art::stored(art::Stored::Exit),
                     {9840, 6720, 1470, 705}, tr("Exit"));
    for (Picture* hidden : {Image3, Image4, Image6, Image7})
        hidden->hide();
    Text1->raise(); // over the panel picture it lies in
    Text1->setFocus();

    Text3 = hiddenText(this, QStringLiteral("Text3"), QStringLiteral("Text3"));
    Text4 = hiddenText(this, QStringLiteral("Text4"), QStringLiteral("yes"));
    Text5 = hiddenText(this, QStringLiteral("Text5"), QStringLiteral("yes"));

    connect(Image5, &Picture::MouseDown, this, &Login::Image5_MouseDown);
    connect(Image5, &Picture::MouseUp, this, &Login::Image5_MouseUp);
    connect(Image5, &Picture::Click, this, &Login::Image5_Click);
    connect(Image2, &Picture::Click, this, &Login::Image2_Click);
    connect(Image9, &Picture::Click, this, &Login::Image9_Click);
    connect(Image10, &Picture::Click, this, &Login::Image10_Click);
    connect(Image11, &Picture::Click, this, &Login::Image11_Click);
}

std::filesystem::path Login::aliasFile() const {
    return services().file("\\ilowls.con");
}

void Login::Form_Initialize() {
    const auto file = aliasFile();
    Text1->setText(fromBytes(profile::read(Section, "Alias", toBytes(TypeHere), 30, file)));
    Text5->setText(fromBytes(profile::read(Section, "First", "yes", 30, file)));
    Text1->selectAll(); // typing replaces the text shown
    if (Text5->text() != QLatin1String("yes")) return;
    // First run: every game starts out not set, in its directory file and its batch file.
    // Nothing here is checked: a program directory that cannot be written still opens.
    const auto& dir = services().programDir;
    profile::write(Section, "First", "no", file);
    paths::makeDir(dir, "\\settings");
    for (const Game& g : catalogue::games())
        dirfile::create(dir, g);
    for (const Game& g : catalogue::games())
        profile::write("Saved", "Path", "0", catalogue::batchFile(dir, g));
}

bool Login::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Text1_KeyPress(13);
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

void Login::askForAlias() {
    //: The title keeps its blanks: they widen the box's title bar
    const QString title = tr("Enter alias              ");
    services().msg(tr("Please enter your alias."), msgbox::Buttons::Ok, msgbox::Icon::None, title);
    Text1->setText(QString());
}

void Login::refuseDetection() {
    services().msg(tr("Network connection failed, please exit program and try again."),
                   msgbox::Buttons::Ok, msgbox::Icon::Critical, tr("Network Detection Failed"));
}

void Login::Text1_KeyPress(int keyAscii) {
    if (keyAscii != 13) return;
    if (Text1->text() == TypeHere) {
        askForAlias();
        return;
    }
    // The detection runs once per run; a second one would leave the member in front of a
    // detection window that never finishes, so Enter answers as the login button does.
    if (Text4->text() == QLatin1String("no")) {
        refuseDetection();
        return;
    }
    forms().showModal(QStringLiteral("Form1"));
}

void Login::Image5_MouseDown() {
    Image5->setPicture(Image6->picture());
}

void Login::Image5_MouseUp() {
    if (Text1->text() == TypeHere) {
        askForAlias();
        return;
    }
    if (Text3->text() == QLatin1String("enabled"))
        profile::write(Section, "Alias", toBytes(Text1->text()), aliasFile());
    if (Text4->text() != QLatin1String("no"))
        forms().showModal(QStringLiteral("Form1"));
    else
        refuseDetection();
    Image5->setPicture(Image7->picture());
}

// Pressed, then released at once: the button's release has already shown the raised picture,
// and a click on the login picture logs in only through its release (Image5_MouseUp).
void Login::Image5_Click() {
    Image5->setPicture(Image6->picture());
    Image5->setPicture(Image7->picture());
}

void Login::Image2_Click() {
    if (Image2->picture().cacheKey() == Image3->picture().cacheKey()) {
        Image2->setPicture(Image4->picture());
        Text3->setText(QStringLiteral("disabled"));
    } else {
        Text3->setText(QStringLiteral("enabled"));
        Image2->setPicture(Image3->picture());
    }
}

void Login::Image9_Click() {
    forms().showModal(QStringLiteral("closeprog"));
}
void Login::Image10_Click() {
    forms().show(QStringLiteral("Settings"));
}
void Login::Image11_Click() {
    forms().show(QStringLiteral("About"));
}

void Login::Form_MouseDown(int button) {
    if (button == RightButton)
        services().popup(
            forms().get(QStringLiteral("popmnu2")).findChild<QMenu*>(QStringLiteral("test")));
}
