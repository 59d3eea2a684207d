// IPersistStreamInit and IPersistPropertyBag: the control saves itself through
// the PropertyBag interface; these adapters put the bag into a container's
// IPropertyBag or into a stream.
#include <cstring>
#include <map>

#include "activex/control_object.h"
#include "activex/convert.h"

namespace folivan::activex {

namespace {

// The container's property bag.
class ComPropertyBag : public PropertyBag {
 public:
  ComPropertyBag(IPropertyBag* bag, IErrorLog* log) : bag_(bag), log_(log) {}

  Variant Read(std::string_view name, const Variant& default_value) override {
    std::wstring wide = win32::Widen(name);
    VARIANT value;
    VariantInit(&value);
    if (FAILED(bag_->Read(wide.c_str(), &value, log_))) return default_value;
    Variant result;
    try {
      result = FromVariantLike(value, default_value);
    } catch (...) {
      VariantClear(&value);
      throw;
    }
    VariantClear(&value);
    return result;
  }

  void Write(std::string_view name, const Variant& value, const std::optional<Variant>& default_value) override {
    if (default_value && ValuesEqual(value, *default_value)) return;
    std::wstring wide = win32::Widen(name);
    VARIANT v;
    ToVariant(value, &v);
    HRESULT hr = bag_->Write(wide.c_str(), &v);
    VariantClear(&v);
    if (FAILED(hr)) throw VbError(hr & 0xFFFF, "The property bag refused " + std::string(name));
  }

 private:
  IPropertyBag* bag_;
  IErrorLog* log_;
};

// A bag held in memory, written to and read from a stream.
class StreamBag : public PropertyBag {
 public:
  Variant Read(std::string_view name, const Variant& default_value) override {
    auto it = entries_.find(std::string(name));
    if (it == entries_.end()) return default_value;
    return it->second;
  }
  void Write(std::string_view name, const Variant& value, const std::optional<Variant>& default_value) override {
    if (default_value && ValuesEqual(value, *default_value)) return;
    entries_[std::string(name)] = value;
  }

  HRESULT Save(IStream* stream) const;
  HRESULT Load(IStream* stream);

 private:
  std::map<std::string, Variant> entries_;
};

// Stream layout: "FTB1", entry count, then per entry the name, a type tag and
// the value, all little-endian. Pictures are not kept in streams.
constexpr char kMagic[4] = {'F', 'T', 'B', '1'};
enum Tag : uint8_t { kEmpty = 0, kBool = 1, kInteger = 2, kLong = 3, kDouble = 4, kText = 5, kFont = 6 };

class Writer {
 public:
  explicit Writer(IStream* s) : s_(s) {}
  void Bytes(const void* p, ULONG n) {
    if (FAILED(hr_)) return;
    ULONG done = 0;
    hr_ = s_->Write(p, n, &done);
    if (SUCCEEDED(hr_) && done != n) hr_ = STG_E_MEDIUMFULL;
  }
  template <typename T>
  void Value(T v) { Bytes(&v, sizeof(v)); }
  void Text(const std::string& t) {
    Value(static_cast<uint32_t>(t.size()));
    Bytes(t.data(), static_cast<ULONG>(t.size()));
  }
  HRESULT Result() const { return hr_; }

 private:
  IStream* s_;
  HRESULT hr_ = S_OK;
};

class Reader {
 public:
  explicit Reader(IStream* s) : s_(s) {}
  void Bytes(void* p, ULONG n) {
    if (FAILED(hr_)) return;
    ULONG done = 0;
    hr_ = s_->Read(p, n, &done);
    if (SUCCEEDED(hr_) && done != n) hr_ = E_FAIL;
  }
  template <typename T>
  T Value() {
    T v{};
    Bytes(&v, sizeof(v));
    return v;
  }
  std::string Text() {
    auto n = Value<uint32_t>();
    if (n > (1u << 24)) hr_ = E_FAIL;
    if (FAILED(hr_)) return {};
    std::string t(n, '\0');
    Bytes(t.data(), n);
    return t;
  }
  HRESULT Result() const { return hr_; }

