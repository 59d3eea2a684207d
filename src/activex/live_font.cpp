#include "activex/live_font.h"

#include <cmath>

#include "activex/convert.h"
#include "platform/win32/win32_surface.h"

namespace folivan::activex {

// Hears the font's property changes; forgets its owner when the control goes
// (a client may keep the font longer than the control lives).
class LiveFont::Sink final : public IPropertyNotifySink {
 public:
  explicit Sink(LiveFont* owner) : owner_(owner) {}
  void Forget() { owner_ = nullptr; }

  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    *object = riid == IID_IUnknown || riid == IID_IPropertyNotifySink ? static_cast<IPropertyNotifySink*>(this)
                                                                       : nullptr;
    if (!*object) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
  }
  STDMETHODIMP OnChanged(DISPID) override {
    if (owner_) owner_->Changed();
    return S_OK;
  }
  STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

 private:
  ~Sink() = default;
  LONG refs_ = 1;
  LiveFont* owner_;
};

LiveFont::LiveFont(std::function<void(const FontDesc&)> on_change) : on_change_(std::move(on_change)) {}

LiveFont::~LiveFont() {
  if (sink_) sink_->Forget();
  if (point_) {
    point_->Unadvise(cookie_);
    point_->Release();
  }
  if (sink_) sink_->Release();
  if (font_) font_->Release();
}

IFontDisp* LiveFont::Get(const FontDesc& current) {
  if (!font_) {
    IFontDisp* created = ToFont(current);
    if (!created) return nullptr;
    created->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font_));
    created->Release();
    if (!font_) return nullptr;
    sink_ = new Sink(this);
    IConnectionPointContainer* container = nullptr;
    if (SUCCEEDED(font_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
      if (SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, &point_)) &&
          FAILED(point_->Advise(sink_, &cookie_))) {
        point_->Release();
        point_ = nullptr;
      }
      container->Release();
    }
  } else if (FromFont(font_) != current) {
    // The control's font changed another way (Set Font, a loaded bag).
    updating_ = true;
    std::wstring name = win32::Widen(current.name);
    BSTR text = SysAllocStringLen(name.data(), static_cast<UINT>(name.size()));
    font_->put_Name(text);
    SysFreeString(text);
    CY size{};
    size.int64 = std::llround(current.size * 10000.0);
    font_->put_Size(size);
    font_->put_Bold(current.bold);
    font_->put_Italic(current.italic);
    font_->put_Underline(current.underline);
    font_->put_Strikethrough(current.strikethrough);
    font_->put_Charset(current.charset);
    updating_ = false;
  }
  IFontDisp* result = nullptr;
  font_->QueryInterface(IID_IFontDisp, reinterpret_cast<void**>(&result));
  return result;
}

void LiveFont::Changed() {
  if (updating_ || !font_) return;
  on_change_(FromFont(font_));
}

}  // namespace folivan::activex
