#pragma once

#include "history/pulse.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// A server's pulse on its page (the graphs, the week's uptime, the record, who played here
// today, its first hundred names and how many more) and as history.json. nullopt: the store cannot
// say, and the page says so.
namespace pulsesection {

QByteArray section(const std::optional<history::Pulse>& p);
QByteArray json(const QString& page, const std::optional<history::Pulse>& p);

} // namespace pulsesection
