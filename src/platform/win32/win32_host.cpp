#include "platform/win32/win32_host.h"

#include <vector>

#include "platform/win32/window_controls.h"

namespace folivan::win32 {

namespace {
constexpr OleColor kButtonFace = 0x8000000F;

// The input box: a prompt, an edit field, OK and Cancel, built in memory as a
// dialog template so that the control needs no resource of its own.
struct InputBoxState {
  std::wstring prompt;
  std::wstring title;
  std::wstring answer;
};

constexpr WORD kIdPrompt = 100;
constexpr WORD kIdEdit = 101;

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* state = reinterpret_cast<InputBoxState*>(lparam);
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      SetWindowTextW(dialog, state->title.c_str());
      SetDlgItemTextW(dialog, kIdPrompt, state->prompt.c_str());
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
        wchar_t buffer[512] = {};
        GetDlgItemTextW(dialog, kIdEdit, buffer, 512);
        state->answer = buffer;
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

// Appends a DLGITEMTEMPLATE with a predefined class atom.
void AddItem(std::vector<WORD>& t, DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom) {
  while (t.size() % 2) t.push_back(0);  // DWORD alignment
  DLGITEMTEMPLATE item{style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id};
  const WORD* raw = reinterpret_cast<const WORD*>(&item);
  t.insert(t.end(), raw, raw + sizeof(item) / sizeof(WORD));
  t.push_back(0xFFFF);
  t.push_back(atom);
  t.push_back(0);  // no text
  t.push_back(0);  // no creation data
}
}  // namespace

bool Win32Host::AmbientUserMode() const { return link_.AmbientUserMode().value_or(true); }
OleColor Win32Host::AmbientBackColor() const { return link_.AmbientBackColor().value_or(kButtonFace); }

std::vector<ContainedControlPtr> Win32Host::ContainedControls() {
  if (auto controls = link_.ContainedControls()) return std::move(*controls);
  return ChildWindowControls(surface_.Window(), is_own_window);
}

std::string Win32Host::InputBox(std::string_view prompt, std::string_view title) {
  if (auto answer = link_.InputBox(prompt, title)) return *answer;
  std::vector<WORD> t;
  DLGTEMPLATE dlg{DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 4, 0, 0, 240, 80};
  const WORD* raw = reinterpret_cast<const WORD*>(&dlg);
  t.insert(t.end(), raw, raw + sizeof(dlg) / sizeof(WORD));
  t.push_back(0);  // no menu
  t.push_back(0);  // default class
  t.push_back(0);  // title set in WM_INITDIALOG
  t.push_back(8);  // font size
  for (const wchar_t* c = L"MS Shell Dlg"; *c; ++c) t.push_back(static_cast<WORD>(*c));
  t.push_back(0);
  AddItem(t, SS_LEFT, 7, 7, 170, 40, kIdPrompt, 0x0082);
  AddItem(t, BS_DEFPUSHBUTTON | WS_TABSTOP, 185, 7, 48, 14, IDOK, 0x0080);
  AddItem(t, BS_PUSHBUTTON | WS_TABSTOP, 185, 25, 48, 14, IDCANCEL, 0x0080);
  AddItem(t, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 58, 226, 14, kIdEdit, 0x0081);

  InputBoxState state{Widen(prompt), Widen(title), {}};
  HWND owner = surface_.Window() ? GetAncestor(surface_.Window(), GA_ROOT) : GetActiveWindow();
  INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()), owner,
                                           InputBoxProc, reinterpret_cast<LPARAM>(&state));
  return result == IDOK ? Narrow(state.answer) : std::string();
}

int32_t Win32Host::MsgBox(std::string_view text, int32_t style, std::string_view title) {
  if (auto result = link_.MsgBox(text, style, title)) return *result;
  HWND owner = surface_.Window() ? GetAncestor(surface_.Window(), GA_ROOT) : GetActiveWindow();
  return MessageBoxW(owner, Widen(text).c_str(), Widen(title).c_str(), static_cast<UINT>(style));
}

}  // namespace folivan::win32
