#pragma once

// The pointer shape over the whole program: the hourglass while a long step runs, else each control's own.
namespace BusyPointer {

void showBusy();
void showDefault();
bool isBusy();

} // namespace BusyPointer
