#pragma once

#include "platform/forms.h"

class QMenu;

// A window that is never shown and only holds a pop-up menu named "test": popmnu holds the
// page windows' menu, popmnu2 the login window's short one.
class MenuHolder final : public Form {
    Q_OBJECT
public:
    MenuHolder(Forms& forms, const QString& name);
    QMenu* test() const { return test_; }

private:
    QMenu* test_;
};

namespace menus {
// Registers popmnu and popmnu2 with the window registry.
void add(Forms& forms);
} // namespace menus
