#pragma once

#include "platform/forms.h"

#include <vector>

class BrowserPane;
class Label;
class Picture;
class QComboBox;
class QPushButton;
class Timer;

// What differs between the page windows: caption, page, size, the status line's label names,
// and the order of the load steps.
struct PageRow {
    enum class Step { NetworkCheckOn, Alias, ClockOn, Navigate, ShowPane };
    const char* name;
    const char* caption;
    const char* page; // in the community's pages folder
    int widthTwips, heightTwips;
    const char* aliasLabel;
    const char* clockLabel;
    std::vector<Step> load;
    bool paneHiddenBeforeLoad;
    bool networkCheck; // news alone checks the detection's result once
};

namespace pages {
const std::vector<PageRow>& rows();
const PageRow& row(const QString& name);
} // namespace pages

// One page of the community's site in a browser pane, with the page buttons along the top and
// the member's status line along the bottom.
class PageWindow : public Form {
    Q_OBJECT
public:
    PageWindow(Forms& forms, const PageRow& row);

    void Form_Load() override;
    void Form_MouseDown(int button) override;
    void Timer1_Timer();
    void Timer2_Timer();
    void brwWebBrowser_NavigateError();
    void pageButton_Click(const QString& target);

    Label* aliasLabel() const { return aliasLabel_; }
    Label* clockLabel() const { return clockLabel_; }

    BrowserPane* brwWebBrowser;
    QComboBox* cboAddress;
    Timer* Timer1;
    Timer* Timer2 = nullptr;
    Picture* Image1;

private:
    void makeStatusLine();
    void makePageButtons();

    const PageRow& row_;
    Label* aliasLabel_ = nullptr;
    Label* clockLabel_ = nullptr;
};
