#include "app/about.h"
#include "app/closeprog.h"
#include "app/login.h"
#include "content/pagewindow.h"
#include "platform/controls.h"
#include "tests/fakes/fakes.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
const QStringList pageWindows{"news", "events", "update", "discuss", "viewservers"};

struct Started : Harness {
    Started()
    {
        allPages();
        forms->show(QStringLiteral("Login"));
    }
    QStringList shown() const
    {
        QStringList s;
        for (const QString& w : pageWindows)
            if (forms->isShown(w))
                s << w;
        return s;
    }
    QStringList since(qsizetype mark) const { return forms->history().mid(mark); }
    QAction* item(const QString& holder, const QString& name)
    {
        return forms->get(holder).findChild<QMenu*>(QStringLiteral("test"))->findChild<QAction*>(name);
    }
};
} // namespace

class NavigationTest final : public QObject {
    Q_OBJECT

private slots:
    void pageButtons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("steps");
        // Buttons: Command2 News, Command9 Discuss, Command3 View Servers, Command4 Events,
        // Command5 Patch/Update. The target shows first, then the window hides itself; on
        // viewservers "News" hides first.
        const QStringList buttons{"Command2", "Command9", "Command3", "Command4", "Command5"};
        const QStringList targets{"news", "discuss", "viewservers", "events", "update"};
        for (const QString& w : pageWindows) {
            for (int i = 0; i < buttons.size(); ++i) {
                QStringList steps;
                if (targets[i] == w)
                    steps = {};
                else if (w == "viewservers" && targets[i] == "news")
                    steps = {"hide viewservers", "show news"};
                else
                    steps = {"create " + targets[i], "show " + targets[i], "hide " + w};
                QTest::newRow(qPrintable(w + " " + buttons[i])) << w << buttons[i] << steps;
            }
        }
    }

    void pageButtons()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QStringList, steps);
        Started h;
        h.forms->show(QStringLiteral("news")); // news always exists first
        h.forms->show(window);
        if (window != "news")
            h.forms->hide(QStringLiteral("news"));
        const qsizetype mark = h.forms->history().size();
        const qsizetype requests = h.web.requests.size();
        QTest::mouseClick(h.child<QPushButton>(window, button), Qt::LeftButton);
        QStringList happened = h.since(mark);
        if (!steps.isEmpty() && steps.first().startsWith("create") && h.forms->history().mid(0, mark).contains(steps.first()))
            steps.removeFirst(); // the target existed already
        QCOMPARE(happened, steps);
        if (steps.isEmpty())
            QCOMPARE(h.shown(), QStringList{window});
        else
            QCOMPARE(h.shown(), QStringList{steps.contains("show news") ? "news" : steps.at(steps.size() - 2).mid(5)});
        // A window shown for the first time requests its page then, once.
        QCOMPARE(h.web.requests.size() - requests, happened.filter("create").size());
    }

    void backAndForwardMoveThePane()
    {
        Started h;
        h.forms->show(QStringLiteral("viewservers"));
        auto& w = h.forms->as<PageWindow>(QStringLiteral("viewservers"));
        auto* pane = static_cast<FakePane*>(w.brwWebBrowser);
        QTRY_COMPARE(pane->LocationName(), QStringLiteral("viewservers.htm"));
        QTest::mouseClick(h.child<QPushButton>("viewservers", "Command7"), Qt::LeftButton); // no earlier page
        QTest::qWait(20);
        QCOMPARE(pane->LocationName(), QStringLiteral("viewservers.htm"));
        h.page("/ilnightowls/servers/qktre1.2.3.4:27960.htm", "qktre1.2.3.4:27960.htm");
        pane->Navigate("owls.test/ilnightowls/servers/qktre1.2.3.4:27960.htm");
        QTRY_COMPARE(pane->LocationName(), QStringLiteral("qktre1.2.3.4:27960.htm"));
        QTest::mouseClick(h.child<QPushButton>("viewservers", "Command7"), Qt::LeftButton);
        QTRY_COMPARE(pane->LocationName(), QStringLiteral("viewservers.htm"));
        QTest::mouseClick(h.child<QPushButton>("viewservers", "Command8"), Qt::LeftButton);
        QTRY_COMPARE(pane->LocationName(), QStringLiteral("qktre1.2.3.4:27960.htm"));
    }

    void menusMoveBetweenPagesAndOpenTheOtherWindows()
    {
        Started h;
        h.forms->show(QStringLiteral("news"));
        auto& news = h.forms->as<PageWindow>(QStringLiteral("news"));
        // Only a right press on the window's own surface opens the menu.
        QTest::mouseClick(&news, Qt::LeftButton, {}, QPoint(20, 100));
        QTest::mouseClick(&news, Qt::MiddleButton, {}, QPoint(20, 100));
        QTest::mouseClick(news.brwWebBrowser, Qt::RightButton);
        QTest::mouseClick(h.child<QPushButton>("news", "Command3"), Qt::RightButton);
        QTest::mouseClick(news.findChild<Label*>("Label6"), Qt::RightButton);
        QVERIFY(h.popups.empty());
        QTest::mouseClick(&news, Qt::RightButton, {}, QPoint(20, 100));
        QCOMPARE(h.popups, std::vector<QString>{QStringLiteral("popmnu")});

        QStringList captions;
        for (QAction* a : h.forms->get("popmnu").findChild<QMenu*>("test")->actions())
            captions << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(captions, QStringList({"Home / News", "Discuss", "View Servers", "Add Servers", "Events",
                                        "Game Patches", "-", "Settings and Options", "About", "Exit"}));
        QVERIFY(!h.item("popmnu", "mnuaddserver")->isEnabled());

        // "Home / News" while news shows: the four others are created, hidden, loaded.
        h.item("popmnu", "mnuhome")->trigger();
        QCOMPARE(h.shown(), QStringList{"news"});
        for (const QString& w : pageWindows)
            QVERIFY(h.forms->exists(w));
        QCOMPARE(h.web.requests.size(), 5);
        const std::pair<const char*, const char*> pageItems[] = {
            {"mnudiscuss", "discuss"}, {"mnuservers", "viewservers"}, {"mnuevents", "events"},
            {"mnupatches", "update"}, {"mnuhome", "news"}};
        for (auto [item, page] : pageItems) {
            h.item("popmnu", item)->trigger();
            QCOMPARE(h.shown(), QStringList{page});
        }
        // Settings and About open beside the page that shows.
        h.item("popmnu", "mnusetup")->trigger();
        h.item("popmnu", "mnuabout")->trigger();
        QVERIFY(h.forms->isShown("Settings") && h.forms->isShown("About"));
        QCOMPARE(h.shown(), QStringList{"news"});

        // Exit, NO: back exactly where the member was. YES: the program ends.
        QTimer::singleShot(0, [&] {
            QVERIFY(h.forms->isShown("closeprog"));
            QTest::mouseClick(h.forms->as<closeprog>("closeprog").Image5, Qt::LeftButton);
        });
        h.item("popmnu", "mnuexit")->trigger();
        QVERIFY(!h.forms->isShown("closeprog"));
        QCOMPARE(h.shown(), QStringList{"news"});
        QCOMPARE(h.ended, 0);
        QTimer::singleShot(0, [&] { QTest::mouseClick(h.forms->as<closeprog>("closeprog").Image4, Qt::LeftButton); });
        h.item("popmnu2", "mnuexit")->trigger();
        QCOMPARE(h.ended, 1);

        // Closing the main window through its frame asks the same question.
        QTimer::singleShot(0, [&] {
            QVERIFY(h.forms->isShown("closeprog"));
            QTest::mouseClick(h.forms->as<closeprog>("closeprog").Image5, Qt::LeftButton);
        });
        QVERIFY(!h.forms->get("MDIForm1").close());
        QVERIFY(h.forms->isShown("MDIForm1"));
        QCOMPARE(h.shown(), QStringList{"news"});

        // The login window's short menu.
        QStringList shortCaptions;
        for (QAction* a : h.forms->get("popmnu2").findChild<QMenu*>("test")->actions())
            shortCaptions << a->text();
        QCOMPARE(shortCaptions, QStringList({"Settings and Options", "About", "Exit"}));
    }

    void aboutClosesOnlyFromItsCloseAndLabel2()
    {
        Started h;
        h.forms->show("About");
        auto& a = h.forms->as<About>("About");
        for (Label* l : {a.Label1, a.Label3, a.Label4, a.Label5})
            QTest::mouseClick(l, Qt::LeftButton);
        QVERIFY(h.forms->isShown("About"));
        QVERIFY(a.Label1->text().startsWith("Programming, art and design:"));
        QVERIFY(a.Label1->text().contains("Contact at:"));
        QVERIFY(a.Label3->text().startsWith("Design Assitant:"));
        QTest::mouseClick(a.Label2, Qt::LeftButton);
        QVERIFY(!h.forms->isShown("About"));
        h.forms->show("About");
        QTest::mouseClick(a.Image1, Qt::LeftButton);
        QVERIFY(!h.forms->isShown("About"));
    }
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
