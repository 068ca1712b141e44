// A thirteenth game, added as one row of the catalogue in this test's build: the first run, the
// settings window's rows and clearing, and the community's server list take it with no other
// change.
#include "games/catalogue.h"
#include "platform/controls.h"
#include "settings/settings.h"
#include "site/serverlist.h"
#include "tests/fakes/fakes.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

class ThirteenTest final : public QObject {
    Q_OBJECT

private slots:
    void theNextGameIsOneRow()
    {
        Started h; // the first run gives it its files
        QCOMPARE(h.file("tstgm.con"), QByteArray("[Saved]\r\nPath=0\r\n"));
        QCOMPARE(h.file("tstgm.bat"), QByteArray("[Saved]\r\nPath=0\r\n"));
        auto& s = h.forms->as<Settings>(QStringLiteral("Settings"));
        QPushButton* set = s.findChild<QPushButton*>(QStringLiteral("Command15"));
        QCheckBox* box = s.findChild<QCheckBox*>(QStringLiteral("Check13"));
        QVERIFY(set && box);
        QCOMPARE(set->text(), QStringLiteral("Set Test Game"));
        // Below the twelfth row, above the clear buttons, the Close picture and the window's foot.
        QVERIFY(set->geometry().top() >= s.setButton(*catalogue::byCode("jedio"))->geometry().bottom());
        QVERIFY(s.Command1->geometry().top() > set->geometry().bottom());
        QVERIFY(s.Image1->geometry().top() > s.Command5->geometry().bottom() && s.height() > s.Image1->geometry().bottom());
        writeFile(h.dir() / "settings" / "tstgm.con", "[Saved]\r\nPath=1\r\n");
        box->setChecked(true);
        QTest::mouseClick(s.Command1, Qt::LeftButton);
        QCOMPARE(h.file("tstgm.con"), QByteArray("[Saved]\r\nPath=0\r\n"));
        QVERIFY(!box->isChecked());
        const auto servers = ServerList::parse("[Test Server]\r\nGame=tstgm\r\nAddress=127.0.0.1\r\n", "servers.con", {});
        QCOMPARE(servers.size(), size_t(1));
        QCOMPARE(servers[0].port, quint16(27960));
    }
};

QTEST_MAIN(ThirteenTest)
#include "tst_thirteen.moc"
