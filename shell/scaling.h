// The main window's one rescaling at load: every control the game can show, by
// one table.
#pragma once

namespace zirimbo {

class frmZirimbo2012;
// How many controls of the main window's scaling table the window holds.
int ScaledControlCount(const frmZirimbo2012& f);

}  // namespace zirimbo
