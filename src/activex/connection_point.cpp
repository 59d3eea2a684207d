#include "activex/connection_point.h"

#include <algorithm>

#include "activex/enumerator.h"
#include "core/events.h"
#include "platform/vb_runtime.h"

namespace folivan::activex {

namespace {
// Storage of one by-reference event argument.
union ArgSlot {
  SHORT i2;
  LONG i4;
  VARIANT_BOOL boolean;
  FLOAT r4;
  IDispatch* dispatch;
};

VARTYPE TypeOf(ArgType type) {
  switch (type) {
    case ArgType::kInteger: return VT_I2;
    case ArgType::kLong: return VT_I4;
    case ArgType::kBoolean: return VT_BOOL;
    case ArgType::kSingle: return VT_R4;
    case ArgType::kDataObject: return VT_DISPATCH;
  }
  return VT_I2;
}

// The value written back keeps the kind the control passed in.
Variant Returned(const ArgSlot& slot, ArgType type, const Variant& passed) {
  switch (type) {
    case ArgType::kInteger:
      return passed.Is<int32_t>() ? Variant(static_cast<int32_t>(slot.i2)) : Variant(static_cast<int16_t>(slot.i2));
    case ArgType::kLong:
      return Variant(static_cast<int32_t>(slot.i4));
    case ArgType::kBoolean:
      return Variant::Bool(slot.boolean != VARIANT_FALSE);
    case ArgType::kSingle:
      return Variant(static_cast<double>(slot.r4));
    case ArgType::kDataObject:
      return passed;
  }
  return passed;
}
}  // namespace

ConnectionPoint::~ConnectionPoint() {
  for (auto& [cookie, sink] : sinks_) sink->Release();
}

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IConnectionPoint) {
    *object = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = iid_;
  return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (!container) return E_POINTER;
  *container = owner_;
  owner_->AddRef();
  return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!sink || !cookie) return E_POINTER;
  *cookie = 0;
  IUnknown* wanted = nullptr;
  if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(&wanted))) &&
      (fallback_ == IID_NULL || FAILED(sink->QueryInterface(fallback_, reinterpret_cast<void**>(&wanted))))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  *cookie = next_cookie_++;
  sinks_.emplace_back(*cookie, wanted);
  return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
  for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
    if (it->first == cookie) {
      IUnknown* sink = it->second;
      sinks_.erase(it);
      sink->Release();
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}


STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** connections) {
  if (!connections) return E_POINTER;
  std::vector<CONNECTDATA> items;
  for (auto& [cookie, sink] : sinks_) items.push_back(CONNECTDATA{sink, cookie});
  *connections = new SnapshotEnumerator<IEnumConnections, CONNECTDATA>(IID_IEnumConnections, std::move(items), 0);
  return S_OK;
}

void EventConnectionPoint::Fire(int32_t dispid, std::span<Variant> args) {
  if (!HasSinks()) return;
  const EventInfo& info = GetEventInfo(static_cast<EventId>(dispid));
  const size_t count = std::min(args.size(), info.args.size());

  std::vector<ArgSlot> slots(count);
  std::vector<VARIANT> refs(count);
  for (size_t i = 0; i < count; ++i) {
    ArgType type = info.args[i].type;
    ArgSlot& slot = slots[i];
    slot = ArgSlot{};
    try {
      switch (type) {
        case ArgType::kInteger: slot.i2 = ToInteger(args[i]); break;
        case ArgType::kLong: slot.i4 = ToLong(args[i]); break;
        case ArgType::kBoolean: slot.boolean = ToBoolean(args[i]) ? VARIANT_TRUE : VARIANT_FALSE; break;
        case ArgType::kSingle: slot.r4 = static_cast<FLOAT>(ToDouble(args[i])); break;
        case ArgType::kDataObject: slot.dispatch = nullptr; break;
      }
    } catch (const VbError&) {
      // An argument the control left empty goes out as zero.
    }
    // Arguments travel in reverse order.
    VARIANT& ref = refs[count - 1 - i];
    VariantInit(&ref);
    V_VT(&ref) = static_cast<VARTYPE>(VT_BYREF | TypeOf(type));
    V_BYREF(&ref) = &slot;
  }

  // A handler may disconnect sinks: call the ones present when the event began.
  std::vector<IDispatch*> sinks = Snapshot<IDispatch>();
  DISPPARAMS params{count ? refs.data() : nullptr, nullptr, static_cast<UINT>(count), 0};
  for (IDispatch* sink : sinks) {
    sink->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    sink->Release();
  }
  for (size_t i = 0; i < count; ++i) args[i] = Returned(slots[i], info.args[i].type, args[i]);
}

void PropertyNotifyConnectionPoint::Changed(DISPID id) {
  for (IPropertyNotifySink* sink : Snapshot<IPropertyNotifySink>()) {
    sink->OnChanged(id);
    sink->Release();
  }
}

}  // namespace folivan::activex
