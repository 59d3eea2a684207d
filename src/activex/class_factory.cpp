// The class factory of FolivanTab and the module's COM entry points
// DllGetClassObject and DllCanUnloadNow.
#include "activex/control_object.h"
#include "activex/property_page.h"

namespace folivan::activex {

namespace {

class ClassFactory : public IClassFactory {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
      *object = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // The factory is static: its references keep the module loaded.
  STDMETHODIMP_(ULONG) AddRef() override {
    LockModule(true);
    return 2;
  }
  STDMETHODIMP_(ULONG) Release() override {
    LockModule(false);
    return 1;
  }

  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    ControlObject* control = nullptr;
    try {
      control = new ControlObject();
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    } catch (...) {
      return E_FAIL;
    }
    HRESULT hr = control->QueryInterface(riid, object);
    control->Release();
    return hr;
  }

  STDMETHODIMP LockServer(BOOL lock) override {
    LockModule(lock != FALSE);
    return S_OK;
  }
};

ClassFactory g_factory;

// The property page's factory: the same, making page objects.
class PageFactory : public ClassFactory {
 public:
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return CreatePropertyPage(riid, object);
  }
};

PageFactory g_page_factory;

}  // namespace

}  // namespace folivan::activex

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (clsid == folivan::activex::CLSID_FolivanTabPage) return folivan::activex::g_page_factory.QueryInterface(riid, object);
  if (clsid != CLSID_FolivanTab) return CLASS_E_CLASSNOTAVAILABLE;
  return folivan::activex::g_factory.QueryInterface(riid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return folivan::activex::ModuleInUse() ? S_FALSE : S_OK;
}
