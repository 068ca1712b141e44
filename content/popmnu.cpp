#include "popmnu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

struct Item {
    const char* name;
    const char* caption;
    const char* show;               // the window the item shows, modally for "closeprog"
    std::vector<const char*> hides; // in this order, after the show
};

// A page item shows its page and hides the four other page windows, creating those that do not
// exist yet; the other items leave the page windows as they are.
const std::vector<Item>& mainItems() {
    static const std::vector<Item> items{
        {"mnuhome",
         QT_TRANSLATE_NOOP("popmnu", "Home / News"),
         "news",
         {"viewservers", "discuss", "events", "update"}},
        {"mnudiscuss",
         QT_TRANSLATE_NOOP("popmnu", "Discuss"),
         "discuss",
         {"events", "news", "viewservers", "update"}},
        {"mnuservers",
         QT_TRANSLATE_NOOP("popmnu", "View Servers"),
         "viewservers",
         {"news", "discuss", "update", "events"}},
        {"mnuaddserver", QT_TRANSLATE_NOOP("popmnu", "Add Servers"), nullptr, {}},
        {"mnuevents",
         QT_TRANSLATE_NOOP("popmnu", "Events"),
         "events",
         {"discuss", "news", "viewservers", "update"}},
        {"mnupatches",
         QT_TRANSLATE_NOOP("popmnu", "Game Patches"),
         "update",
         {"events", "viewservers", "discuss", "news"}},
        {"mnudash", "-", nullptr, {}},
        {"mnusetup", QT_TRANSLATE_NOOP("popmnu", "Settings and Options"), "Settings", {}},
        {"mnufriends", QT_TRANSLATE_NOOP("popmnu", "Friends"), "Friends", {}},
        {"mnuabout", QT_TRANSLATE_NOOP("popmnu", "About"), "About", {}},
        {"mnuexit", QT_TRANSLATE_NOOP("popmnu", "Exit"), "closeprog", {}},
    };
    return items;
}

const std::vector<Item>& shortItems() {
    static const std::vector<Item> items{
        {"mnuset", QT_TRANSLATE_NOOP("popmnu", "Settings and Options"), "Settings", {}},
        {"mnuabout", QT_TRANSLATE_NOOP("popmnu", "About"), "About", {}},
        {"mnuexit", QT_TRANSLATE_NOOP("popmnu", "Exit"), "closeprog", {}},
    };
    return items;
}

void fill(Forms& forms, QMenu* menu, const std::vector<Item>& items) {
    for (const Item& item : items) {
        if (item.caption == std::string_view("-")) {
            menu->addSeparator()->setObjectName(QString::fromLatin1(item.name));
            continue;
        }
        QAction* a = menu->addAction(QCoreApplication::translate("popmnu", item.caption));
        a->setObjectName(QString::fromLatin1(item.name));
        if (!item.show) {
            a->setEnabled(false); // "Add Servers" has no action: shown greyed
            continue;
        }
        QObject::connect(a, &QAction::triggered, menu, [&forms, &item] {
            const QString target = QString::fromLatin1(item.show);
            if (target == QLatin1String("closeprog"))
                forms.showModal(target);
            else
                forms.show(target);
            for (const char* h : item.hides)
                forms.hide(QString::fromLatin1(h));
        });
    }
}

} // namespace

MenuHolder::MenuHolder(Forms& forms, const QString& name)
    : Form(forms, name, Kind::Holder, name, 1, 1), test_(new QMenu(QStringLiteral("test"), this)) {
    test_->setObjectName(QStringLiteral("test"));
    fill(forms, test_, name == QLatin1String("popmnu") ? mainItems() : shortItems());
}

namespace menus {
void add(Forms& forms) {
    for (const char* name : {"popmnu", "popmnu2"})
        forms.add(QString::fromLatin1(name),
                  [n = QString::fromLatin1(name)](Forms& f) { return new MenuHolder(f, n); });
}
} // namespace menus
