#include "app/form1.h"
#include "app/login.h"
#include "content/pagewindow.h"
#include "platform/controls.h"
#include "platform/timer.h"
#include "tests/fakes/fakes.h"

#include <QLineEdit>
#include <QTest>

class PagesTest final : public QObject {
    Q_OBJECT

    static Login& login(Harness& h, const QString& alias)
    {
        h.forms->show(QStringLiteral("Login"));
        Login& l = h.forms->as<Login>(QStringLiteral("Login"));
        l.Text1->setText(alias);
        return l;
    }

private slots:
    void eachWindowLoadsItsPageOnce_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("paneShownAtRequest");
        QTest::addColumn<bool>("clockSetAtRequest");
        QTest::addColumn<QString>("aliasLabel");
        QTest::addColumn<QString>("clockLabel");
        QTest::addColumn<QString>("caption");
        QTest::newRow("news") << "news" << false << true << "Label4" << "Label7" << "News";
        QTest::newRow("events") << "events" << true << false << "Label4" << "Label7" << "Events";
        QTest::newRow("update") << "update" << true << false << "Label9" << "Label7" << "Patches / Update";
        QTest::newRow("discuss") << "discuss" << true << false << "Label4" << "Label10" << "Discuss";
        QTest::newRow("viewservers") << "viewservers" << true << true << "Label4" << "Label3" << "View Servers";
    }

    void eachWindowLoadsItsPageOnce()
    {
        QFETCH(QString, name);
        QFETCH(bool, paneShownAtRequest);
        QFETCH(bool, clockSetAtRequest);
        QFETCH(QString, aliasLabel);
        QFETCH(QString, clockLabel);
        QFETCH(QString, caption);
        Harness h;
        h.allPages();
        login(h, QStringLiteral("Type here")); // shown unchanged
        bool paneShown = false, clockSet = false;
        QString aliasAtRequest;
        h.web.onRequest = [&](FakePane* pane) {
            auto* w = static_cast<PageWindow*>(pane->parentWidget());
            paneShown = !pane->isHidden();
            clockSet = w->Timer1->interval() == 1;
            aliasAtRequest = w->aliasLabel()->text();
        };
        h.forms->show(name);
        h.forms->show(name); // a second Show only shows
        auto& w = h.forms->as<PageWindow>(name);
        QCOMPARE(h.web.requests, QStringList{"owls.test" + QString::fromLatin1(w.row().path)});
        QCOMPARE(paneShown, paneShownAtRequest);
        QCOMPARE(clockSet, clockSetAtRequest);
        QCOMPARE(aliasAtRequest, QStringLiteral("Type here"));
        QVERIFY(!w.brwWebBrowser->isHidden());
        QCOMPARE(w.windowTitle(), caption);
        QCOMPARE(w.findChild<Label*>(aliasLabel)->text(), QStringLiteral("Type here"));
        QCOMPARE(w.findChild<Label*>(clockLabel)->text(), QString()); // before the first tick
        QTRY_COMPARE(w.findChild<Label*>(clockLabel)->text(), QStringLiteral("7:05:23 PM"));
        QStringList captions;
        for (const char* l : {"Label1", "Label5", "Label6", "Label2"})
            captions << w.findChild<Label*>(QLatin1String(l))->text();
        QCOMPARE(captions, QStringList({"Connected as:", "Member sign:", "None", "Online time:"}));
        QVERIFY(w.findChild<Label*>(QStringLiteral("Label1"))->font().bold());
        QVERIFY(!w.findChild<Label*>(clockLabel)->font().bold());
        QCOMPARE(w.Timer2 != nullptr, name == QLatin1String("news"));
    }

    void newsSendsTheMemberBackOnlyWhenTheNetworkFlagIsNo_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("backToLogin");
        QTest::newRow("no") << "no" << true;
        QTest::newRow("No") << "No" << false;
        QTest::newRow("NO") << "NO" << false;
        QTest::newRow("yes") << "yes" << false;
    }

    void newsSendsTheMemberBackOnlyWhenTheNetworkFlagIsNo()
    {
        QFETCH(QString, flag);
        QFETCH(bool, backToLogin);
        Harness h;
        h.allPages();
        login(h, QStringLiteral("Owl"));
        h.forms->as<Form1>(QStringLiteral("Form1")).Text1->setText(flag);
        h.forms->hide(QStringLiteral("Login"));
        h.forms->show(QStringLiteral("news"));
        auto& news = h.forms->as<PageWindow>(QStringLiteral("news"));
        QTRY_VERIFY(!news.Timer2->enabled());
        QCOMPARE(h.forms->isShown(QStringLiteral("news")), !backToLogin);
        QCOMPARE(h.forms->isShown(QStringLiteral("Login")), backToLogin);
        QVERIFY(!news.Timer2->ticking()); // once per run
        h.forms->show(QStringLiteral("news"));
        QTest::qWait(50);
        QVERIFY(h.forms->isShown(QStringLiteral("news")));
        QCOMPARE(h.web.requests.count("owls.test/ilnightowls/servers/news.htm"), 1);
    }

    void clockRunsAcrossMidnightOnAHiddenWindow()
    {
        Harness h;
        h.allPages();
        login(h, QStringLiteral("Owl"));
        h.clock = QTime(23, 59, 59);
        h.forms->hide(QStringLiteral("discuss")); // created by a Hide: loads, clock runs
        auto& w = h.forms->as<PageWindow>(QStringLiteral("discuss"));
        QVERIFY(!h.forms->isShown(QStringLiteral("discuss")));
        QCOMPARE(h.web.requests.size(), 1);
        QTRY_COMPARE(w.clockLabel()->text(), QStringLiteral("11:59:59 PM"));
        h.clock = QTime(0, 0, 0);
        QTRY_COMPARE(w.clockLabel()->text(), QStringLiteral("12:00:00 AM"));
        // Other regional settings write the time their own way.
        h.services.locale = QLocale(QLocale::German, QLocale::Germany);
        h.clock = QTime(19, 5, 23);
        QTRY_COMPARE(w.clockLabel()->text(), QStringLiteral("19:05:23"));
        // An alias changed later shows only in windows created later.
        h.forms->as<Login>(QStringLiteral("Login")).Text1->setText(QStringLiteral("Later"));
        h.forms->show(QStringLiteral("events"));
        QCOMPARE(w.aliasLabel()->text(), QStringLiteral("Owl"));
        QCOMPARE(h.forms->as<PageWindow>(QStringLiteral("events")).aliasLabel()->text(), QStringLiteral("Later"));
    }

    void aFailedPageIsReportedEvenWhenHidden()
    {
        Harness h; // no pages at all
        login(h, QStringLiteral("Owl"));
        h.forms->hide(QStringLiteral("update"));
        QTRY_COMPARE(h.boxes->seen.size(), size_t(1));
        QCOMPARE(h.boxes->seen[0].title, QStringLiteral("IL Owls - Network Unavailable"));
        QCOMPARE(h.boxes->seen[0].prompt,
                 QStringLiteral("Unabled to connect to network, either our servers are busy our your not online."));
        QCOMPARE(h.boxes->seen[0].icon, msgbox::Icon::Critical);
        QTest::qWait(50); // the error page completes: no second box
        QCOMPARE(h.boxes->seen.size(), size_t(1));
        QVERIFY(!h.forms->isShown(QStringLiteral("update")));
    }
};

QTEST_MAIN(PagesTest)
#include "tst_pages.moc"
