#pragma once
// The controls the controller plugs into the cartridges, as the keypad window
// holds them: the candidate list model, the status bar and the name on
// "辞書切替". Workers write them from their threads; every change only calls
// Changed, which the window turns into one repaint posted to the UI thread.
#include <atomic>
#include <functional>

#include "kirimo/cartridge_base/control_views_plain.h"
#include "kirimo/shell/search_form_controller_view.h"

class TKeypadFormView : public TSearchFormView {
 public:
  // changed: any thread, may be called often; it must not touch windows.
  explicit TKeypadFormView(std::function<void()> changed);
  ~TKeypadFormView() override;
  TKeypadFormView(const TKeypadFormView&) = delete;
  TKeypadFormView& operator=(const TKeypadFormView&) = delete;

  TCandidateListModel& ListBox() override { return List; }
  TNamePanelView& NamePanel() override { return Name; }
  TStatusBarView& StatusBar() override { return Status; }
  void SetVowelRowVisible(bool visible) override;
  bool VowelRowVisible() const { return VowelRow; }
  const TCandidateListModel& ListBox() const { return List; }
  std::string StatusText() const { return Status.Text(); }
  std::string NameText() const { return Name.Caption(); }

 private:
  // A plain view that reports each change.
  template <typename TPlain>
  class TReporting : public TPlain {
   public:
    explicit TReporting(const std::function<void()>& changed) : Changed(changed) {}
    void Report() const { Changed(); }

   private:
    const std::function<void()>& Changed;
  };
  class TStatus : public TReporting<TPlainStatusBar> {
   public:
    using TReporting::TReporting;
    void SetText(std::string_view text) override {
      TPlainStatusBar::SetText(text);
      Report();
    }
  };
  class TName : public TReporting<TPlainNamePanel> {
   public:
    using TReporting::TReporting;
    void SetCaption(std::string_view caption) override {
      TPlainNamePanel::SetCaption(caption);
      Report();
    }
  };

  std::function<void()> Changed;
  TCandidateListModel List;
  TStatus Status{Changed};
  TName Name{Changed};
  std::atomic<bool> VowelRow = true;
};
