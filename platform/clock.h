#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

// The time of day as the member's regional settings write a long time without a date and
// without a time zone: "7:05:23 PM" under US English, "19:05:23" under German.
QString timeText(const QTime& t, const QLocale& locale);
