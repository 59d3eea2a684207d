// What a form designer's site gives the control beyond the basic protocol:
// the contained controls through their extenders, and the simple-frame
// filters around every message of the control's window.
#include "activex/control_object.h"
#include "activex/extender_controls.h"

namespace folivan::activex {

std::optional<std::vector<ContainedControlPtr>> ControlObject::ContainedControls() {
  return ExtenderControls(site_, static_cast<_FolivanTab*>(this));
}

void ControlObject::SetSimpleFrameSite(IOleClientSite* site) {
  if (simple_frame_) simple_frame_->Release();
  simple_frame_ = nullptr;
  if (site && FAILED(site->QueryInterface(IID_ISimpleFrameSite, reinterpret_cast<void**>(&simple_frame_)))) {
    simple_frame_ = nullptr;
  }
}

// The site sees each message first and may take it (S_FALSE: its result
// stands); otherwise the control handles it and the site sees it afterwards.
LRESULT ControlObject::OnFilteredMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  ISimpleFrameSite* frame = simple_frame_;
  if (!frame) return OnMessage(message, wparam, lparam);
  frame->AddRef();
  HWND hwnd = hwnd_;
  LRESULT result = 0;
  DWORD cookie = 0;
  if (frame->PreMessageFilter(hwnd, message, wparam, lparam, &result, &cookie) != S_FALSE) {
    result = OnMessage(message, wparam, lparam);
    frame->PostMessageFilter(hwnd, message, wparam, lparam, &result, cookie);
  }
  frame->Release();
  return result;
}

}  // namespace folivan::activex
