#pragma once

class Forms;

// Makes every window of the program known to the registry, which creates each on first use.
void addWindows(Forms& forms);

struct Services;

// The game's start as the program makes it: the batch runner over the member's drives (those the
// services hold now), with the environment the game's launcher sets for its prefix; and a prefix
// got ready only with the Wine that made it.
void wireLaunch(Services& services);
