#include "settings.h"

#include "gamesfound.h"
#include "games/dirfile.h"
#include "platform/art.h"
#include "platform/controls.h"
#include "platform/filelists.h"
#include "platform/services.h"
#include "platform/text.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

namespace {
// Rows of Set buttons and clear boxes, one a game from the top; the clear buttons, the Close
// picture and the window's foot stand below the last row, as many rows down as there are games
// (for twelve, where the design puts them).
int rowTop(std::size_t row) {
    return 1200 + 360 * int(row - 1);
}
const int clearTop = rowTop(catalogue::games().size() + 1) + 240; // 5760 for twelve
const int closeTop = clearTop + 960;                              // 6720 for twelve
const int windowHeight = closeTop + 705;                          // 7425 for twelve

// The order in which "Clear Selected Directories" visits the boxes: by their names, Check1,
// Check2, ... (one a game), which puts row 3 (Check11) after row 11.
std::vector<const Game*> byBoxName() {
    std::vector<const Game*> order;
    for (std::size_t i = 1; i <= catalogue::games().size(); ++i)
        order.push_back(catalogue::byClearBox("Check" + std::to_string(i)));
    return order;
}
} // namespace

// A Set button's caption from the catalogue in the member's language: "Set" translated around
// the game's name, which stays as it is, and the "+" that marks a set game kept as it is written
// (a caption without "Set" stays whole).
QString Settings::caption(const char* catalogued) {
    const QString whole = QString::fromLatin1(catalogued);
    if (!whole.startsWith(QLatin1String("Set "))) return whole;
    qsizetype end = whole.size(); // the game's name ends before the mark
    while (end > 4 && (whole[end - 1] == QLatin1Char('+') || whole[end - 1] == QLatin1Char(' ')))
        --end;
    //: A Set button: the game's folder is picked as the one that starts it; %1 is the game
    return tr("Set %1").arg(whole.mid(4, end - 4)) + whole.mid(end);
}

Settings::Settings(Forms& forms)
    : Form(forms, QStringLiteral("Settings"), Kind::MdiChild, tr("Settings and Options"), 11340,
           windowHeight) {
    setFrameClosable(true);
    setBackgroundPicture(art::background(false));
    makeLabels();
    makeLists();
    makeGameRows();
    makeButtons();
    startIn(services().programDir);
    // Connected only now: a new window has no pending directory, although its lists show files.
    connect(Drive1, &DriveList::Change, this, &Settings::Drive1_Change);
    connect(Dir1, &DirList::Change, this, &Settings::Dir1_Change);
    connect(File1, &FileList::PathChange, this, &Settings::File1_PathChange);
    connect(File1, &FileList::Click, this, &Settings::File1_Click);
    connect(Command1, &QPushButton::clicked, this, &Settings::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &Settings::Command5_Click);
    connect(FindGames, &QPushButton::clicked, this, &Settings::FindGames_Click);
    connect(ForgetPasswords, &QPushButton::clicked, this, &Settings::ForgetPasswords_Click);
    connect(Image1, &Picture::Click, this, &Settings::Image1_Click);
    connect(Label2, &Label::Click, this, &Settings::Label2_Click);
}

// The three notes along the top.
void Settings::makeLabels() {
    auto label = [this](const QString& name, const QString& text, int left) {
        auto* l = new Label(this, name, text);
        l->setWordWrap(true);
        l->setFont(look::sansSerif(8.25));
        look::setTextColour(l, look::value);
        placeTwips(l, left, 360, name == QLatin1String("Label1") ? 3135 : 2415, 735);
        return l;
    };
    Label1 = label(QStringLiteral("Label1"),
                   tr("Find game executable below and highlight.  Then hit the corresponding "
                      "set button to make directory active."),
                   1680);
    Label2 = label(QStringLiteral("Label2"),
                   tr("The Set buttons below with a \"+\" means that the directory has been set."),
                   6000);
    Label3 = label(QStringLiteral("Label3"),
                   tr("Check a box below and then hit \"Clear Selected Directories\" button "
                      "to remove selected dir."),
                   8760);
}

