#pragma once
// The keypad state after each gesture, in UTF-8: as text for people and
// expected files, as one JSON object a line, or only the output operations.
#include <ostream>
#include <string>

#include "tools/kirimo-script/script_session.h"

enum class TPrintStyle { Text, Json, Quiet };

void PrintState(std::ostream& out, TPrintStyle style, const std::string& gesture,
                const TKeypadState& state);
