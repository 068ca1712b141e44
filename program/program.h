#pragma once

#include <filesystem>

class Forms;
struct FilesFolder;
struct Services;

// The program's start comes in steps, so that the tools which take the program's pictures and
// measure its figures start it the way tovo does and show the program itself; each takes the
// steps it needs, the client all of them.

// Before the application object exists: the program's look is drawn on its own grey, on Qt's
// Fusion style (the system's theme would fight it), and the browser panes' drawing is chosen (the
// engine settles it when the application object is made).
void beforeApplication();

// Once the application object exists: one font for the whole program, and the login window's
// pictures made meanwhile on a thread of their own.
void afterApplication();

// The real world for the windows over the folder `dir`, with the browser engine's panes; the
// game's start is wired apart (wireLaunch), since a tool may want its own. `systemConfig` as for
// Services::real.
Services realServices(const std::filesystem::path& dir,
                      const std::filesystem::path& systemConfig = {});

// The member's client over its files folder: an installed client also takes its web host from
// /etc/tovo; the game's start wired; a folder that cannot be made said; the browser's cookies and
// cache kept beside the files; and the engine readied once the login window is painted, while the
// member types.
Services clientServices(const FilesFolder& files);

// The desktop's session ending (SIGTERM) ends the program as the exit question's YES does,
// through services.endProgram, on the event loop: the signal itself only wakes it.
void endOnTerm(const Services& services);

// Makes every window of the program known to the registry, which creates each on first use.
void addWindows(Forms& forms);

// The game's start as the program makes it: the batch runner over the member's drives (those the
// services hold now), with the environment the game's launcher sets for its prefix; and a prefix
// got ready only with the Wine that made it.
void wireLaunch(Services& services);
