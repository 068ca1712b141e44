#pragma once

#include "platform/forms.h"

class BrowserPane;
class QComboBox;
class QLineEdit;
class QProgressBar;
class Timer;

// The network detection window: loads a small page from the community's web host in a browser
// the member never sees, while a progress bar sweeps, then opens the news window.
class Form1 final : public Form {
    Q_OBJECT
public:
    explicit Form1(Forms& forms);

    void Form_Load() override;
    void Timer1_Timer();
    void brwWebBrowser_DocumentComplete();
    void brwWebBrowser_NavigateError();

    QLineEdit* Text1; // network flag: "yes" until the detection page fails, then "no"
    QComboBox* cboAddress;
    Timer* Timer1;
    QProgressBar* ProgressBar1;
    BrowserPane* brwWebBrowser;
    float progress() const { return value_; } // the bar's value is a single-precision number

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    float value_ = 0;
};
