#pragma once

#include "pulse.h"

#include <QByteArray>

// A server's pulse drawn as inline SVG, with no script: it shows in any browser and in the
// client's panes. Each figure has a <title> and a <desc>, and the same numbers follow it as a
// table that screen readers read (the page's style sheet keeps it off the screen).
//
// The geometry is fixed so the numbers can be checked: plots start at x = 48; the day is 720
// wide (30 a hour), the week 672 (4 a hour); players go from y = 170 (none) up to y = 10 (the
// scale's top: the slot limit, or the most players shown if more).
namespace graphs {

QByteArray day(const history::Pulse& p);
QByteArray week(const history::Pulse& p);
QByteArray busiest(const history::Pulse& p);

// "1 h 5 min", "12 min", "less than a minute"
QByteArray duration(qint64 seconds);
// The local time as "HH:mm", "ddd HH:mm", or a date, for a reader of the page.
QString when(qint64 t, const char* format);

} // namespace graphs
