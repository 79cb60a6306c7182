#pragma once
// Dictionary lines and files exactly as Kirimo reads and writes them, so both
// programs agree on every row and address the same user file.
#include "kirimo/engine/dictionary_file.h"
#include "kirimo/engine/dictionary_line.h"
