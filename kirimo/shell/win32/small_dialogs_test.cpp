#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <string>

#include "kirimo/shell/win32/about_box.h"
#include "kirimo/shell/win32/input_num_form.h"

namespace {

// Runs act on the dialog of class name once it is shown, from inside its own loop.
std::function<void(HWND)> Pending;
const wchar_t* PendingClass = nullptr;

void CALLBACK ActOnDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = FindWindowW(PendingClass, nullptr);
  if (dialog == nullptr || !IsWindowVisible(dialog)) return;
  KillTimer(nullptr, timer);
  Pending(dialog);
}

int RunWith(TModalWindow& dialog, const wchar_t* className, std::function<void(HWND)> act) {
  Pending = std::move(act);
  PendingClass = className;
  SetTimer(nullptr, 0, 20, ActOnDialog);
  return dialog.ShowModal(nullptr);
}

void Press(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, id, 0); }

TEST(InputNumForm, KeepsTheRangeAndAnswersTheUpDownPosition) {
  TInputNumForm form;
  form.SetValue(5000);
  int shown = 0;
  EXPECT_EQ(RunWith(form, L"TInputNumForm",
                    [&](HWND dialog) {
                      HWND upDown = GetDlgItem(dialog, TInputNumForm::UpDownIntervalId);
                      shown = static_cast<int>(SendMessageW(upDown, UDM_GETPOS32, 0, 0));
                      SendMessageW(upDown, UDM_SETPOS32, 0, 0);  // below the range
                      Press(dialog, IDOK);
                    }),
            IDOK);
  EXPECT_EQ(shown, TInputNumForm::Maximum);
  EXPECT_EQ(form.GetValue(), TInputNumForm::Minimum);

  form.SetValue(250);
  EXPECT_EQ(RunWith(form, L"TInputNumForm",
                    [](HWND dialog) {
                      SetDlgItemTextW(dialog, TInputNumForm::EditIntervalId, L"abc");
                      Press(dialog, IDOK);
                    }),
            IDOK);
  EXPECT_EQ(form.GetValue(), 250);  // the position, not the text
}

TEST(InputNumForm, CancelAndClosingAnswerCancel) {
  TInputNumForm form;
  form.SetValue(300);
  EXPECT_EQ(RunWith(form, L"TInputNumForm",
                    [](HWND dialog) {
                      SetDlgItemTextW(dialog, TInputNumForm::EditIntervalId, L"7");
                      Press(dialog, IDCANCEL);
                    }),
            IDCANCEL);
  EXPECT_EQ(form.GetValue(), 300);
  EXPECT_EQ(
      RunWith(form, L"TInputNumForm", [](HWND dialog) { PostMessageW(dialog, WM_CLOSE, 0, 0); }),
      IDCANCEL);
}

TEST(AboutBox, ShowsVersionAndClosesWithOk) {
  TAboutBox about("README.txt");
  std::wstring version;
  EXPECT_EQ(RunWith(about, L"TAboutBox",
                    [&](HWND dialog) {
                      for (HWND child = GetWindow(dialog, GW_CHILD); child;
                           child = GetWindow(child, GW_HWNDNEXT)) {
                        wchar_t text[64] = {};
                        GetWindowTextW(child, text, 64);
                        if (wcsncmp(text, L"Version", 7) == 0) version = text;
                      }
                      Press(dialog, IDOK);
                    }),
            IDOK);
  EXPECT_EQ(version, L"Version 1.0");
}

}  // namespace
