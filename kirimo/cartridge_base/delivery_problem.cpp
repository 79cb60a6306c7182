#include "kirimo/cartridge_base/delivery_problem.h"

std::string_view DeliveryProblemText(TDeliveryProblem problem) {
  switch (problem) {
    case TDeliveryProblem::NoTarget:
      return "送り先のウィンドウがありません";
    case TDeliveryProblem::NotResponding:
      return "送り先が応答しないため送れませんでした";
    case TDeliveryProblem::Refused:
      return "送り先に受け付けられませんでした（管理者権限）";
  }
  return {};
}
