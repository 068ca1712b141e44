// The Quake III engine's status: "getstatus" answered by "statusResponse", the info string and
// one line per player. The Medal of Honor games put a direction byte after the four 0xFF: 0x02
// on the question, 0x01 on the answer.
#include "statusfamily.h"

namespace status {

const Family quake3{
    [] { return oob + "getstatus"; },
    [](bool c) { return quakeReader(c, oob + "statusResponse\n", "sv_maxclients", "g_needpass"); }};
const Family moh{[] { return oob + "\x02getstatus"; },
                 [](bool c) {
                     return quakeReader(c, oob + "\x01statusResponse\n", "sv_maxclients",
                                        "g_needpass");
                 }};

} // namespace status
