// The tab control on a form that behaves as a Visual Basic 6 form does
// (vb_form.h): controls dropped on tabs 0 and 1 at design time, windowed and
// windowless, are switched through their extenders; the form is saved as .frm
// text and loaded again at design time and at run time. Leaves vb_form.frm and
// the container's "controls" lines at run time, after the load and after
// selecting tab 1 (vb_form_controls.txt), for scripts/wine-tests.sh to compare
// with `folivantab play --form`.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <ocidl.h>

#include <cstdio>
#include <string>
#include <vector>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "com_objects.h"
#include "vb_form.h"
#include "wine_check.h"

using vb::Extender;
using vb::Form;
using vb::Kind;
using wine_check::Check;

namespace {

constexpr double kHide = 75000;

void PutTab(IDispatch* control, short tab) { com::Put(control, L"CurrentTab", {com::I2(tab)}); }

// Where each control stands (its first coordinate) and whether it can be used.
struct Where {
  const wchar_t* name;
  double left;  // Left, or X1 for the line
  bool tab_stop, enabled;
};

double LeftOf(Extender* e) { return e->at[e->kind == Kind::kLine ? vb::kX1 : vb::kLeft]; }

// The controls stand where `expected` says, through the extender and, for
// windowed ones, the window (15 twips to the pixel); each one's TabStop and
// Enabled are checked where the extender has them.
void Expect(Form& form, const std::vector<Where>& expected, const std::string& what) {
  std::string detail;
  for (const Where& w : expected) {
    Extender* e = form.Find(w.name);
    if (!e) e = form.Find(w.name, 0);
    if (!e) {
      detail += wine_check::Narrow(w.name) + " is missing; ";
      continue;
    }
    const RECT r = e->window ? com::PlaceIn(e->window, form.control_window) : RECT{};
    const bool place = LeftOf(e) == w.left && (!e->window || r.left == static_cast<LONG>(w.left / vb::kTwipsPerPixel));
    const bool state = (!e->Has(vb::kTabStop) || e->tab_stop == w.tab_stop) &&
                       (!e->Has(vb::kEnabled) || e->enabled == w.enabled) &&
                       (!e->window || (IsWindowEnabled(e->window) != FALSE) == w.enabled);
    if (!place || !state) {
      char text[160];
      std::snprintf(text, sizeof text, "%s at %g (window %ld) TabStop %d Enabled %d; ",
                    wine_check::Narrow(w.name).c_str(), LeftOf(e), r.left, e->tab_stop, e->enabled);
      detail += text;
    }
  }
  Check(detail.empty(), what, detail);
}

// The play console's "controls" lines for the form's contained controls.
std::string ControlsLines(Form& form) {
  std::string out;
  for (Extender* e : form.controls) {
    if (e->container != form.TabExtender()) continue;
    out += "control " + vb::Utf8(e->name) + "[" + std::to_string(e->index < 0 ? 0 : e->index) + "]";
    if (e->kind == Kind::kLine) {
      out += " X1=" + vb::FrmNumber(e->at[vb::kX1]) + " X2=" + vb::FrmNumber(e->at[vb::kX2]);
    } else {
      out += " Left=" + vb::FrmNumber(e->at[vb::kLeft]) + " Top=" + vb::FrmNumber(e->at[vb::kTop]);
    }
    if (e->Has(vb::kTabStop)) out += std::string(" TabStop=") + (e->tab_stop ? "True" : "False");
    if (e->Has(vb::kEnabled)) out += std::string(" Enabled=") + (e->enabled ? "True" : "False");
    out += "\n";
  }
  return out;
}

// Designed: txtName and lblName on tab 0, cmdGo(0) (TabStop off) and linSep
// on tab 1, then tab 0 shown again. Returns the saved form.
std::string Design() {
  auto* form = new Form(false);
  std::string saved;
  if (!form->CreateTabControl(L"FolivanTab1", 240, 240, 6000, 4200, nullptr, [] {})) {
    Check(false, "the designer's form shows the tab control");
    form->Release();
    return saved;
  }
  // Properties of the control's own go into the bag too: the reloads' identical
  // saves show that loading restores them.
  com::Put(form->control, L"Tabs", {com::I2(4)});
  com::Put(form->control, L"TabCaption", {com::I2(1), com::Text(L"Saved caption")});
  // A button on the form itself, beside the tab control, belongs to no tab.
  Extender* outside = form->Add(Kind::kCommandButton, L"cmdClose", -1, false);
  outside->at = {{vb::kLeft, 6600}, {vb::kTop, 240}, {vb::kWidth, 1200}, {vb::kHeight, 300}};
  form->Drop(Kind::kTextBox, L"txtName", -1, 600, 900);
  form->Drop(Kind::kLabel, L"lblName", -1, 600, 1500);
  PutTab(form->control, 1);
  Expect(*form, {{L"txtName", 600 - kHide, true, true}, {L"lblName", 600 - kHide, true, true}},
         "design: leaving tab 0 moves its windowed and windowless controls to Left - 75000, TabStop and Enabled kept");
  form->Drop(Kind::kCommandButton, L"cmdGo", 0, 2400, 900)->tab_stop = false;
  form->Drop(Kind::kLine, L"linSep", -1, 600, 2100);
  PutTab(form->control, 0);
  Expect(*form,
         {{L"txtName", 600, true, true},
          {L"lblName", 600, true, true},
          {L"cmdGo", 2400 - kHide, false, true},
          {L"linSep", 600 - kHide, true, true}},
         "design: back on tab 0, its controls return and tab 1's (a line by X1 and X2) leave");
  Check(form->Find(L"linSep")->at[vb::kX2] == 1500 - kHide, "design: the line's X2 moves with its X1");
  Check(outside->at[vb::kLeft] == 6600, "design: a control whose Container is the form is never moved");
  Check(form->site->pre_filtered > 0 && form->site->post_filtered == form->site->pre_filtered,
        "the control's window runs every message through the site's ISimpleFrameSite filters",
        std::to_string(form->site->pre_filtered) + " before, " + std::to_string(form->site->post_filtered) + " after");
  saved = form->SaveText();
  form->Release();
  return saved;
}

// The saved form loaded again, at design time or at run time.
void Reload(const std::string& saved, bool user_mode) {
  const std::string mode = user_mode ? "run: " : "design reload: ";
  auto* form = new Form(user_mode);
  auto* sink = new com::EventRecorder(DIID___FolivanTab);
  DWORD cookie = 0;
  com::Ref<IConnectionPoint> point;
  const bool loaded = form->LoadText(saved, [&] {
    point.p = com::Advise(form->control, DIID___FolivanTab, static_cast<IDispatch*>(sink), &cookie);
  });
  Check(loaded, mode + "the saved form loads");
  if (!loaded) {
    sink->Release();
    form->Release();
    return;
  }
  Check((sink->Find(11) != nullptr) == user_mode, mode + (user_mode ? "ControlLoaded fires on show" : "no ControlLoaded"));
  // At run time Show takes hidden controls out of the tab order.
  Expect(*form,
         {{L"txtName", 600, true, true},
          {L"lblName", 600, true, true},
          {L"cmdGo", 2400 - kHide, false, true},
          {L"linSep", 600 - kHide, true, true}},
         mode + "every control stands where it was saved");
  std::string lines = ControlsLines(*form);
  PutTab(form->control, 1);
  lines += ControlsLines(*form);
  if (FILE* f = user_mode ? _wfopen(L"vb_form_controls.txt", L"wb") : nullptr) {
    std::fputs(lines.c_str(), f);
    std::fclose(f);
  }
  Expect(*form,
         {{L"txtName", 600 - kHide, !user_mode, !user_mode},
          {L"lblName", 600 - kHide, true, !user_mode},
          {L"cmdGo", 2400, false, true},
          {L"linSep", 600, true, true}},
         mode + "tab 1 shows the controls saved on it with their TabStop and Enabled; tab 0's leave" +
             (user_mode ? ", out of the tab order and disabled" : ""));
  PutTab(form->control, 0);
  Expect(*form,
         {{L"txtName", 600, true, true},
          {L"lblName", 600, true, true},
          {L"cmdGo", 2400 - kHide, false, !user_mode},
          {L"linSep", 600 - kHide, true, true}},
         mode + "tab 0 comes back as it was");

  // GetControlDimensions finds the control among its extender's Parent.Controls.
  VARIANT left, top, width, height, result;
  for (VARIANT* v : {&left, &top, &width, &height}) VariantInit(v);
  auto tabs = com::Query<_FolivanTab>(form->control, IID__FolivanTab);
  HRESULT hr = tabs ? tabs->GetControlDimensions(&left, &top, &width, &height, &result) : E_NOINTERFACE;
  for (VARIANT* v : {&left, &top, &width, &height}) VariantChangeType(v, v, 0, VT_R8);
  Check(SUCCEEDED(hr) && V_R8(&left) == 240 && V_R8(&top) == 240 && V_R8(&width) == 6000 && V_R8(&height) == 4200,
        mode + "GetControlDimensions reads the control's place through Parent.Controls");
  if (point) point->Unadvise(cookie);
  sink->Release();
  if (!user_mode) {
    const std::string again = form->SaveText();
    size_t at = 0;
    while (at < again.size() && at < saved.size() && again[at] == saved[at]) ++at;
    Check(again == saved, mode + "saving again gives the same .frm text",
          "from \"" + again.substr(at > 40 ? at - 40 : 0, 80) + "\" where it was \"" +
              saved.substr(at > 40 ? at - 40 : 0, 80) + "\"");
  }
  form->Release();
}

}  // namespace

