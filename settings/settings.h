#pragma once

#include "games/catalogue.h"
#include "installs/finder.h"
#include "platform/forms.h"

#include <QFutureWatcher>

class DirList;
class GamesFound;
class DriveList;
class FileList;
class Label;
class Picture;
class QCheckBox;
class QLineEdit;
class QPushButton;

// "Settings and Options": the member browses to a game's executable and presses that game's
// Set button; the clear buttons return games to not set.
class Settings final : public Form {
    Q_OBJECT
public:
    explicit Settings(Forms& forms);

    void Drive1_Change();
    void Dir1_Change();
    void File1_PathChange();
    void File1_Click();
    void Set_Click(const Game& game); // a game's Set button
    void Command1_Click();            // Clear Selected Directories
    void Command5_Click();            // Clear All Directories
    void ForgetPasswords_Click();     // the locked servers' passwords the keyring keeps
    void Image1_Click();
    void Label2_Click();
    // Find Games: searches in the background, then offers what it found in "Games Found". Quietly
    // (when the launch sent the member here) nothing is said when nothing is found.
    void FindGames_Click();
    void findGamesQuietly();
    void SetSelected(const GamesFound& found);

    QPushButton* setButton(const Game& g) const;
    QCheckBox* clearBox(const Game& g) const;

    DriveList* Drive1;
    DirList* Dir1;
    FileList* File1;
    QLineEdit* Text1; // the pending directory
    QPushButton *Command1, *Command5, *FindGames, *ForgetPasswords;
    Label *Label1, *Label2, *Label3;
    Picture* Image1;

signals:
    void gamesOffered(GamesFound* window); // "Games Found" is on screen

private:
    void findGames(bool quiet);
    void offer(std::vector<installs::Find> finds, bool quiet);
    void startIn(const std::filesystem::path& folder);
    // The window's controls, made in the order the keyboard reaches them.
    void makeLabels();
    void makeLists();
    void makeGameRows();
    void makeButtons();
    void uncheckAll();
    static QString caption(const char* catalogued);

    QFutureWatcher<std::vector<installs::Find>>* search_ = nullptr;
    bool quiet_ = true;
};
