#include "gleaner/win32/gleaner_form.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>
#include <utility>

#include "common/win32/dpi.h"
#include "common/win32/fonts.h"
#include "common/win32/modal_window.h"
#include "common/win32/wait_cursor.h"
#include "common/win32/wide_text.h"
#include "gleaner/gleaner_messages.h"
#include "gleaner/notation_shade.h"
#include "gleaner/win32/input_box.h"

namespace {

constexpr char FontFace[] = "ＭＳ ゴシック";

// Every control: its class, caption, style and place in the layout.
struct TControlSpec {
  int Id;
  const wchar_t* ClassName;
  const char* Text;
  DWORD Style;
  DWORD ExStyle;
  bool Bold;
  TBox TGleanerFormLayout::*Box;
};

using L = TGleanerFormLayout;
using F = TGleanerForm;
constexpr DWORD Button = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD ListBox = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
constexpr DWORD Memo = WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                       ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL;

const TControlSpec Controls[] = {
    {F::DicLabelId, WC_STATICW, "登録する辞書", SS_LEFT, 0, false, &L::DicLabel},
    {F::DicComboBoxId, WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, false,
     &L::DicComboBox},
    {F::SourceTitleId, WC_STATICW, "抽出元テキスト", SS_LEFT | SS_CENTERIMAGE, 0, false,
     &L::SourceTitle},
    {F::MemoSourceId, WC_EDITW, "", Memo, WS_EX_CLIENTEDGE, false, &L::MemoSource},
    {F::ButtonTextClearId, WC_BUTTONW, "テキストクリア", Button, 0, false, &L::ButtonTextClear},
    {F::ButtonExtractWordId, WC_BUTTONW, "名詞を抽出", Button, 0, true, &L::ButtonExtractWord},
    {F::ExtProgressBarId, PROGRESS_CLASSW, "", PBS_SMOOTH, 0, false, &L::ExtProgressBar},
    {F::NotationTitleId, WC_STATICW, "抽出名詞", SS_LEFT | SS_CENTERIMAGE, 0, false,
     &L::NotationTitle},
    {F::ListBoxNotationId, WC_LISTBOXW, "", ListBox | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
     WS_EX_CLIENTEDGE, false, &L::ListBoxNotation},
    {F::ButtonNotaAddId, WC_BUTTONW, "追加", Button, 0, false, &L::ButtonNotaAdd},
    {F::ButtonNotaEditId, WC_BUTTONW, "編集", Button, 0, false, &L::ButtonNotaEdit},
    {F::ButtonNotaDeleteId, WC_BUTTONW, "削除", Button, 0, false, &L::ButtonNotaDelete},
    {F::SyllableTitleId, WC_STATICW, "未登録の読み", SS_LEFT | SS_CENTERIMAGE, 0, false,
     &L::SyllableTitle},
    {F::ListBoxSyllableId, WC_LISTBOXW, "", ListBox, WS_EX_CLIENTEDGE, false, &L::ListBoxSyllable},
    {F::ButtonSyllAddId, WC_BUTTONW, "追加", Button, 0, false, &L::ButtonSyllAdd},
    {F::ButtonSyllEditId, WC_BUTTONW, "編集", Button, 0, false, &L::ButtonSyllEdit},
    {F::ButtonSyllDeleteId, WC_BUTTONW, "削除", Button, 0, false, &L::ButtonSyllDelete},
    {F::ButtonSaveToDicId, WC_BUTTONW, "辞書へ登録", Button, 0, true, &L::ButtonSaveToDic},
    {F::SaveProgressBarId, PROGRESS_CLASSW, "", PBS_SMOOTH, 0, false, &L::SaveProgressBar},
    {F::StatusBarId, STATUSCLASSNAMEW, "", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0,
     false, &L::StatusBar},
};

constexpr COLORREF Yellow = RGB(255, 255, 0);
constexpr COLORREF Aqua = RGB(0, 255, 255);

COLORREF ShadeColour(TNotationShade shade) {
  switch (shade) {
    case TNotationShade::NoReading:
      return Yellow;
    case TNotationShade::Saved:
      return Aqua;
    default:
      return GetSysColor(COLOR_WINDOW);
  }
}

std::string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return FromWide(text);
}

