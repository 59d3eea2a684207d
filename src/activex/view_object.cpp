// IViewObject2: the container draws the control's persistent image.
#include "activex/control_object.h"

namespace folivan::activex {

STDMETHODIMP ControlObject::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds, LPCRECTL,
                                 BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!dc || !bounds) return E_INVALIDARG;
  RECT rect{bounds->left, bounds->top, bounds->right, bounds->bottom};
  host_.Win32().Blit(dc, rect);
  return S_OK;
}

STDMETHODIMP ControlObject::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) {
  if (colors) *colors = nullptr;
  return S_FALSE;
}

STDMETHODIMP ControlObject::Freeze(DWORD, LONG, void*, DWORD* freeze) {
  if (freeze) *freeze = 0;
  return E_NOTIMPL;
}

STDMETHODIMP ControlObject::Unfreeze(DWORD) { return E_NOTIMPL; }

STDMETHODIMP ControlObject::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
  if (sink) sink->AddRef();
  if (view_sink_) view_sink_->Release();
  view_sink_ = sink;
  view_aspects_ = aspects;
  view_flags_ = flags;
  return S_OK;
}

STDMETHODIMP ControlObject::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
  if (aspects) *aspects = view_aspects_;
  if (flags) *flags = view_flags_;
  if (sink) {
    *sink = view_sink_;
    if (view_sink_) view_sink_->AddRef();
  }
  return S_OK;
}

STDMETHODIMP ControlObject::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
  return GetExtent(aspect, size);
}

void ControlObject::ViewChanged() {
  if (view_sink_ && (view_aspects_ & DVASPECT_CONTENT)) view_sink_->OnViewChange(DVASPECT_CONTENT, -1);
}

}  // namespace folivan::activex
