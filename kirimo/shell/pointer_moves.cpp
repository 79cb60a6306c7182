#include "kirimo/shell/pointer_moves.h"

bool TPointerMoves::MovedTo(TPoint where) {
  const bool moved = !Last || Last->X != where.X || Last->Y != where.Y;
  Last = where;
  return moved;
}
