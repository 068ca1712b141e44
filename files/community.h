#pragma once

// What the client and the community's web host agree on: the folder of the web host that holds
// the community's pages (the detection page, the content pages, the server list and the server
// pages), and the web host a client of this build talks to when no host.con names another.
namespace community {

inline constexpr char pages[] = "/ilnightowls/servers/";
inline constexpr char defaultHost[] = TOVO_DEFAULT_HOST; // set when the program is configured

} // namespace community
