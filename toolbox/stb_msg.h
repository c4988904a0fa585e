#pragma once
// The one routine through which every message reaches the user, optionally also appended as a
// line to a trace file.
#include <string>

// Modes: 1 message centre (alert), 2 message centre (information), 3 message centre (warning),
// 4 message list, 5 message box, 6 question box (its answer, Yes 6 or No 7, is returned),
// 7 message box (error); any other mode (the toolbox uses -1) shows nothing.
// With a trace path the message is then appended to that file, and the result is the append's:
// 0, or 0x8000 when the file cannot be written. Without one, the result is the question box's
// answer in mode 6 and 0 otherwise.
int stbMsg_afficher(int mode, const std::wstring& cheminTrace, const std::wstring& message);
