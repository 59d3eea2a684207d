// FolivanTab: a strip of tabs over a client area, each tab owning the
// contained controls placed on it. One object per control; it reaches its host
// only through the platform interfaces.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/control_state.h"
#include "core/events.h"
#include "platform/host.h"
#include "platform/system.h"
#include "platform/variant.h"

namespace folivan {

class FolivanTab {
 public:
  // Creation: loads "Shell32.dll" and repaints once.
  FolivanTab(Host& host, System& system);
  // Termination: removes the design-time subclass, releases the lists and the library.
  ~FolivanTab();
  FolivanTab(const FolivanTab&) = delete;
  FolivanTab& operator=(const FolivanTab&) = delete;

  // --- notifications from the host ---------------------------------------------------
  void InitProperties();
  void ReadProperties(PropertyBag& bag);
  void WriteProperties(PropertyBag& bag);
  void Show();
  void Paint();
  void Resize();
  void AmbientChanged(std::string_view name);
  void GotFocus();
  void LostFocus();
  void Click();
  void DblClick();
  void MouseDown(int16_t button, int16_t shift, float x, float y);
  void MouseMove(int16_t button, int16_t shift, float x, float y);
  void MouseUp(int16_t button, int16_t shift, float x, float y);
  void KeyDown(int16_t key_code, int16_t shift);
  void KeyUp(int16_t key_code, int16_t shift);
  void KeyPress(int16_t key_ascii);
  // A registered access key was pressed (character code).
  void AccessKeyPress(int16_t key_ascii);

  // --- methods ------------------------------------------------------------------------
  void SetTabDimensions(int16_t& width, int16_t& height);
  void JumpToTab(int16_t tab_no = -1, const std::string& tab_caption = {});
  void RemoveTab(int16_t which_to_remove);
  void HideTab(int16_t index);
  void ShowHiddenTab(int16_t index);
  void InsertTab(const Variant& at_index = Variant(int16_t{-1}));
  void SwapTabs(int16_t& tab1, int16_t& tab2);
  void Refresh();
  // A control of the host moved onto a tab; Left, Top, Width, Height are
  // twips, Empty when not given.
  void InsertControl(const ContainedControlPtr& ctl, int16_t at_index, const Variant& left = {},
                     const Variant& top = {}, const Variant& width = {}, const Variant& height = {},
                     bool stretch = false);
  // A form of the host, or any top-level window, shown on a tab.
  void InsertWindow(const ObjectPtr& form, int16_t tab_no);
  void EmbedWindow(WindowHandle window, int16_t tab_no);
  // Fills the four with the control's own place on its form; returns Empty.
  Variant GetControlDimensions(Variant& left, Variant& top, Variant& width, Variant& height);

  // --- properties of the whole control --------------------------------------------------
  int32_t Appearance() const { return s_.Appearance; }
  void SetAppearance(int32_t value);
  PicturePtr BackgroundPicture() const { return s_.BackgroundPicture; }
  void SetBackgroundPicture(PicturePtr picture);
  int32_t Color() const { return s_.Color; }
  void SetColor(int32_t value);
  int32_t ColorSystem() const { return s_.ColorSystem; }
  void SetColorSystem(int32_t value);
  OleColor BackColor() const { return s_.BackColor; }
  void SetBackColor(OleColor value);
  OleColor GetClientAreaColor();
  OleColor TabColorForeGround() const { return s_.TabColorForeGround; }
  void SetTabColorForeGround(OleColor value);
  OleColor TabColorShadow() const { return s_.TabColorShadow; }
  void SetTabColorShadow(OleColor value);
  OleColor TabColorLight() const { return s_.TabColorLight; }
  void SetTabColorLight(OleColor value);
  OleColor TabColorDarkShadow() const { return s_.TabColorDarkShadow; }
  void SetTabColorDarkShadow(OleColor value);
  OleColor TabColorHighLight() const { return s_.TabColorHighLight; }
  void SetTabColorHighLight(OleColor value);
  OleColor ForeColor() const { return s_.ForeColor; }
  void SetForeColor(OleColor value);
  int32_t ToolTipStyle() const { return s_.ToolTipStyle; }
  void SetToolTipStyle(int32_t value);
  bool FocusRect() const { return s_.FocusRect; }
  void SetFocusRect(bool value);
  bool ClientArea() const { return s_.ClientArea; }
  void SetClientArea(bool value);
  bool WizardDetails() const { return s_.WizardDetails; }
  void SetWizardDetails(bool value);
  bool WizardPictures() const { return s_.WizardPictures; }
  void SetWizardPictures(bool value);
  bool Enabled() const { return s_.Enabled; }
  void SetEnabled(bool value);
  int16_t Tabs() const { return s_.Tabs; }
  void SetTabs(int16_t value);
  FontDesc Font() const;
  void SetFont(const FontDesc& font);
  int16_t CurrentTab() const { return s_.CurrentTab; }
  // The one routine through which every change of the selected tab goes.
  void SetCurrentTab(int16_t new_tab);
  bool HotTracking() const { return s_.HotTracking; }
  void SetHotTracking(bool value);
  bool ShowToolTip() const { return s_.ShowToolTip; }
  void SetShowToolTip(bool value);
  bool BoldSelected() const { return s_.BoldSelected; }
  void SetBoldSelected(bool value);
  bool LunaColors() const { return s_.LunaColors; }
  void SetLunaColors(bool value);
  bool NoteOneColors() const { return s_.NoteOneColors; }
  void SetNoteOneColors(bool value);
  bool AutoFocusControls() const { return s_.AutoFocusControls; }
  void SetAutoFocusControls(bool value);
  bool AutoResizeControls() const { return s_.AutoResizeControls; }
  void SetAutoResizeControls(bool value);
  bool PlainTab() const { return s_.PlainTab; }
  void SetPlainTab(bool value);
  WindowHandle hwnd() const;
  DeviceHandle hdc() const;
  bool HasDC() const;
  // The contained controls, as the host lists them; a write is ignored.
  ObjectPtr IControls();
  void SetIControls(const ObjectPtr&) {}
  bool SpreadToContainer() const { return s_.SpreadToContainer; }
  void SetSpreadToContainer(bool value);

