#pragma once

enum class TEditCommand { Cut, Copy, Paste, Delete };

// Runs the standard edit command on the field that has the focus; other controls ignore it.
void RunEditCommand(TEditCommand command);
