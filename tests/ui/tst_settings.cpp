#include "games/settings.h"
#include "platform/controls.h"
#include "platform/filelists.h"
#include "tests/fakes/fakes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The settings window over a drive c: of its own and a drive d: that cannot be read.
struct SettingsFixture {
    Harness h;
    std::filesystem::path root;
    Settings* s = nullptr;

    SettingsFixture()
    {
        root = h.dir();
        std::filesystem::create_directories(root / "Games" / "Quake3");
        std::filesystem::create_directories(root / "settings");
        for (const char* f : {"Games/Quake3/quake3.exe", "Games/Quake3/readme.txt", "Games/Quake3/Setup.EXE", "top.exe"})
            writeFile(root / f, "x");
        h.services.drives = DriveTable({{'c', root}, {'d', root / "no-medium"}});
        h.forms->show(QStringLiteral("Settings"));
        s = &h.forms->as<Settings>(QStringLiteral("Settings"));
    }
    QByteArray dirFile(const char* code) { return readFile(root / "settings" / (std::string(code) + ".con")); }
    void open(QListWidget* list, const QString& name)
    {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().trimmed() == name) {
                list->setCurrentRow(i);
                emit list->itemActivated(list->item(i)); // a double click
                return;
            }
        QFAIL(qPrintable("no item " + name));
    }
    void click(QListWidget* list, const QString& name)
    {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text() == name) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(i)).center());
                return;
            }
        QFAIL(qPrintable("no file " + name));
    }
    void set(const Game& g) { QTest::mouseClick(s->setButton(g), Qt::LeftButton); }
};

class SettingsTest final : public QObject {
    Q_OBJECT

private slots:
    void setStoresWhereTheGameIs()
    {
        SettingsFixture f;
        const Game& q3 = *catalogue::byCode("qktre");
        // A new window has no pending folder, although its file list shows files.
        f.set(q3);
        QCOMPARE(f.h.boxes->seen.size(), size_t(1));
        QCOMPARE(f.h.boxes->seen[0].prompt, QStringLiteral("You did not select a game yet."));
        QCOMPARE(f.h.boxes->seen[0].title, QStringLiteral("No game selected"));
        QCOMPARE(f.s->setButton(q3)->text(), QStringLiteral("Set Quake III"));

        f.open(f.s->Dir1, QStringLiteral("Games"));
        f.open(f.s->Dir1, QStringLiteral("Quake3"));
        QStringList files;
        for (int i = 0; i < f.s->File1->count(); ++i)
            files << f.s->File1->item(i)->text();
        QCOMPARE(files, QStringList({"quake3.exe", "Setup.EXE"}));
        f.click(f.s->File1, QStringLiteral("quake3.exe"));
        f.set(q3);
        const QByteArray drive = "c: [" + QByteArray::fromStdString(f.root.string()) + "]";
        QCOMPARE(f.dirFile("qktre"), "[Quake III]\r\nDrive=" + drive +
                                          "\r\nDir=cd c:\\Games\\Quake3\\\r\nFile=quake3.exe\r\n[Saved]\r\nPath=1\r\n");
        QCOMPARE(f.s->setButton(q3)->text(), QStringLiteral("Set Quake III +"));
        QVERIFY(f.s->Text1->text().isEmpty());

        // A second Set without a new click is refused and changes nothing.
        const Game& q2 = *catalogue::byCode("qktwo");
        f.set(q2);
        QCOMPARE(f.h.boxes->seen.size(), size_t(2));
        QCOMPARE(f.dirFile("qktwo"), QByteArray("<missing>"));

        // A drive that cannot be read: the lists stay, the drive list goes back, no message.
        f.s->Drive1->setCurrentIndex(1);
        QCOMPARE(f.s->Dir1->Path(), QStringLiteral("c:\\Games\\Quake3"));
        QVERIFY(f.s->Drive1->Drive().startsWith(QLatin1String("c:")));
        QCOMPARE(f.h.boxes->seen.size(), size_t(2));

        // A file in a drive's root: the stored folder ends in two backslashes.
        f.open(f.s->Dir1, QStringLiteral("c:\\"));
        f.click(f.s->File1, QStringLiteral("top.exe"));
        f.set(q2);
        QVERIFY(f.dirFile("qktwo").contains("\r\nDir=cd c:\\\\\r\nFile=top.exe\r\n"));
        QCOMPARE(f.s->setButton(q3)->text(), QStringLiteral("Set Quake III +")); // untouched

        // Hidden by its Close picture, shown again as it was left.
        f.click(f.s->File1, QStringLiteral("top.exe"));
        QTest::mouseClick(f.s->Image1, Qt::LeftButton);
        QVERIFY(!f.h.forms->isShown(QStringLiteral("Settings")));
        f.h.forms->show(QStringLiteral("Settings"));
        QCOMPARE(f.s->Text1->text(), QStringLiteral("c:\\"));
        QTest::mouseClick(f.s->Label2, Qt::LeftButton);
        QVERIFY(!f.h.forms->isShown(QStringLiteral("Settings")));
    }

