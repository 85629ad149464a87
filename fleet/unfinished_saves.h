#pragma once

// At start, before the main dialog opens: a copy of the fleet file's or the mission settings'
// old contents that a Save stopped half way left behind (a crash, a killed process, a power
// loss) is named to the user once, who may put it back (Yes), keep the file as it is and drop the
// copy (No), or leave both until the next start (Cancel). A copy that holds what the file holds,
// or nothing, goes without a word. Nothing is restored without a yes.
void OfferUnfinishedSaves();
