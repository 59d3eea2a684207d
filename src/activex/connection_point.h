// The connection point of the event interface __FolivanTab. It lives inside
// the control object and shares its reference count.
#pragma once

#include "activex/guids.h"

#include <span>
#include <utility>
#include <vector>

#include "platform/variant.h"

namespace folivan::activex {

class EventConnectionPoint : public IConnectionPoint {
 public:
  explicit EventConnectionPoint(IConnectionPointContainer* owner) : owner_(owner) {}
  EventConnectionPoint(const EventConnectionPoint&) = delete;
  EventConnectionPoint& operator=(const EventConnectionPoint&) = delete;
  ~EventConnectionPoint();

  STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override { return owner_->AddRef(); }
  STDMETHODIMP_(ULONG) Release() override { return owner_->Release(); }

  STDMETHODIMP GetConnectionInterface(IID* iid) override;
  STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
  STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
  STDMETHODIMP Unadvise(DWORD cookie) override;
  STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

  // Calls every sink's IDispatch::Invoke with the arguments by reference (in
  // the types of the event's declaration) and copies back what the sinks left.
  void Fire(int32_t dispid, std::span<Variant> args);
  bool HasSinks() const { return !sinks_.empty(); }

 private:
  IConnectionPointContainer* owner_;
  std::vector<std::pair<DWORD, IDispatch*>> sinks_;
  DWORD next_cookie_ = 1;
};

}  // namespace folivan::activex
