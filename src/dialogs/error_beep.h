#pragma once

namespace tikaroo {

// The sound of a key that cannot act.
void ErrorBeep();
// How many times it sounded since the program started (tests listen with it).
int ErrorBeepCount();

} // namespace tikaroo
