#pragma once

namespace rechenmaschine {

// Where the toolkit would abort for want of a display, says so in one sentence and returns
// false; the program then ends instead of starting.
bool pruefeAnzeige();

} // namespace rechenmaschine
