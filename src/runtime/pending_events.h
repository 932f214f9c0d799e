#pragma once

// Runs the events that are waiting, then returns to the handler that asked.
void DoEvents();