  // --- properties of the current tab -----------------------------------------------------
  std::string Caption() const;
  void SetCaption(const std::string& value);
  bool TabEnabled() const;
  void SetTabEnabled(bool value);
  PicturePtr TabPicture() const;
  void SetTabPicture(PicturePtr picture);
  RgbColor cTabStartColor();
  void SetcTabStartColor(OleColor value);
  RgbColor cTabEndColor();
  void SetcTabEndColor(OleColor value);

  // --- properties of a tab by index --------------------------------------------------------
  std::string TabCaption(int16_t index) const;
  void SetTabCaption(int16_t index, const std::string& value);
  std::string TabPassword(int16_t index) const;
  void SetTabPassword(int16_t index, const std::string& value);
  Variant TagVariant(int16_t index) const;
  void SetTagVariant(int16_t index, const Variant& value);
  std::string TabToolTip(int16_t index) const;
  void SetTabToolTip(int16_t index, const std::string& value);
  bool iTabEnabled(int16_t index) const;
  void SetiTabEnabled(int16_t index, bool value);
  PicturePtr iTabPicture(int16_t index) const;
  void SetiTabPicture(int16_t index, PicturePtr picture);
  RgbColor TabStartColor(int16_t index);
  void SetTabStartColor(int16_t index, OleColor value);
  RgbColor TabEndColor(int16_t index);
  void SetTabEndColor(int16_t index, OleColor value);

  // --- private members of the control's own component ----------------------------------------
  int16_t Hidd() const { return s_.Hidd; }
  void SetHidd(int16_t value);
  int16_t HiddR() const { return s_.HiddR; }
  void SetHiddR(int16_t value);
  bool mShowScrollBar() const { return s_.mShowScrollBar; }
  void SetmShowScrollBar(bool value);
  // A whole record by index; an index outside the array raises error 9.
  TabRecord& Record(int16_t index);

  // The password step of the callers that act for a user.
  bool CheckTabPassword(int16_t index);
  // Takes the access key of a caption and rebuilds the host's access-key string.
  void RefreshAccessKeys(int16_t index, const std::string& caption);
  // OLE colour to RGB, -1 when it cannot be translated.
  RgbColor TranslateColor(OleColor color, intptr_t palette = 0) const;

  // --- what the subsystems of the control share ----------------------------------------------
  ControlState& State() { return s_; }
  const ControlState& State() const { return s_; }
  Host& GetHost() { return host_; }
  System& GetSystem() { return system_; }
  Surface& GetSurface() { return host_.GetSurface(); }
  const Surface& GetSurface() const { return host_.GetSurface(); }
  bool UserMode() const { return host_.AmbientUserMode(); }

  // Raises an event; by-reference arguments come back in args. Events nested
  // too deep inside handlers fail with run-time error 28 ("Out of stack space").
  void Raise(EventId id, std::span<Variant> args);
  void Raise(EventId id) { Raise(id, {}); }
  // PropertyChanged for a persisted key.
  void Notify(std::string_view key) { host_.PropertyChanged(key); }

 private:
  // Runs fn and skips the step when a host call inside it fails.
  template <typename Fn>
  void SkipOnFailure(Fn&& fn);
  // The host surface's refresh of what is already drawn.
  void RefreshSurface();
  void RebuildAccessKeyString();

  Host& host_;
  System& system_;
  ControlState s_;
};

}  // namespace folivan
