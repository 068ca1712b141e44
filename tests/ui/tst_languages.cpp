// The program in the member's language: every caption of every window fits its control in every
// shipped language, and a few texts as a member reads them in German, Polish and French.
#include "platform/art.h"
#include "platform/controls.h"
#include "platform/language.h"
#include "friends/lastseen.h"
#include "app/closeprog.h"
#include "tests/fakes/fakes.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

namespace {

// How many pixels the control's text needs beyond the room its control gives it.
int overflow(QWidget* w) {
    const QFontMetrics fm(w->font());
    if (auto* l = qobject_cast<QLabel*>(w)) {
        const QRect room = l->contentsRect();
        const int flags = l->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect needed = fm.boundingRect(QRect(0, 0, room.width(), 100000), flags, l->text());
        return std::max(needed.width() - room.width(), needed.height() - room.height());
    }
    auto* b = qobject_cast<QAbstractButton*>(w);
    QStyleOptionButton o;
    o.initFrom(b);
    const bool box = qobject_cast<QCheckBox*>(b);
    const QRect room = w->style()->subElementRect(
        box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &o, w);
    const QSize needed = fm.size(0, b->text().remove(QLatin1Char('&')));
    return std::max(needed.width() - room.width(), needed.height() - room.height());
}

} // namespace

class LanguagesTest final : public QObject {
    Q_OBJECT
private slots:
    void fits_data() {
        QTest::addColumn<QString>("language");
        for (const char* l : {"en_US", "de_DE", "fr_FR", "es_ES", "pl_PL", "pt_BR"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    // Each window made in the language, each caption, button and box measured in its own font
    // against the room its control gives it; and the words drawn into pictures.
    void fits() {
        QFETCH(QString, language);
        Harness h;
        QCOMPARE(language::use(QLocale(language)), language.left(language == "pt_BR" ? 5 : 2));
        const qsizetype before = art::clipped().size();
        for (const QString& name : art::storedNames())
            art::drawStored(name, 1); // the login window's, in English stored when built
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
                if (const int px = overflow(w); px > 0)
                    failures << QStringLiteral("%1: %2: %3 \"%4\" is %5 px too big")
                                    .arg(language, window, w->objectName(), text)
                                    .arg(px);
            }
        }
        for (const art::Clipped& c : art::clipped().mid(before))
            failures << QStringLiteral("%1: the picture's words \"%2\" are %3 px too big")
                            .arg(language, c.words)
                            .arg(c.pixels);
        failures.removeDuplicates();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
        language::use(QLocale(QLocale::English));
    }

    // A few texts as the member reads them, and Qt's own buttons.
    void said() {
        Harness h;
        language::use(QLocale(QStringLiteral("de_DE")));
        auto& exit = h.forms->as<closeprog>(QStringLiteral("closeprog"));
        QCOMPARE(exit.windowTitle(), "Beenden");
        QCOMPARE(exit.Image3->accessibleName(), "Willst du TOVO wirklich beenden?");
        QCOMPARE(exit.Image4->accessibleName(), "JA");
        QCOMPARE(exit.Image5->accessibleName(), "NEIN");
        QMessageBox box(QMessageBox::NoIcon, {}, {},
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QStringList buttons;
        for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            buttons << box.button(b)->text().remove(QLatin1Char('&'));
        QCOMPARE(buttons, QStringList({"Ja", "Nein", "Abbrechen"}));

        language::use(QLocale(QStringLiteral("pl_PL")));
        QStringList seen;
        for (int hours : {1, 2, 5})
            seen << lastseen::shown(QStringLiteral("Raven"),
                                    QHash<QString, lastseen::Seen>{
                                        {"raven", {false, "Saber Hall", hours * 3600 + 59}}});
        QCOMPARE(seen, QStringList({"Raven: ostatnio widziano 1 godzinę temu na Saber Hall",
                                    "Raven: ostatnio widziano 2 godziny temu na Saber Hall",
                                    "Raven: ostatnio widziano 5 godzin temu na Saber Hall"}));

        language::use(QLocale(QStringLiteral("fr_FR")));
        Form& settings = h.forms->get(QStringLiteral("Settings"));
        QStringList captions{settings.windowTitle()};
        for (const char* name : {"Label1", "Label2", "Label3"})
            captions << settings.findChild<QLabel*>(name)->text();
        for (const char* name :
             {"Command9", "Command1", "Command5", "FindGames", "ForgetPasswords"})
            captions << settings.findChild<QPushButton*>(name)->text();
        // clang-format off
        QCOMPARE(captions, QStringList({
            "Paramètres et options",
            "Sélectionnez ci-dessous l'exécutable du jeu, puis cliquez sur le bouton du jeu pour activer son dossier.",
            "Un «\u00a0+\u00a0» sur un bouton ci-dessous indique que le dossier est défini.",
            "Cochez une case, puis cliquez sur «\u00a0Effacer les cochés\u00a0» pour retirer le dossier.",
            "Définir Quake III",
            "Effacer les cochés",
            "Tout effacer",
            "Rechercher les jeux",
            "Oublier les mots de passe"}));
        // clang-format on
        language::use(QLocale(QLocale::English));
    }
};

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
