#include "clock.h"

#include <QRegularExpression>

namespace {

// The locale's long time format without its time-zone part; worked out once per locale, since
// every page window's clock asks for it once a second.
QString timeFormat(const QLocale& locale) {
    static QString forLocale, format;
    if (locale.name() != forLocale || format.isEmpty()) {
        static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
        format = locale.timeFormat(QLocale::LongFormat);
        format.replace(zone, QStringLiteral(" "));
        format = format.trimmed();
        forLocale = locale.name();
    }
    return format;
}

} // namespace

QString timeText(const QTime& t, const QLocale& locale) {
    QString text = locale.toString(t, timeFormat(locale));
    text.replace(QChar(0x202F), QLatin1Char(' ')).replace(QChar(0x00A0), QLatin1Char(' '));
    return text.trimmed();
}
