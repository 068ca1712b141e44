// The program in the member's language: every caption of every window fits its control in every
// shipped language, and a few texts as a member reads them in German, Polish and French.
#include "platform/art.h"
#include "platform/controls.h"
#include "platform/language.h"
#include "friends/lastseen.h"
#include "app/login.h"
#include "tests/fakes/fakes.h"

#include <QCheckBox>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

class LanguagesTest final : public QObject {
    Q_OBJECT
private slots:
    void fits_data() {
        QTest::addColumn<QString>("language");
        for (const char* l : {"en_US", "de_DE", "fr_FR", "es_ES", "pl_PL", "pt_BR"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    // Each window made in the language, each caption, button and box measured in its own font
    // against the room its control gives its text; and the words drawn into pictures.
    void fits() {
        QFETCH(QString, language);
        Harness h;
        QCOMPARE(language::use(QLocale(language)), language.left(language == "pt_BR" ? 5 : 2));
        const qsizetype before = art::clipped().size();
        for (const QString& name : art::storedNames())
            art::drawStored(name, 1); // the login window's, stored in English
        QStringList failures;
        for (const char* window :
             {"Login", "closeprog", "About", "Settings", "Friends", "ServerPassword", "news",
              "events", "update", "discuss", "viewservers", "Form1"}) {
            Form& f = h.forms->get(QString::fromLatin1(window));
            if (f.layout()) f.layout()->activate();
            for (QWidget* w : f.findChildren<QWidget*>()) {
                auto* label = qobject_cast<QLabel*>(w);
                auto* button = qobject_cast<QAbstractButton*>(w);
                const QString text = label ? label->text() : button ? button->text() : QString();
                if (qobject_cast<Picture*>(w) || text.isEmpty()) continue;
                QStyleOptionButton o;
                o.initFrom(w);
                const QRect room =
                    label ? label->contentsRect()
                          : w->style()->subElementRect(qobject_cast<QCheckBox*>(w)
                                                           ? QStyle::SE_CheckBoxContents
                                                           : QStyle::SE_PushButtonContents,
                                                       &o, w);
                const QRect needed = w->fontMetrics().boundingRect(
                    QRect(0, 0, room.width(), 100000),
                    label && label->wordWrap() ? Qt::TextWordWrap : 0, QString(text).remove('&'));
                const int px =
                    std::max(needed.width() - room.width(), needed.height() - room.height());
                if (px > 0)
                    failures << QStringLiteral("%1: %2: %3 \"%4\" is %5 px too big")
                                    .arg(language, window, w->objectName(), text)
                                    .arg(px);
            }
        }
        for (const art::Clipped& c : art::clipped().mid(before))
            failures << QStringLiteral("%1: the picture's words \"%2\" are %3 px too big")
                            .arg(language, c.words)
                            .arg(c.pixels);
        language::use(QLocale(QLocale::English));
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }

    // A few texts as the member reads them, and Qt's own buttons (the German Exit question is the
    // German journey's).
    void said() {
        Harness h;
        language::use(QLocale("de_DE"));
        QMessageBox box(QMessageBox::NoIcon, {}, {},
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QStringList german;
        for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            german << box.button(b)->text().remove('&');
        QCOMPARE(german, QStringList({"Ja", "Nein", "Abbrechen"}));

        language::use(QLocale("pl_PL"));
        QStringList seen;
        for (int hours : {1, 2, 5, 24})
            seen << lastseen::shown("Raven",
                                    QHash<QString, lastseen::Seen>{
                                        {"raven", {false, "Saber Hall", hours * 3600 + 59}}});
        QCOMPARE(seen, QStringList({"Raven: ostatnio widziano 1 godzinę temu na Saber Hall",
                                    "Raven: ostatnio widziano 2 godziny temu na Saber Hall",
                                    "Raven: ostatnio widziano 5 godzin temu na Saber Hall",
                                    "Raven: ostatnio widziano 1 dzień temu na Saber Hall"}));

        language::use(QLocale("fr_FR"));
        Form& settings = h.forms->get("Settings");
        QStringList french{settings.windowTitle()};
        for (const char* name : {"Label1", "Label2", "Label3"})
            french << settings.findChild<QLabel*>(name)->text();
        for (const char* name :
             {"Command9", "Command1", "Command5", "FindGames", "ForgetPasswords"})
            french << settings.findChild<QPushButton*>(name)->text();
        // The pictures open their windows by the windows' own names, whatever the words say.
        auto& login = h.forms->as<Login>("Login");
        login.Image10_Click();
        login.Image11_Click();
        QVERIFY(h.forms->get("Settings").isVisible() && h.forms->get("About").isVisible());
        language::use(QLocale(QLocale::English));
        // clang-format off
        QCOMPARE(french, QStringList({
            "Paramètres et options",
            "Sélectionnez ci-dessous l'exécutable du jeu, puis cliquez sur le bouton du jeu pour activer son dossier.",
            "Un «\u00a0+\u00a0» sur un bouton ci-dessous indique que le dossier est défini.",
            "Cochez une case, puis cliquez sur «\u00a0Effacer les cochés\u00a0» pour retirer le dossier.",
            "Définir Quake III", "Effacer les cochés", "Tout effacer", "Rechercher les jeux", "Oublier les mots de passe"}));
        // clang-format on
    }
};

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
