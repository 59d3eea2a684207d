// An IEnumXxx over a snapshot of items, each of which holds a COM reference
// while the enumerator lives (IEnumConnections, IEnumConnectionPoints, an
// IEnumVARIANT of objects).
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace folivan::activex {

inline IUnknown* ReferenceOf(const CONNECTDATA& item) { return item.pUnk; }
inline IUnknown* ReferenceOf(IConnectionPoint* item) { return item; }
// Items of an IEnumVARIANT are objects (VT_DISPATCH or VT_UNKNOWN, never null).
inline IUnknown* ReferenceOf(const VARIANT& item) { return V_UNKNOWN(&item); }

template <typename Enum, typename Item>
class SnapshotEnumerator final : public Enum {
 public:
  SnapshotEnumerator(const IID& iid, std::vector<Item> items, size_t position)
      : iid_(iid), items_(std::move(items)), pos_(position) {
    for (const Item& item : items_) ReferenceOf(item)->AddRef();
  }
  ~SnapshotEnumerator() {
    for (const Item& item : items_) ReferenceOf(item)->Release();
  }
  SnapshotEnumerator(const SnapshotEnumerator&) = delete;
  SnapshotEnumerator& operator=(const SnapshotEnumerator&) = delete;

  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (riid == IID_IUnknown || riid == iid_) {
      *object = static_cast<Enum*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
  }
  // Every item handed out carries a reference of its own.
  STDMETHODIMP Next(ULONG count, Item* out, ULONG* fetched) override {
    if (!out) return E_POINTER;
    ULONG n = 0;
    for (; n < count && pos_ < items_.size(); ++n, ++pos_) {
      out[n] = items_[pos_];
      ReferenceOf(out[n])->AddRef();
    }
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  // S_OK when all count items were skipped.
  STDMETHODIMP Skip(ULONG count) override {
    const size_t left = items_.size() - pos_;
    pos_ += std::min(left, static_cast<size_t>(count));
    return count <= left ? S_OK : S_FALSE;
  }
  STDMETHODIMP Reset() override {
    pos_ = 0;
    return S_OK;
  }
  STDMETHODIMP Clone(Enum** copy) override {
    if (!copy) return E_POINTER;
    *copy = new SnapshotEnumerator(iid_, items_, pos_);
    return S_OK;
  }

 private:
  const IID& iid_;
  LONG refs_ = 1;
  std::vector<Item> items_;
  size_t pos_;
};

}  // namespace folivan::activex
