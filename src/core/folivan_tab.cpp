// Creation, new-instance defaults, termination and the notifications that the
// control simply forwards to its host as events.
#include "core/folivan_tab.h"

#include "access/access_events.h"
#include "containment/resize.h"
#include "containment/switcher.h"
#include "input/design_subclass.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "paint/colors.h"
#include "paint/repaint.h"
#include "platform/vb_runtime.h"

namespace folivan {

FolivanTab::FolivanTab(Host& host, System& system) : host_(host), system_(system) {
  s_.ShellLibrary = system_.LoadLibrary("Shell32.dll");
  Repaint(*this);
}

FolivanTab::~FolivanTab() {
  if (s_.Subclassed) RemoveDesignSubclass(*this);
  for (TabRecord& tab : s_.tabs) tab.ControlDetails.reset();
  s_.CommonControls = {};
  if (s_.ShellLibrary != 0) system_.FreeLibrary(s_.ShellLibrary);
  s_.ShellLibrary = 0;
}

void FolivanTab::InitProperties() {
  Surface& surface = GetSurface();
  DetectWindowsVersion(*this);
  s_.ThemeCode = DetectThemeColors(*this, surface.Hwnd());
  surface.SetScaleMode(ScaleMode::kPixels);

  s_.TabColorForeGround = static_cast<OleColor>(system_.GetSysColor(syscolor::kBtnFace));
  s_.TabColorShadow = static_cast<OleColor>(system_.GetSysColor(syscolor::kBtnShadow));
  s_.TabColorLight = static_cast<OleColor>(system_.GetSysColor(syscolor::k3DLight));
  s_.TabColorDarkShadow = static_cast<OleColor>(system_.GetSysColor(syscolor::k3DDkShadow));
  s_.TabColorHighLight = static_cast<OleColor>(system_.GetSysColor(syscolor::kBtnHighlight));

  s_.ClientArea = true;
  s_.WizardDetails = true;
  s_.WizardPictures = true;
  s_.HotTracking = true;
  s_.Enabled = true;
  s_.AutoFocusControls = false;
  s_.AutoResizeControls = false;
  s_.BackColor = surface.BackColor();

  s_.CommonControls = {};

  FontDesc font = surface.Font();
  font.name = "Tahoma";
  surface.SetFont(font);

  s_.BoldSelected = true;
  s_.ShowToolTip = true;
  s_.CurrentTab = 0;
  s_.Tabs = 3;
  s_.ToolTipStyle = 1;
  s_.HiddR = 2;
  s_.Appearance = 1;
  s_.Color = 1;
  s_.ColorSystem = 1;
  s_.LunaColors = false;
  s_.NoteOneColors = false;

  // First rectangles from the caption sizes; the layout recomputes them before the first paint.
  s_.tabs.assign(static_cast<size_t>(s_.Tabs), TabRecord{});
  for (size_t i = 0; i < s_.tabs.size(); ++i) {
    TabRecord& tab = s_.tabs[i];
    tab.Caption = "Tab " + std::to_string(i);
    tab.Enabled = true;
    tab.AL = i == 0 ? 2 : s_.tabs[i - 1].AR + 1;
    tab.AT = 2;
    tab.AB = CLng(surface.TextHeight(tab.Caption)) + 14;
    tab.AR = tab.AL + CLng(surface.TextWidth(tab.Caption)) + 14;
    tab.TAL = i == 0 ? 7 : s_.tabs[i - 1].AR + 7;
    tab.TAT = 7;
    tab.ControlDetails = std::make_shared<ControlDetailsList>();
    tab.Pic = nullptr;
  }

  s_.CommonControls = {};

  if (!UserMode() && !s_.Subclassed) InstallDesignSubclass(*this);
}

void FolivanTab::Paint() { Repaint(*this); }

void FolivanTab::Resize() { HandleResize(*this); }

void FolivanTab::AmbientChanged(std::string_view name) { HandleAmbientChanged(*this, name); }

// The focus rectangle follows the focus; it is drawn only with FocusRect on.
void FolivanTab::GotFocus() {
  s_.paint.HasFocus = true;
  GetSurface().SetAutoRedraw(true);
  if (s_.FocusRect) Repaint(*this);
  access::ReportAccessChanges(*this);
}

void FolivanTab::LostFocus() {
  s_.paint.HasFocus = false;
  GetSurface().SetAutoRedraw(true);
  if (s_.FocusRect) Repaint(*this);
  access::ReportAccessChanges(*this);
}

void FolivanTab::Click() { HandleClick(*this); }

void FolivanTab::DblClick() { HandleDblClick(*this); }

void FolivanTab::MouseDown(int16_t button, int16_t shift, float x, float y) {
  HandleMouseDown(*this, button, shift, x, y);
}

void FolivanTab::MouseMove(int16_t button, int16_t shift, float x, float y) {
  HandleMouseMove(*this, button, shift, x, y);
}

void FolivanTab::MouseUp(int16_t button, int16_t shift, float x, float y) {
  HandleMouseUp(*this, button, shift, x, y);
}

void FolivanTab::KeyDown(int16_t key_code, int16_t shift) { HandleKeyDown(*this, key_code, shift); }

void FolivanTab::KeyUp(int16_t key_code, int16_t shift) {
  Variant args[] = {Variant(key_code), Variant(shift)};
  Raise(EventId::KeyUp, args);
}

void FolivanTab::KeyPress(int16_t key_ascii) {
  Variant args[] = {Variant(key_ascii)};
  Raise(EventId::KeyPress, args);
}

namespace {

// Handlers may re-enter the control, and so raise events inside events. The
// thread's stack bounds that nesting as the language runtime's does: past
// kMaxEventNesting the event is not raised and the member that raised it fails
// with "Out of stack space". Until the outermost event has returned, every
// further event fails the same way, so a runaway handler unwinds at once
// instead of branching out again on the way back.
constexpr int kMaxEventNesting = 40;
thread_local int event_nesting = 0;
thread_local bool stack_exhausted = false;

class EventNesting {
 public:
  EventNesting() {
    if (stack_exhausted || event_nesting >= kMaxEventNesting) {
      stack_exhausted = true;
      throw vberr::OutOfStackSpace();
    }
    ++event_nesting;
  }
  ~EventNesting() {
    if (--event_nesting == 0) stack_exhausted = false;
  }
  EventNesting(const EventNesting&) = delete;
  EventNesting& operator=(const EventNesting&) = delete;
};

}  // namespace

void FolivanTab::Raise(EventId id, std::span<Variant> args) {
  EventNesting nesting;
  host_.RaiseEvent(static_cast<int32_t>(id), args);
}

}  // namespace folivan
