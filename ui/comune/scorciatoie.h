// The keys a control keeps from the program's shortcuts, in one filter on
// the whole program:
// - a table (an item view) keeps F2, which edits its current cell there as
//   in any table, though elsewhere it opens the details;
// - the keys of a shortcut that runs (F2, Ctrl+Shift+C, …) are the
//   shortcut's: the text field that has the focus forgets it saw them go
//   down, so that their releases run nothing.
#pragma once

namespace flumetra {

// Once for the program: later calls do nothing.
void filtraScorciatoie();

}  // namespace flumetra