// The drive, folder and file lists the member picks a game's program in.
void Settings::makeLists() {
    const DriveTable& drives = services().drives;
    Drive1 = new DriveList(this, drives);
    placeTwips(Drive1, 1680, 1200, 2895, 315);
    Dir1 = new DirList(this, drives);
    placeTwips(Dir1, 1680, 1560, 2895, 2565);
    File1 = new FileList(this, drives);
    placeTwips(File1, 1680, 4080, 2895, 1980);
    const QString listLook = QStringLiteral("background: %1; color: %2;")
                                 .arg(look::css(look::background), look::css(look::value));
    for (QWidget* w :
         {static_cast<QWidget*>(Drive1), static_cast<QWidget*>(Dir1), static_cast<QWidget*>(File1)})
        w->setStyleSheet(listLook);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    placeTwips(Text1, 1680, 6000, 2895, 375);
    Text1->hide();
}

// A Set button and a Clear box for each game, in the catalogue's order.
void Settings::makeGameRows() {
    for (const Game& g : catalogue::games()) {
        const int top = rowTop(g.row);
        auto* set = new QPushButton(caption(g.unsetCaption), this);
        set->setObjectName(QString::fromLatin1(g.setButton));
        placeTwips(set, 6000, top, 2535, 375);
        connect(set, &QPushButton::clicked, this, [this, &g] { Set_Click(g); });
        auto* box = new QCheckBox(this);
        box->setObjectName(QString::fromLatin1(g.clearBox));
        //: A box that marks a game's folder to be cleared; %1 is the game
        box->setAccessibleName(tr("Clear %1").arg(QString::fromLatin1(g.section)));
        box->setStyleSheet(
            QStringLiteral(
                "QCheckBox { background: %1; }"
                "QCheckBox::indicator { width: 13px; height: 13px; border: 1px solid %2; "
                "background: %1; }"
                "QCheckBox::indicator:checked { background: #E8A83A; }")
                .arg(look::css(look::background), look::css(look::value)));
        placeTwips(box, 8760, top, 255, 255);
    }
}

