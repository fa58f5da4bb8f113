#pragma once

namespace rechenmaschine {

// Where the toolkit would abort for want of a display, says so in one sentence and returns
// false; the program then ends instead of starting. A platform named on the command line
// (Qt's own -platform option) or in QT_QPA_PLATFORM is left to the toolkit.
bool pruefeAnzeige(int argc, const char* const* argv);

} // namespace rechenmaschine
