#include "clock.h"

#include <QRegularExpression>

QString timeText(const QTime& t, const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    // Qt's long format names the time zone ("t"); a clock of the time of day has none.
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    format.replace(zone, QStringLiteral(" "));
    QString text = locale.toString(t, format.trimmed());
    text.replace(QChar(0x202F), QLatin1Char(' ')).replace(QChar(0x00A0), QLatin1Char(' '));
    return text.trimmed();
}
