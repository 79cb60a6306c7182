#include "kirimo/cartridge_base/output_operations.h"

#include "common/text_checks.h"

void SendTextWithCaret(TOutputOperations& output, std::string_view text) {
  output.SendText(text);
  if (IsBracketPair(text)) output.SendKeyDown(LeftArrowKey);
}
