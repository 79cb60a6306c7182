#pragma once
// Why text or a key did not reach the target, and what the status bar says.
#include <string_view>

enum class TDeliveryProblem {
  NoTarget,       // no focused control (no target, or it closed)
  NotResponding,  // the target is hung or did not answer in time
  Refused,        // the target refuses our messages (it runs with higher rights)
};

std::string_view DeliveryProblemText(TDeliveryProblem problem);