// Replaces a list box's items when they changed, and selects index (-1: none).
void ShowList(HWND list, const TStringList& items, TStringList& shown, int index) {
  if (items != shown) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item).c_str()));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    shown = items;
  }
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  InvalidateRect(list, nullptr, TRUE);  // statuses change without the items changing
}

int Selected(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }

}  // namespace

TGleanerForm::TGleanerForm(std::unique_ptr<TGleanerController> controller)
    : Controller(std::move(controller)) {}

TGleanerForm::~TGleanerForm() { Destroy(); }

bool TGleanerForm::Create() {
  Dpi = WindowDpi(nullptr);
  Splitters = DefaultSplitters(Dpi);
  const int width = ScaleForDpi(GleanerWidth96, Dpi), height = ScaleForDpi(GleanerHeight96, Dpi);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  if (!CreateBound({L"TGleanerForm", 0, GetSysColorBrush(COLOR_BTNFACE)}, 0,
                   WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, ToWide("名詞の抽出"), x, y, width, height,
                   nullptr))
    return false;
  const int shownDpi = WindowDpi(Handle());
  if (shownDpi != Dpi) {  // the monitor the window landed on has its own DPI
    Dpi = shownDpi;
    Splitters = DefaultSplitters(Dpi);
  }
  MakeFonts();
  CreateControls();
  ExtractProgress.Attach(Control(ExtProgressBarId));
  SaveProgress.Attach(Control(SaveProgressBarId));
  DicSelector.Attach(Control(DicComboBoxId));
  Logic =
      std::make_unique<TGleanerFormLogic>(*Controller, ExtractProgress, SaveProgress, DicSelector);
  ApplyLayout();
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
  FocusMemo();
  return true;
}

void TGleanerForm::MakeFonts() {
  Font.Reset(CreateJapaneseFont(FontFace, -ScaleForDpi(GleanerFontHeight96, Dpi)));
  BoldFont.Reset(CreateJapaneseFont(FontFace, -ScaleForDpi(GleanerFontHeight96, Dpi), FW_BOLD));
}

