#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace language {
namespace {

QTranslator& ours() {
    static QTranslator t;
    return t;
}
QTranslator& qts() {
    static QTranslator t;
    return t;
}
bool isTranslated = false;

} // namespace

QString use(const QLocale& locale) {
    QCoreApplication::removeTranslator(&ours());
    QCoreApplication::removeTranslator(&qts());
    // The locale's languages in the desktop's order (LANGUAGE first), the first one shipped wins.
    isTranslated = ours().load(locale, QStringLiteral("tovo"), QStringLiteral("_"),
                               QStringLiteral(":/i18n")) &&
                   ours().language() != QLatin1String("en");
    if (!isTranslated && !ours().load(QStringLiteral(":/i18n/tovo_en")))
        return QStringLiteral("en");
    QCoreApplication::installTranslator(&ours());
    if (!isTranslated) return QStringLiteral("en");
    if (qts().load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qts());
    return ours().language();
}

bool translated() {
    return isTranslated;
}

} // namespace language
