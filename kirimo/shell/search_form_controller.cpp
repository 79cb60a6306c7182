#include "kirimo/shell/search_form_controller.h"

#include <algorithm>

#include "common/blank_text.h"
#include "kirimo/cartridge_base/cartridge.h"
#include "kirimo/cartridge_set/revolver.h"
#include "kirimo/shell/search_form_controller_view.h"

TSearchFormController::TSearchFormController(TSearchFormView& form, TRevolverFactory makeRevolver)
    : Form(form), MakeRevolver(std::move(makeRevolver)) {
  LoadRevolver();
}

TSearchFormController::~TSearchFormController() {
  if (Group != nullptr) Group->AbortAll();
  Current = nullptr;
  Group = nullptr;
  Revolver.reset();
}

void TSearchFormController::LoadRevolver() {
  Current = nullptr;
  Group = nullptr;
  try {
    Revolver = MakeRevolver ? MakeRevolver() : nullptr;
    if (Revolver) {
      Group = &Revolver->Followers();
      Current = Revolver->Current();
    }
  } catch (...) {
    // Without modes the keypad still shows and says so.
    Current = nullptr;
  }
  PlugIn();
}

void TSearchFormController::PlugIn() {
  if (Current == nullptr) {
    Form.ListBox().Clear();
    Form.NamePanel().SetCaption("");
    Form.StatusBar().SetText(NoModeText);
    Form.SetVowelRowVisible(false);
    return;
  }
  Current->AttachListBox(Form.ListBox());
  Current->AttachNamePanel(Form.NamePanel());
  Current->AttachStatusBar(Form.StatusBar());
  Form.SetVowelRowVisible(Current->UsesVowelKeys());
}

bool TSearchFormController::IsJapanese() const {
  return Current != nullptr && Current->KindName != "NM" && Current->KindName != "VK";
}

void TSearchFormController::AlignFollowers() { Group->AlignDepth(Current->StepCount()); }

void TSearchFormController::ClearKeys() {
  if (Current == nullptr) return;
  if (!IsJapanese()) {
    Current->Clear();
    return;
  }
  Group->ClearAll();
  Current->PostOperation({opClear, ""});
  Replay.Rewind();
}

void TSearchFormController::SwitchCartridge() {
  if (Revolver == nullptr || Revolver->IsEmpty()) return;
  Current = Revolver->Next();
  PlugIn();
}

void TSearchFormController::SelectCandidate(int index) {
  if (Current == nullptr) return;
  Group->ClearAll();
  Current->SelectCandidate(index);
  Replay.Rewind();
}

void TSearchFormController::KeyInput(std::string_view text) {
  if (Current == nullptr || IsBlankText(text)) return;
  if (!IsJapanese()) {
    Current->InputKey(text);
    return;
  }
  if (Form.ListBox().Count() > 0) {
    AlignFollowers();
    Group->KeyAll(text);
  }
  Current->PostOperation({opKey, std::string(text)});
  Replay.RecordKey(text);
}

void TSearchFormController::StepInput(char tag, TOperationKind kind, std::string_view text) {
  if (Form.ListBox().Count() > 0) {
    if (kind == opVowel) {
      Group->VowelAll(text);
    } else {
      Group->SyllableAll(text);
    }
  }
  Current->PostOperation({kind, std::string(text)});
  Replay.RecordStep(tag, text);
}

void TSearchFormController::VowelInput(std::string_view text) {
  if (Current == nullptr || IsBlankText(text)) return;
  if (!IsJapanese()) {
    Current->InputVowel(text);
    return;
  }
  StepInput('V', opVowel, text);
}

void TSearchFormController::SyllableInput(std::string_view text) {
  if (Current == nullptr || IsBlankText(text)) return;
  if (!IsJapanese()) {
    Current->InputSyllable(text);
    return;
  }
  StepInput('S', opSyllable, text);
}

void TSearchFormController::BackStep() {
  if (Current == nullptr) return;
  if (!IsJapanese()) {
    Current->Back();
    return;
  }
  AlignFollowers();
  Group->BackAll();
  Current->PostOperation({opBack, ""});
  Replay.Back();
}

void TSearchFormController::ForwardStep() {
  if (Current == nullptr) return;
  if (!IsJapanese() || Current->HandlesForward()) {
    Current->Forward();
    return;
  }
  // The replay goes to the current cartridge only.
  std::optional<TInputReplay::TStep> step = Replay.Forward();
  if (!step) return;
  switch (step->Tag) {
    case 'K':
      Current->PostOperation({opKey, step->Text});
      break;
    case 'S':
      Current->PostOperation({opSyllable, step->Text});
      break;
    case 'V':
      Current->PostOperation({opVowel, step->Text});
      break;
    default:
      break;
  }
}

TStringList TSearchFormController::CurrentKeyLabels() const {
  return Current != nullptr ? Current->GetKeyLabels() : TStringList{};
}

std::optional<TStringList> TSearchFormController::VowelLabelsFor(std::string_view text) const {
  if (Current == nullptr) return std::nullopt;
  return Current->GetVowelLabels(text);
}

std::string TSearchFormController::CurrentGridLetters() const {
  return Current != nullptr ? Current->GetGridLetters() : std::string{};
}

void TSearchFormController::NextLayout() {
  if (Current == nullptr) return;
  Current->NextKeyLayout();
  PlugIn();
}

void TSearchFormController::AcceptCandidate() {
  if (Current != nullptr) Current->Accumulate();
}

void TSearchFormController::ReloadUserDictionaries() {
  if (Revolver == nullptr) return;
  Group->ClearEveryMember();
  Revolver->ReloadAll();
}

void TSearchFormController::RebuildCartridges() {
  Current = nullptr;
  Group = nullptr;
  Revolver.reset();
  LoadRevolver();
}

void TSearchFormController::SaveAll() {
  if (Revolver != nullptr) Revolver->SaveAll();
}

void TSearchFormController::IdleTick() {
  if (Current == nullptr) return;
  Group->IdleWorkAll();
  Current->PostOperation({opIdle, ""});
}

void TSearchFormController::StopIdle() {
  if (Group != nullptr) Group->StopIdleWorkAll();
}

void TSearchFormController::ResetIdle() {
  if (Group != nullptr) Group->ResetIdleWorkAll();
}

void TSearchFormController::WaitUntilIdle() const {
  if (Revolver != nullptr) Revolver->WaitUntilIdle();
}
