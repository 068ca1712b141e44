// Quake II's status, which Soldier of Fortune shares: "status" answered by "print", the info
// string and one line per player.
#include "statusfamily.h"

namespace status {

const Family quake2{
    [] { return oob + "status"; },
    [](bool c) { return quakeReader(c, oob + "print\n", "maxclients", "needpass"); }};

} // namespace status