 private:
  IStream* s_;
  HRESULT hr_ = S_OK;
};

HRESULT StreamBag::Save(IStream* stream) const {
  Writer w(stream);
  w.Bytes(kMagic, 4);
  uint32_t count = 0;
  for (const auto& [name, value] : entries_)
    if (!value.Is<PicturePtr>()) ++count;
  w.Value(count);
  for (const auto& [name, value] : entries_) {
    if (value.Is<PicturePtr>()) continue;
    w.Text(name);
    if (value.Is<VbBool>()) {
      w.Value(kBool);
      w.Value<uint8_t>(value.As<VbBool>().value ? 1 : 0);
    } else if (value.Is<int16_t>()) {
      w.Value(kInteger);
      w.Value(value.As<int16_t>());
    } else if (value.Is<int32_t>()) {
      w.Value(kLong);
      w.Value(value.As<int32_t>());
    } else if (value.Is<double>()) {
      w.Value(kDouble);
      w.Value(value.As<double>());
    } else if (value.Is<std::string>()) {
      w.Value(kText);
      w.Text(value.As<std::string>());
    } else if (value.Is<FontDesc>()) {
      const FontDesc& f = value.As<FontDesc>();
      w.Value(kFont);
      w.Text(f.name);
      w.Value(f.size);
      w.Value<uint8_t>(static_cast<uint8_t>(f.bold | (f.italic << 1) | (f.underline << 2) | (f.strikethrough << 3)));
      w.Value(f.charset);
    } else {
      w.Value(kEmpty);
    }
  }
  return w.Result();
}

HRESULT StreamBag::Load(IStream* stream) {
  Reader r(stream);
  char magic[4] = {};
  r.Bytes(magic, 4);
  if (FAILED(r.Result())) return r.Result();
  if (std::memcmp(magic, kMagic, 4) != 0) return E_FAIL;
  auto count = r.Value<uint32_t>();
  for (uint32_t i = 0; i < count && SUCCEEDED(r.Result()); ++i) {
    std::string name = r.Text();
    Variant value;
    switch (r.Value<uint8_t>()) {
      case kEmpty: break;
      case kBool: value = Variant::Bool(r.Value<uint8_t>() != 0); break;
      case kInteger: value = Variant(r.Value<int16_t>()); break;
      case kLong: value = Variant(r.Value<int32_t>()); break;
      case kDouble: value = Variant(r.Value<double>()); break;
      case kText: value = Variant(r.Text()); break;
      case kFont: {
        FontDesc f;
        f.name = r.Text();
        f.size = r.Value<double>();
        auto flags = r.Value<uint8_t>();
        f.bold = flags & 1;
        f.italic = flags & 2;
        f.underline = flags & 4;
        f.strikethrough = flags & 8;
        f.charset = r.Value<int16_t>();
        value = Variant(f);
        break;
      }
      default: return E_FAIL;
    }
    entries_[name] = value;
  }
  return r.Result();
}

}  // namespace

STDMETHODIMP ControlObject::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_FolivanTab;
  return S_OK;
}

STDMETHODIMP ControlObject::IsDirty() { return dirty_ ? S_OK : S_FALSE; }

STDMETHODIMP ControlObject::InitNew() {
  initialized_ = true;
  return Call([&] {
    core_->InitProperties();
    dirty_ = false;
    return S_OK;
  });
}

STDMETHODIMP ControlObject::Load(LPSTREAM stream) {
  if (!stream) return E_POINTER;
  StreamBag bag;
  HRESULT hr = bag.Load(stream);
  if (FAILED(hr)) return hr;
  initialized_ = true;
  return Call([&] {
    core_->ReadProperties(bag);
    dirty_ = false;
    return S_OK;
  });
}

STDMETHODIMP ControlObject::Save(LPSTREAM stream, BOOL clear_dirty) {
  if (!stream) return E_POINTER;
  return Call([&] {
    StreamBag bag;
    core_->WriteProperties(bag);
    HRESULT hr = bag.Save(stream);
    if (SUCCEEDED(hr) && clear_dirty) dirty_ = false;
    return hr;
  });
}

STDMETHODIMP ControlObject::GetSizeMax(ULARGE_INTEGER* size) {
  if (size) size->QuadPart = 0;
  return E_NOTIMPL;
}

STDMETHODIMP ControlObject::Load(IPropertyBag* bag, IErrorLog* log) {
  if (!bag) return E_POINTER;
  initialized_ = true;
  return Call([&] {
    ComPropertyBag adapter(bag, log);
    core_->ReadProperties(adapter);
    dirty_ = false;
    return S_OK;
  });
}

STDMETHODIMP ControlObject::Save(IPropertyBag* bag, BOOL clear_dirty, BOOL) {
  if (!bag) return E_POINTER;
  return Call([&] {
    ComPropertyBag adapter(bag, nullptr);
    core_->WriteProperties(adapter);
    if (clear_dirty) dirty_ = false;
    return S_OK;
  });
}

}  // namespace folivan::activex
