#pragma once

// Accessibility tools hear only of controls a member can see. The clocks of hidden page windows
// change every second; on a desktop with a screen reader each change would otherwise cross the
// accessibility bus, for a label nobody can see. A window shown again is announced as it is.
void quietHiddenControls();
