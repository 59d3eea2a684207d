// The control's connection points: the event interface __FolivanTab and
// IPropertyNotifySink. They live inside the control object and share its
// reference count.
#pragma once

#include "activex/guids.h"

#include <span>
#include <utility>
#include <vector>

#include "platform/variant.h"

namespace folivan::activex {

// Advise, Unadvise and the enumeration of the sinks of one outgoing interface.
class ConnectionPoint : public IConnectionPoint {
 public:
  // Sinks are asked for iid, and for fallback (IID_NULL: none) when they lack it.
  ConnectionPoint(IConnectionPointContainer* owner, REFIID iid, REFIID fallback)
      : owner_(owner), iid_(iid), fallback_(fallback) {}
  ConnectionPoint(const ConnectionPoint&) = delete;
  ConnectionPoint& operator=(const ConnectionPoint&) = delete;
  virtual ~ConnectionPoint();

  STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override { return owner_->AddRef(); }
  STDMETHODIMP_(ULONG) Release() override { return owner_->Release(); }

  STDMETHODIMP GetConnectionInterface(IID* iid) override;
  STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
  STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
  STDMETHODIMP Unadvise(DWORD cookie) override;
  STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

  bool HasSinks() const { return !sinks_.empty(); }

 protected:
  // The sinks present now, each AddRef'ed: a sink may disconnect while called.
  template <typename I>
  std::vector<I*> Snapshot() const {
    std::vector<I*> sinks;
    for (const auto& entry : sinks_) {
      entry.second->AddRef();
      sinks.push_back(static_cast<I*>(entry.second));
    }
    return sinks;
  }

 private:
  IConnectionPointContainer* owner_;
  IID iid_;
  IID fallback_;
  std::vector<std::pair<DWORD, IUnknown*>> sinks_;  // each the sink's iid_ (or fallback_) interface
  DWORD next_cookie_ = 1;
};

class EventConnectionPoint : public ConnectionPoint {
 public:
  explicit EventConnectionPoint(IConnectionPointContainer* owner)
      : ConnectionPoint(owner, DIID___FolivanTab, IID_IDispatch) {}
  // Calls every sink's IDispatch::Invoke with the arguments by reference (in
  // the types of the event's declaration) and copies back what the sinks left.
  void Fire(int32_t dispid, std::span<Variant> args);
};

class PropertyNotifyConnectionPoint : public ConnectionPoint {
 public:
  explicit PropertyNotifyConnectionPoint(IConnectionPointContainer* owner)
      : ConnectionPoint(owner, IID_IPropertyNotifySink, IID_NULL) {}
  // IPropertyNotifySink::OnChanged on every sink.
  void Changed(DISPID id);
};

}  // namespace folivan::activex