    void captions_data()
    {
        QTest::addColumn<int>("row");
        for (const Game& g : catalogue::games())
            QTest::newRow(g.code) << g.row;
    }

    void captions()
    {
        QFETCH(int, row);
        const Game& g = catalogue::games()[row - 1];
        SettingsFixture f;
        QPushButton* b = f.s->setButton(g);
        QCOMPARE(b->text(), QString::fromLatin1(g.unsetCaption));
        auto setIt = [&] {
            f.click(f.s->File1, QStringLiteral("top.exe"));
            f.set(g);
        };
        f.open(f.s->Dir1, QStringLiteral("c:\\"));
        setIt();
        QCOMPARE(b->text(), QString::fromLatin1(g.setCaption));
        QCOMPARE(f.dirFile(g.code).right(17), QByteArray("[Saved]\r\nPath=1\r\n"));
        f.s->clearBox(g)->setChecked(true);
        QTest::mouseClick(f.s->Command1, Qt::LeftButton);
        QCOMPARE(b->text(), QString::fromLatin1(g.clearedCaption));
        QCOMPARE(f.dirFile(g.code), QByteArray("[Saved]\r\nPath=0\r\n"));
        setIt();
        QTest::mouseClick(f.s->Command5, Qt::LeftButton);
        QCOMPARE(b->text(), QString::fromLatin1(g.allClearedCaption));
        QCOMPARE(f.dirFile(g.code), QByteArray("[Saved]\r\nPath=0\r\n"));
    }

    void clearsTouchOnlyWhatTheyShould()
    {
        SettingsFixture f;
        const Game& sof2 = *catalogue::byCode("softw");
        const Game& jk2 = *catalogue::byCode("jedio");
        for (const Game& g : catalogue::games())
            writeFile(f.root / "settings" / (std::string(g.code) + ".con"), "untouched");
        writeFile(f.root / "settings" / "softw.bat", "last launch");

        QTest::mouseClick(f.s->Command1, Qt::LeftButton); // nothing ticked: nothing changes
        QCOMPARE(f.dirFile("mohaa"), QByteArray("untouched"));
        QCOMPARE(f.s->setButton(sof2)->text(), QStringLiteral("Set Soldier of Fortune II "));

        f.s->clearBox(sof2)->setChecked(true); // never set, still cleared
        f.s->clearBox(*catalogue::byCode("mohbt"))->setChecked(true);
        QTest::mouseClick(f.s->Command1, Qt::LeftButton);
        QCOMPARE(f.dirFile("softw"), QByteArray("[Saved]\r\nPath=0\r\n"));
        QCOMPARE(f.dirFile("mohbt"), QByteArray("[Saved]\r\nPath=0\r\n"));
        QCOMPARE(f.dirFile("mohaa"), QByteArray("untouched"));
        QCOMPARE(f.s->setButton(sof2)->text(), QStringLiteral("Set Soldier of Fortune II"));
        for (const Game& g : catalogue::games())
            QVERIFY(!f.s->clearBox(g)->isChecked());
        QCOMPARE(readFile(f.root / "settings" / "softw.bat"), QByteArray("last launch"));

        // "Clear All Directories" answered No: files, captions and ticks as they were.
        f.s->clearBox(jk2)->setChecked(true);
        f.h.boxes->answers = {msgbox::Answer::No};
        QTest::mouseClick(f.s->Command5, Qt::LeftButton);
        const Box& asked = f.h.boxes->seen.back();
        QCOMPARE(asked.prompt, QStringLiteral("Do you want to clear all directories?"));
        QCOMPARE(asked.title, QStringLiteral("Clear Directories"));
        QCOMPARE(asked.buttons, msgbox::Buttons::YesNo);
        QCOMPARE(f.dirFile("jedio"), QByteArray("untouched"));
        QVERIFY(f.s->clearBox(jk2)->isChecked());
        // Yes: every game reset; row 12 shows its title; then Set and Clear Selected again.
        QTest::mouseClick(f.s->Command5, Qt::LeftButton);
        for (const Game& g : catalogue::games())
            QCOMPARE(f.dirFile(g.code), QByteArray("[Saved]\r\nPath=0\r\n"));
        QCOMPARE(f.s->setButton(jk2)->text(), QStringLiteral("JKII - Jedi Outcast"));
        QVERIFY(!f.s->clearBox(jk2)->isChecked());
        QCOMPARE(readFile(f.root / "settings" / "softw.bat"), QByteArray("last launch"));
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
