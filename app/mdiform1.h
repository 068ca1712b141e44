#pragma once

#include "platform/forms.h"

class QMdiArea;

// The main window: holds the login window, the page windows, the settings and About windows.
class MDIForm1 final : public Form {
    Q_OBJECT
public:
    explicit MDIForm1(Forms& forms);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QMdiArea* area_;
};
