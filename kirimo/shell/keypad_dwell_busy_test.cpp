// Dwell over the real controller while the cartridge's worker is held inside
// a step: the countdown and the presses go on, on the UI thread alone.
#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>

#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/cartridge_set/follow_group_test_cartridge.h"
#include "kirimo/cartridge_set/revolver.h"
#include "kirimo/shell/keypad_gestures.h"
#include "kirimo/shell/keypad_manual_timers.h"
#include "kirimo/shell/keypad_model.h"
#include "kirimo/shell/keypad_test_doubles.h"
#include "kirimo/shell/search_form_controller.h"
#include "kirimo/shell/search_form_controller_view_plain.h"

namespace {

// Its first key holds the worker until the test lets it go.
class TGatedCartridge : public TRecordingCartridge {
 public:
  using TRecordingCartridge::TRecordingCartridge;

  void InputKey(std::string_view text) override {
    {
      std::unique_lock<std::mutex> lock(Mutex);
      if (!Held) {
        Held = true;
        Changed.notify_all();
        Changed.wait(lock, [this] { return Open; });
      }
    }
    TRecordingCartridge::InputKey(text);
  }
  void WaitUntilHeld() {
    std::unique_lock<std::mutex> lock(Mutex);
    Changed.wait(lock, [this] { return Held; });
  }
  void LetGo() {
    std::lock_guard<std::mutex> lock(Mutex);
    Open = true;
    Changed.notify_all();
  }

 private:
  std::mutex Mutex;
  std::condition_variable Changed;
  bool Held = false;
  bool Open = false;
};

TEST(KeypadDwellBusy, DwellsGoOnWhileTheWorkerIsInsideAStep) {
  TAppIni settings("/nonexistent/Kirimo.exe", 500);
  TRecordingOutput output;
  TPlainSearchFormView form;
  TGatedCartridge* cartridge = nullptr;
  TSearchFormController controller(form, [&] {
    auto revolver = std::make_unique<TRevolver>();
    auto gated = std::make_unique<TGatedCartridge>("EXT", settings, output);
    cartridge = gated.get();
    revolver->Add(std::move(gated), true);
    return revolver;
  });
  TRecordingKeypadWindow window;
  TManualKeypadTimers timers;
  TKeypadModel model(controller, form.List, window, false);
  TKeypadGestures mouse(model, timers, {400, 500, 100, 800, 6});
  model.SetKeypadEnabled(false);
  auto wait = [&](int milliseconds) {
    timers.Advance(milliseconds, [&](TKeypadTimer timer) { mouse.TimerTick(timer); });
  };
  ASSERT_NE(cartridge, nullptr);
  cartridge->TakeCalls();

  mouse.MouseMove({TKeypadPart::Key, 1}, TPoint{30, 300});
  wait(800);
  cartridge->WaitUntilHeld();
  // The worker is inside its first key: the next dwell counts down and presses all the same.
  mouse.MouseMove({TKeypadPart::Key, 2}, TPoint{90, 300});
  wait(400);
  ASSERT_TRUE(mouse.Dwell().Countdown());
  EXPECT_EQ(mouse.Dwell().Countdown()->Permille, 500);
  wait(400);
  EXPECT_FALSE(mouse.Dwell().Countdown());  // fired, and queued behind the held step
  mouse.MouseMove({TKeypadPart::Key, 3}, TPoint{150, 300});
  wait(800);
  cartridge->LetGo();
  // One key for each dwell, none twice.
  EXPECT_EQ(cartridge->TakeCalls(), (TStringList{"key EXT", "key EXT", "key EXT"}));
}

}  // namespace
