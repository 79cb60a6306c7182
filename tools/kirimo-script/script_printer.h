#pragma once
// The keypad state after each gesture, in UTF-8: as text for people and
// expected files, as one JSON object a line, or only the output operations;
// and as the facts a script's expectations read.
#include <ostream>
#include <string>

#include "tools/kirimo-script/script_session.h"
#include "tools/script_replay/script_expectation.h"

enum class TPrintStyle { Text, Json, Quiet };

void PrintState(std::ostream& out, TPrintStyle style, const std::string& gesture,
                const TKeypadState& state);

// Named as the text's lines are (cartridge, keys, status, vowels, buttons or
// grid, out, pressed, window, countdown, dwell), with the list as list (the
// count), top (its index), first, item and selected (each such candidate).
TScriptFacts KeypadFacts(const TKeypadState& state);