void Settings::makeButtons() {
    Command1 = new QPushButton(tr("Clear Selected Directories"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    placeTwips(Command1, 6000, clearTop, 2535, 375);
    Command5 = new QPushButton(tr("Clear All Directories"), this);
    Command5->setObjectName(QStringLiteral("Command5"));
    placeTwips(Command5, 6000, clearTop + 360, 2535, 375);
    // Under the lists, beside "Clear All Directories": the free place on the window.
    FindGames = new QPushButton(tr("Find Games"), this);
    FindGames->setObjectName(QStringLiteral("FindGames"));
    placeTwips(FindGames, 1680, clearTop + 360, 2895, 375);
    // Left of Close, where the window has room: the keyring's passwords are no directory.
    ForgetPasswords = new QPushButton(tr("Forget Passwords"), this);
    ForgetPasswords->setObjectName(QStringLiteral("ForgetPasswords"));
    placeTwips(ForgetPasswords, 1680, closeTop + 150, 2895, 375);
    const QString close = tr("Close");
    Image1 = new Picture(this, QStringLiteral("Image1"), close);
    Image1->setPicture(art::button(close, 136, 45));
    placeTwips(Image1, 4680, closeTop, 2040, 675);
}

void Settings::startIn(const std::filesystem::path& folder) {
    const DriveTable& drives = services().drives;
    auto win = drives.toWindows(folder);
    if (!win || !Dir1->setPath(fromBytes(*win))) {
        for (const Drive& d : drives.drives())
            if (Dir1->setPath(QString(QLatin1Char(d.letter)) + QStringLiteral(":\\"))) break;
    }
    if (auto letter = DriveTable::letterOf(toBytes(Dir1->Path()))) Drive1->setDrive(*letter);
    File1->setPath(Dir1->Path());
}

QPushButton* Settings::setButton(const Game& g) const {
    return findChild<QPushButton*>(QString::fromLatin1(g.setButton));
}

QCheckBox* Settings::clearBox(const Game& g) const {
    return findChild<QCheckBox*>(QString::fromLatin1(g.clearBox));
}

void Settings::Drive1_Change() {
    // A drive that cannot be read leaves the lists where they were; the drive list goes back to
    // the drive they show, so that a Set never stores one drive with another's folder.
    if (!Dir1->setPath(Drive1->Drive())) {
        if (auto letter = DriveTable::letterOf(toBytes(Dir1->Path()))) Drive1->setDrive(*letter);
    }
}

void Settings::Dir1_Change() {
    File1->setPath(Dir1->Path());
}
void Settings::File1_PathChange() {
    Text1->setText(File1->Path());
}
void Settings::File1_Click() {
    Text1->setText(File1->Path());
}

void Settings::Set_Click(const Game& g) {
    if (Text1->text().isEmpty()) {
        services().msg(tr("You did not select a game yet."), msgbox::Buttons::Ok,
                       msgbox::Icon::None, tr("No game selected"));
        return;
    }
    setButton(g)->setText(caption(g.setCaption));
    dirfile::store(services().programDir, g, toBytes(Drive1->Drive()),
                   dirfile::dirValue(toBytes(Text1->text())), toBytes(File1->FileName()));
    Text1->setText(QString());
}

void Settings::uncheckAll() {
    for (const Game* g : byBoxName())
        clearBox(*g)->setChecked(false);
}

void Settings::Command1_Click() {
    for (const Game* g : byBoxName()) {
        if (!clearBox(*g)->isChecked()) continue;
        setButton(*g)->setText(caption(g->clearedCaption));
        dirfile::reset(services().programDir, *g);
    }
    uncheckAll();
}

void Settings::ForgetPasswords_Click() {
    if (services().msg(tr("Do you want to forget the passwords of all servers kept on "
                          "this computer?"),
                       msgbox::Buttons::YesNo, msgbox::Icon::None,
                       tr("Forget Passwords")) != msgbox::Answer::Yes)
        return;
    if (services().keyring) services().keyring->forgetAll();
}

void Settings::Command5_Click() {
    if (services().msg(tr("Do you want to clear all directories?"), msgbox::Buttons::YesNo,
                       msgbox::Icon::None, tr("Clear Directories")) != msgbox::Answer::Yes)
        return;
    for (const Game& g : catalogue::games())
        dirfile::reset(services().programDir, g);
    for (const Game& g : catalogue::games())
        setButton(g)->setText(caption(g.allClearedCaption));
    uncheckAll();
}

void Settings::Image1_Click() {
    forms().hide(QStringLiteral("Settings"));
}
void Settings::Label2_Click() {
    forms().hide(QStringLiteral("Settings"));
}

void Settings::FindGames_Click() {
    findGames(false);
}
void Settings::findGamesQuietly() {
    findGames(true);
}

void Settings::findGames(bool quiet) {
    if (search_) { // already under way: a press makes it speak when it ends
        quiet_ = quiet_ && quiet;
        return;
    }
    quiet_ = quiet;
    FindGames->setEnabled(false);
    search_ = new QFutureWatcher<std::vector<installs::Find>>(this);
    connect(search_, &QFutureWatcherBase::finished, this, [this] {
        std::vector<installs::Find> finds = search_->result();
        search_->deleteLater();
        search_ = nullptr;
        FindGames->setEnabled(true);
        offer(std::move(finds), quiet_);
    });
    search_->setFuture(
        QtConcurrent::run([] { return installs::find(installs::Search::fromEnvironment()); }));
}

void Settings::offer(std::vector<installs::Find> finds, bool quiet) {
    std::vector<GamesFound::Row> rows;
    const auto browsedPrefix = DriveTable::defaultPrefix();
    for (installs::Find& f : finds) {
        const std::string path = dirfile::readPath(services().programDir, *f.game);
        if (auto setting = installs::settingFor(f, services().drives, browsedPrefix))
            rows.push_back({std::move(f), std::move(*setting), dirfile::isSet(path)});
    }
    if (rows.empty()) {
        if (!quiet)
            services().msg(tr("No installed games were found."), msgbox::Buttons::Ok,
                           msgbox::Icon::None, tr("Find Games"));
        return;
    }
    auto* found = new GamesFound(this, std::move(rows));
    found->setAttribute(Qt::WA_DeleteOnClose);
    connect(found, &QDialog::accepted, this, [this, found] { SetSelected(*found); });
    found->open();
    emit gamesOffered(found);
}

void Settings::SetSelected(const GamesFound& found) {
    for (const GamesFound::Row* r : found.ticked()) {
        const Game& g = *r->find.game;
        setButton(g)->setText(caption(g.setCaption));
        dirfile::store(services().programDir, g, r->setting.drive, r->setting.dir, r->setting.file,
                       r->setting.runner);
    }
}
