#pragma once

class Forms;

// Makes every window of the program known to the registry, which creates each on first use.
void addWindows(Forms& forms);
