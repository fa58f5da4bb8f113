#pragma once

namespace rechenmaschine {

// Where the toolkit would abort for want of a display, says so in one sentence and returns
// false; the program then ends instead of starting. A platform named on the command line
// (Qt's own -platform option) or in QT_QPA_PLATFORM is left to the toolkit. Until
// anzeigeOffen(), a display that is named but cannot be opened ends the program with exit
// status 1 and a sentence of its own, instead of the toolkit's abort.
bool pruefeAnzeige(int argc, const char* const* argv);

// The application object is made: the toolkit's messages go their usual way again.
void anzeigeOffen();

} // namespace rechenmaschine