void TGleanerForm::CreateControls() {
  for (const TControlSpec& entry : Controls) {
    HWND control = CreateWindowExW(entry.ExStyle, entry.ClassName, ToWide(entry.Text).c_str(),
                                   WS_CHILD | WS_VISIBLE | entry.Style, 0, 0, 0, 0, Handle(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.Id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(entry.Bold ? BoldFont.Get() : Font.Get()), FALSE);
  }
  // A pasted text may be far longer than an edit box takes by default.
  SendMessageW(Control(MemoSourceId), EM_SETLIMITTEXT, 0, 0);
  SendMessageW(Control(ListBoxNotationId), LB_SETITEMHEIGHT, 0,
               ScaleForDpi(NotationItemHeight96, Dpi));
}

void TGleanerForm::ApplyLayout() {
  RECT client{};
  GetClientRect(Handle(), &client);
  const TGleanerFormLayout layout = LayOutGleanerForm(client.right, client.bottom, Dpi, Splitters);
  HDWP moves = BeginDeferWindowPos(static_cast<int>(std::size(Controls)));
  for (const TControlSpec& entry : Controls) {
    const TBox& box = layout.*entry.Box;
    if (moves != nullptr)
      moves = DeferWindowPos(moves, Control(entry.Id), nullptr, box.Left, box.Top, box.Width(),
                             box.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (moves != nullptr) EndDeferWindowPos(moves);
  InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT TGleanerForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      measure->itemHeight = static_cast<UINT>(ScaleForDpi(NotationItemHeight96, Dpi));
      return TRUE;
    }
    case WM_DRAWITEM:
      if (wParam == ListBoxNotationId) {
        DrawNotation(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
      }
      break;
    case WM_CTLCOLORSTATIC: {
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      if (id == SourceTitleId) {  // the source title is greyed, as a hint
        auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    }
    case WM_SIZE:
      if (Logic) ApplyLayout();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && Logic) FocusMemo();
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == Handle() && LOWORD(lParam) == HTCLIENT && OnSetCursor())
        return TRUE;
      break;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      OnMouse(message, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      Dragging = TGleanerSplitter::None;
      return 0;
    case WM_DPICHANGED: {
      const int newDpi = HIWORD(wParam);
      Splitters = {MulDiv(Splitters.SourceHeight, newDpi, Dpi),
                   MulDiv(Splitters.NotationWidth, newDpi, Dpi)};
      Dpi = newDpi;
      MakeFonts();
      for (const TControlSpec& entry : Controls)
        SendMessageW(Control(entry.Id), WM_SETFONT,
                     reinterpret_cast<WPARAM>(entry.Bold ? BoldFont.Get() : Font.Get()), TRUE);
      SendMessageW(Control(ListBoxNotationId), LB_SETITEMHEIGHT, 0,
                   ScaleForDpi(NotationItemHeight96, Dpi));
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      ApplyLayout();
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefaultMessage(message, wParam, lParam);
}

void TGleanerForm::OnCommand(int id, int notification) {
  if (!Logic) return;
  switch (id) {
    case ButtonTextClearId:
      if (notification == BN_CLICKED) TextClear();
      break;
    case ButtonExtractWordId:
      if (notification == BN_CLICKED) ExtractWord();
      break;
    case ButtonNotaAddId:
      if (notification == BN_CLICKED) NotationAdd();
      break;
    case ButtonNotaEditId:
      if (notification == BN_CLICKED) NotationEdit();
      break;
    case ButtonNotaDeleteId:
      if (notification == BN_CLICKED) {
        Logic->NotationDelete();
        ShowLists();
      }
      break;
    case ButtonSyllAddId:
      if (notification == BN_CLICKED) ReadingAdd();
      break;
    case ButtonSyllEditId:
      if (notification == BN_CLICKED) ReadingEdit();
      break;
    case ButtonSyllDeleteId:
      if (notification == BN_CLICKED) {
        Logic->ReadingDelete();
        ShowLists();
      }
      break;
    case ButtonSaveToDicId:
      if (notification == BN_CLICKED) SaveToDic();
      break;
    case ListBoxNotationId:
      if (notification == LBN_SELCHANGE) {
        Logic->NotationClick(Selected(Control(ListBoxNotationId)));
        ShowLists();
      }
      break;
    case ListBoxSyllableId:
      if (notification == LBN_SELCHANGE) Logic->ReadingClick(Selected(Control(ListBoxSyllableId)));
      break;
    case DicComboBoxId:
      if (notification == CBN_SELCHANGE) DictionaryChange();
      break;
    default:
      break;
  }
}

void TGleanerForm::TextClear() {
  Logic->TextClear();
  SetWindowTextW(Control(MemoSourceId), L"");
  ShowLists();
  FocusMemo();
}

void TGleanerForm::ExtractWord() {
  {
    TWaitCursor wait;
    Logic->ExtractWord(WindowText(Control(MemoSourceId)));
    ShowLists();
  }
  ShowMessageOfLogic();
}

void TGleanerForm::NotationAdd() {
  TInputBox box("単語の追加", "単語を入力してください", "");
  Logic->NotationAdd(box.Ask(Handle()));
  ShowLists();
}

void TGleanerForm::NotationEdit() {
  if (Logic->NotationIndex() < 0) return;  // nothing to edit
  TInputBox box("単語の編集", "単語を編集してください", Logic->SelectedNotation());
  Logic->NotationEdit(box.Ask(Handle()));
  ShowLists();
}

void TGleanerForm::ReadingAdd() {
  if (!Logic->CanAddReading()) return ShowMessageOfLogic();
  TInputBox box("読みの追加", Logic->ReadingPrompt(), "");
  Logic->ReadingAdd(box.Ask(Handle()));
  ShowLists();
}

void TGleanerForm::ReadingEdit() {
  if (Logic->ReadingIndex() < 0) return;
  TInputBox box("読みの編集", "読みを編集してください", Logic->SelectedReading());
  Logic->ReadingEdit(box.Ask(Handle()));
  ShowLists();
}

void TGleanerForm::SaveToDic() {
  {
    TWaitCursor wait;
    Logic->SaveToDic();
    ShowLists();
  }
  ShowMessageOfLogic();
}

void TGleanerForm::DictionaryChange() {
  {
    TWaitCursor wait;
    Logic->DictionaryChange();
    ShowLists();
  }
  FocusMemo();
}

void TGleanerForm::ShowLists() {
  ShowList(Control(ListBoxNotationId), Logic->NotationItems(), ShownNotations,
           Logic->NotationIndex());
  ShowList(Control(ListBoxSyllableId), Logic->ReadingItems(), ShownReadings, Logic->ReadingIndex());
}

void TGleanerForm::ShowMessageOfLogic() {
  if (!Logic->Message().empty())
    ShowMessageBox(Handle(), Logic->Message(), GleanerTitle,
                   MB_OK | (Logic->MessageIsFailure() ? MB_ICONERROR : MB_ICONINFORMATION));
}

void TGleanerForm::FocusMemo() { SetFocus(Control(MemoSourceId)); }

void TGleanerForm::DrawNotation(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const int index = static_cast<int>(item.itemID);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const COLORREF background = selected ? GetSysColor(COLOR_HIGHLIGHT)
                                       : ShadeColour(NotationShade(Controller->GetStatus(index)));
  const COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  TGdiObject brush(CreateSolidBrush(background));
  FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(brush.Get()));
  const auto length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
  if (length > 0) {
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(caption.data()));
    caption.resize(static_cast<std::size_t>(length));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, text);
    TextOutW(item.hDC, item.rcItem.left, item.rcItem.top, caption.c_str(),
             static_cast<int>(caption.size()));
  }
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

bool TGleanerForm::OnSetCursor() {
  POINT at{};
  GetCursorPos(&at);
  ScreenToClient(Handle(), &at);
  RECT client{};
  GetClientRect(Handle(), &client);
  TGleanerSplitters splitters = Splitters;
  const TGleanerSplitter splitter =
      Dragging != TGleanerSplitter::None
          ? Dragging
          : SplitterAt(LayOutGleanerForm(client.right, client.bottom, Dpi, splitters), at.x, at.y);
  if (splitter == TGleanerSplitter::None) return false;
  SetCursor(LoadCursorW(nullptr, splitter == TGleanerSplitter::Source ? IDC_SIZENS : IDC_SIZEWE));
  return true;
}

void TGleanerForm::OnMouse(UINT message, int x, int y) {
  if (message == WM_LBUTTONDOWN) {
    RECT client{};
    GetClientRect(Handle(), &client);
    TGleanerSplitters splitters = Splitters;
    Dragging = SplitterAt(LayOutGleanerForm(client.right, client.bottom, Dpi, splitters), x, y);
    if (Dragging == TGleanerSplitter::None) return;
    DragStart = Splitters;
    DragFrom = {x, y};
    SetCapture(Handle());
  } else if (Dragging != TGleanerSplitter::None) {
    Splitters = DragSplitter(Dragging, DragStart, DragFrom.x, DragFrom.y, x, y);
    ApplyLayout();
    if (message == WM_LBUTTONUP) ReleaseCapture();
  }
}
