#pragma once

#include "platform/forms.h"

#include <filesystem>

class Picture;
class QLineEdit;

// The login window: the program's first window. It reads the saved alias, runs the first-run
// set-up, and starts the network detection once the member has given an alias.
class Login final : public Form {
    Q_OBJECT
public:
    explicit Login(Forms& forms);

    void Form_Initialize() override;
    void Form_MouseDown(int button) override;

    void Text1_KeyPress(int keyAscii);
    void Image5_MouseDown();
    void Image5_MouseUp();
    void Image5_Click();
    void Image2_Click();
    void Image9_Click();
    void Image10_Click();
    void Image11_Click();

    QLineEdit* Text1; // the alias box
    QLineEdit* Text3; // save-alias state: "Text3", then "enabled" / "disabled"
    QLineEdit* Text4; // detection flag: "no" once the detection has run
    QLineEdit* Text5; // first-run flag
    Picture *Image1, *Image2, *Image3, *Image4, *Image5, *Image6, *Image7, *Image8, *Image9,
        *Image10, *Image11;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QString TypeHere; // the alias box's text until the member types an alias
    void askForAlias();
    void refuseDetection();
    std::filesystem::path aliasFile() const;
};