int wmain() {
  OleInitialize(nullptr);
  HMODULE module = LoadLibraryW(L"FolivanTabs.ocx");
  auto get_class_object = module ? reinterpret_cast<Form::GetClassObjectFn>(
                                       reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")))
                                 : nullptr;
  if (get_class_object)
    get_class_object(CLSID_FolivanTab, IID_IClassFactory, reinterpret_cast<void**>(&Form::factory));
  Check(Form::factory != nullptr, "the class factory of FolivanTabs.ocx");
  if (!Form::factory) return wine_check::Finish();

  const std::string saved = Design();
  if (FILE* f = _wfopen(L"vb_form.frm", L"wb")) {
    std::fputs(saved.c_str(), f);
    std::fclose(f);
  }
  Check(saved.find("Tab(1)ContCtrlCap(1)=   \"cmdGo[0]\"") != std::string::npos &&
            saved.find("Tab(0)ContCtrlCap(2)=   \"lblName[0]\"") != std::string::npos &&
            saved.find("Tabs            =   4") != std::string::npos &&
            saved.find("TabCaption(1)   =   \"Saved caption\"") != std::string::npos,
        "the saved tab lists name the controls by their extenders' Name and Index; the bag holds Tabs and TabCaption(1)");
  Reload(saved, false);
  Reload(saved, true);

  Form::factory->Release();
  OleUninitialize();
  return wine_check::Finish();
}
