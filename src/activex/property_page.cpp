#include "activex/property_page.h"

#include <commctrl.h>

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "activex/control_object.h"
#include "activex/convert.h"
#include "activex/module.h"
#include "platform/vb_runtime.h"
#include "platform/win32/win32_surface.h"
#include "proppage/prvsvr.h"

namespace folivan::activex {

namespace {

constexpr wchar_t kPageClass[] = L"FolivanTabPropertyPage";
constexpr int kFirstControlId = 100;
constexpr DISPID kTabChangeEvent = 4;

// --- a control reached through its IDispatch by name ---------------------------------------

class ComTarget : public PageTarget {
 public:
  explicit ComTarget(IDispatch* object) : object_(object) { object_->AddRef(); }
  ~ComTarget() override { object_->Release(); }
  ComTarget(const ComTarget&) = delete;
  ComTarget& operator=(const ComTarget&) = delete;

  Variant Get(std::string_view member, std::span<Variant> index) override {
    VARIANT result;
    VariantInit(&result);
    Invoke(member, DISPATCH_PROPERTYGET, index, nullptr, &result);
    Variant value;
    try {
      value = FromVariant(result);
    } catch (...) {
      VariantClear(&result);
      throw;
    }
    VariantClear(&result);
    return value;
  }
  void Put(std::string_view member, std::span<Variant> index, const Variant& value) override {
    const bool object = value.Is<PicturePtr>() || value.Is<FontDesc>();
    Invoke(member, object ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT, index, &value, nullptr);
  }
  void Call(std::string_view method, std::span<Variant> args) override {
    VARIANT result;
    VariantInit(&result);
    Invoke(method, DISPATCH_METHOD, args, nullptr, &result);
    VariantClear(&result);
  }
  // The control's collection of contained controls is not reached through COM.
  std::vector<ContainedControlPtr> IControls() override { return {}; }

 private:
  void Invoke(std::string_view member, WORD flags, std::span<Variant> args, const Variant* value, VARIANT* result) {
    std::wstring name = win32::Widen(member);
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
      throw VbError(438, "Object doesn't support this property or method");
    }
    // Arguments go last to first; a property's new value comes first, named.
    std::vector<VARIANT> vargs;
    if (value) {
      vargs.emplace_back();
      VariantInit(&vargs.back());
      ToVariant(*value, &vargs.back());
    }
    for (size_t i = args.size(); i-- > 0;) {
      vargs.emplace_back();
      VariantInit(&vargs.back());
      ToVariant(args[i], &vargs.back());
    }
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{vargs.data(), value ? &put : nullptr, static_cast<UINT>(vargs.size()), value ? 1u : 0u};
    EXCEPINFO excep{};
    const HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &excep, nullptr);
    for (VARIANT& v : vargs) VariantClear(&v);
    std::string description = excep.bstrDescription ? FromBstr(excep.bstrDescription) : std::string();
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrHelpFile);
    if (FAILED(hr)) throw VbError(static_cast<int>(HRESULT_CODE(excep.scode ? excep.scode : hr)), description);
  }

  IDispatch* object_;
};

// --- the site of the page's own instances (strip and preview) -------------------------------

class InstanceSite final : public IOleClientSite, public IOleInPlaceSite {
 public:
  InstanceSite(HWND parent, RECT rect) : parent_(parent), rect_(rect) {}

  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite) *object = static_cast<IOleClientSite*>(this);
    if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite) *object = static_cast<IOleInPlaceSite*>(this);
    if (!*object) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG r = InterlockedDecrement(&refs_);
    if (r == 0) delete this;
    return static_cast<ULONG>(r);
  }
  // IOleClientSite
  STDMETHODIMP SaveObject() override { return S_OK; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetContainer(IOleContainer** container) override {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
  // IOleWindow, IOleInPlaceSite
  STDMETHODIMP GetWindow(HWND* hwnd) override {
    if (!hwnd) return E_POINTER;
    *hwnd = parent_;
    return S_OK;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO info) override {
    if (frame) *frame = nullptr;
    if (doc) *doc = nullptr;
    if (pos) *pos = rect_;
    if (clip) *clip = rect_;
    if (info) {
      info->fMDIApp = FALSE;
      info->hwndFrame = parent_;
      info->haccel = nullptr;
      info->cAccelEntries = 0;
    }
    return S_OK;
  }
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return S_OK; }
  STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
  STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

 private:
  ~InstanceSite() = default;
  LONG refs_ = 1;
  HWND parent_;
  RECT rect_;
};

// One instance of the control on the page, in-place active in the page's window.
struct Instance {
  IOleObject* object = nullptr;
  IDispatch* dispatch = nullptr;
  HWND hwnd = nullptr;
  std::unique_ptr<ComTarget> target;

  HRESULT Create(HWND parent, const Rect& r) {
    HRESULT hr = CreateControl(IID_IOleObject, reinterpret_cast<void**>(&object));
    if (FAILED(hr)) return hr;
    const RECT rect{r.left, r.top, r.right, r.bottom};
    InstanceSite* site = new InstanceSite(parent, rect);
    object->SetClientSite(site);
    IPersistStreamInit* persist = nullptr;
    if (SUCCEEDED(object->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)))) {
      persist->InitNew();
      persist->Release();
    }
    hr = object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, parent, &rect);
    site->Release();
    if (FAILED(hr)) return hr;
    IOleWindow* window = nullptr;
    if (SUCCEEDED(object->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&window)))) {
      window->GetWindow(&hwnd);
      window->Release();
    }
    hr = object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
    if (FAILED(hr)) return hr;
    target = std::make_unique<ComTarget>(dispatch);
    return S_OK;
  }
  void Destroy() {
    target.reset();
    if (dispatch) dispatch->Release();
    dispatch = nullptr;
    if (object) {
      object->Close(OLECLOSE_NOSAVE);
      object->SetClientSite(nullptr);
      object->Release();
    }
    object = nullptr;
    hwnd = nullptr;
  }
};

// --- the page -------------------------------------------------------------------------

class PropertyPage final : public IPropertyPage2, public PageSite {
 public:
  PropertyPage() { ObjectCreated(); }
  PropertyPage(const PropertyPage&) = delete;
  PropertyPage& operator=(const PropertyPage&) = delete;

  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (riid == IID_IUnknown || riid == IID_IPropertyPage || riid == IID_IPropertyPage2) {
      *object = static_cast<IPropertyPage2*>(this);
      AddRef();
      return S_OK;
    }
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG r = InterlockedDecrement(&refs_);
    if (r == 0) delete this;
    return static_cast<ULONG>(r);
  }

  // IPropertyPage
  STDMETHODIMP SetPageSite(IPropertyPageSite* site) override {
    if (site_) site_->Release();
    site_ = site;
    if (site_) site_->AddRef();
    return S_OK;
  }
  STDMETHODIMP Activate(HWND parent, LPCRECT rect, BOOL) override;
  STDMETHODIMP Deactivate() override;
  STDMETHODIMP GetPageInfo(PROPPAGEINFO* info) override {
    if (!info) return E_POINTER;
    const std::wstring title = win32::Widen(page_text::kCaption);
    info->pszTitle = static_cast<LPOLESTR>(CoTaskMemAlloc((title.size() + 1) * sizeof(wchar_t)));
    if (info->pszTitle) wcscpy(info->pszTitle, title.c_str());
    info->size.cx = kPageWidth;
    info->size.cy = kPageHeight;
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    return S_OK;
  }
  STDMETHODIMP SetObjects(ULONG count, IUnknown** objects) override {
    if (selected_) selected_->Release();
    selected_ = nullptr;
    selected_target_.reset();
    if (count > 0 && objects && objects[0]) {
      objects[0]->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&selected_));
    }
    if (selected_) selected_target_ = std::make_unique<ComTarget>(selected_);
    Select();
    return S_OK;
  }
  STDMETHODIMP Show(UINT command) override {
    if (hwnd_) ShowWindow(hwnd_, static_cast<int>(command));
    return S_OK;
  }
  STDMETHODIMP Move(LPCRECT rect) override {
    if (!rect) return E_POINTER;
    if (hwnd_) MoveWindow(hwnd_, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
    return S_OK;
  }
  STDMETHODIMP IsPageDirty() override { return dirty_ ? S_OK : S_FALSE; }
  STDMETHODIMP Apply() override {
    if (page_) Guarded([&] { page_->ApplyChanges(); });
    dirty_ = false;
    Sync();
    return S_OK;
  }
  STDMETHODIMP Help(LPCOLESTR) override { return E_NOTIMPL; }
  STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }
  // IPropertyPage2
  STDMETHODIMP EditProperty(DISPID) override { return E_NOTIMPL; }

  // PageSite
  void SetChanged(bool changed) override {
    dirty_ = changed;
    if (changed && site_) site_->OnStatusChange(PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE);
  }

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR page);

  // The strip's TabChange: show the new tab's controls.
  void StripTabChanged() { Sync(); }

 private:
  ~PropertyPage() {
    Deactivate();
    if (selected_) selected_->Release();
    if (site_) site_->Release();
    ObjectDestroyed();
  }

  template <typename Fn>
  void Guarded(Fn&& fn) {
    try {
      fn();
    } catch (const std::exception&) {
    }
  }
  void Select() {
    if (!page_ || !selected_target_) return;
    PageTarget* selected[] = {selected_target_.get()};
    Guarded([&] { page_->SelectionChanged(selected); });
    Sync();
  }
  // The page's control of a window's identifier (labels take no part).
  PageControl* ControlOf(int id) {
    if (!page_) return nullptr;
    const auto& controls = page_->Controls();
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(controls.size())) return nullptr;
    const std::string& field = controls[static_cast<size_t>(index)].field;
    return field.empty() ? nullptr : page_->Find(field);
  }
  void OnCommand(int id, int code, HWND window);
  // Makes the windows show what the page's controls hold.
  void Sync();

  LONG refs_ = 1;
  IPropertyPageSite* site_ = nullptr;
  IDispatch* selected_ = nullptr;
  std::unique_ptr<ComTarget> selected_target_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  std::vector<HWND> windows_;
  Instance strip_;
  Instance preview_;
  IConnectionPoint* strip_events_ = nullptr;
  DWORD strip_cookie_ = 0;
  std::unique_ptr<Prvsvr> page_;
  bool dirty_ = false;
  bool syncing_ = false;
};

// Hears the strip's TabChange.
class StripSink final : public IDispatch {
 public:
  explicit StripSink(PropertyPage& page) : page_(page) {}
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (riid != IID_IUnknown && riid != IID_IDispatch && riid != DIID___FolivanTab) return E_NOINTERFACE;
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG r = InterlockedDecrement(&refs_);
    if (r == 0) delete this;
    return static_cast<ULONG>(r);
  }
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    if (id == kTabChangeEvent) page_.StripTabChanged();
    return S_OK;
  }

 private:
  ~StripSink() = default;
  LONG refs_ = 1;
  PropertyPage& page_;
};

void RegisterPageClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = PropertyPage::WindowProc;
  wc.hInstance = ModuleInstance();
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kPageClass;
  registered = RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

STDMETHODIMP PropertyPage::Activate(HWND parent, LPCRECT rect, BOOL) {
  if (!rect) return E_POINTER;
  if (hwnd_) return E_UNEXPECTED;
  RegisterPageClass();
  hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD | WS_CLIPCHILDREN, rect->left, rect->top,
                          rect->right - rect->left, rect->bottom - rect->top, parent, nullptr, ModuleInstance(), this);
  if (!hwnd_) return E_FAIL;
  font_ = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma");

  // The standard controls first: later siblings lie under them (the strip and the preview).
  const std::vector<PageControl> controls = MakePageControls();
  int id = kFirstControlId;
  for (const PageControl& c : controls) {
    const wchar_t* cls = L"STATIC";
    DWORD style = WS_CHILD;
    DWORD ex = 0;
    int height = c.rect.Height();
    switch (c.kind) {
      case PageControlKind::kLabel: style |= SS_LEFT | SS_NOPREFIX; break;
      case PageControlKind::kTextBox:
        cls = L"EDIT";
        style |= WS_TABSTOP | ES_AUTOHSCROLL;
        ex = WS_EX_CLIENTEDGE;
        break;
      case PageControlKind::kDropDown:
        cls = L"COMBOBOX";
        style |= WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;
        height = 200;
        break;
      case PageControlKind::kList:
        cls = L"LISTBOX";
        style |= WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
        ex = WS_EX_CLIENTEDGE;
        break;
      case PageControlKind::kButton:
        cls = L"BUTTON";
        style |= WS_TABSTOP | BS_PUSHBUTTON;
        break;
      case PageControlKind::kCheckBox:
        cls = L"BUTTON";
        style |= WS_TABSTOP | BS_CHECKBOX;
        break;
    }
    HWND w = CreateWindowExW(ex, cls, win32::Widen(c.text).c_str(), style, kContainerRect.left + c.rect.left,
                             kContainerRect.top + c.rect.top, c.rect.Width(), height, hwnd_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ModuleInstance(), nullptr);
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (c.kind == PageControlKind::kTextBox) SetWindowSubclass(w, EditProc, static_cast<UINT_PTR>(id), reinterpret_cast<DWORD_PTR>(this));
    windows_.push_back(w);
    ++id;
  }
  const Rect preview{kContainerRect.left + kPreviewRect.left, kContainerRect.top + kPreviewRect.top,
                     kContainerRect.left + kPreviewRect.right, kContainerRect.top + kPreviewRect.bottom};
  if (FAILED(preview_.Create(hwnd_, preview)) || FAILED(strip_.Create(hwnd_, kStripRect))) {
    Deactivate();
    return E_FAIL;
  }
  page_ = std::make_unique<Prvsvr>(*strip_.target, *preview_.target, *this);
  StripSink* sink = new StripSink(*this);
  IConnectionPointContainer* points = nullptr;
  if (SUCCEEDED(strip_.object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points)))) {
    if (SUCCEEDED(points->FindConnectionPoint(DIID___FolivanTab, &strip_events_))) {
      strip_events_->Advise(sink, &strip_cookie_);
    }
    points->Release();
  }
  sink->Release();
  Select();
  Sync();
  return S_OK;
}

STDMETHODIMP PropertyPage::Deactivate() {
  if (strip_events_) {
    strip_events_->Unadvise(strip_cookie_);
    strip_events_->Release();
    strip_events_ = nullptr;
  }
  page_.reset();
  strip_.Destroy();
  preview_.Destroy();
  windows_.clear();
  if (hwnd_) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  if (font_) DeleteObject(font_);
  font_ = nullptr;
  return S_OK;
}

void PropertyPage::OnCommand(int id, int code, HWND window) {
  PageControl* c = ControlOf(id);
  if (!c || syncing_) return;
  // A typed change only updates the box's text; the notifications that are no
  // person's act (EN_UPDATE, CBN_DROPDOWN, focus changes of lists) do nothing.
  bool acted = false;
  Guarded([&] {
    switch (c->kind) {
      case PageControlKind::kButton:
      case PageControlKind::kCheckBox:
        if (code != BN_CLICKED) return;
        acted = true;
        page_->Click(*c);
        break;
      case PageControlKind::kDropDown:
      case PageControlKind::kList: {
        if (code != CBN_SELCHANGE && code != LBN_SELCHANGE) return;
        acted = true;
        const UINT message = c->kind == PageControlKind::kDropDown ? CB_GETCURSEL : LB_GETCURSEL;
        const auto chosen = static_cast<int>(SendMessageW(window, message, 0, 0));
        if (chosen >= 0 && chosen < static_cast<int>(c->items.size())) page_->Choose(*c, c->items[static_cast<size_t>(chosen)]);
        break;
      }
      case PageControlKind::kTextBox:
        if (code == EN_CHANGE) {
          const int length = GetWindowTextLengthW(window);
          std::wstring text(static_cast<size_t>(length) + 1, L'\0');
          GetWindowTextW(window, text.data(), length + 1);
          text.resize(static_cast<size_t>(length));
          c->text = win32::Narrow(text);
        } else if (code == EN_SETFOCUS) {
          acted = true;
          page_->Click(*c);
        }
        break;
      case PageControlKind::kLabel: break;
    }
  });
  if (acted) Sync();
}

void PropertyPage::Sync() {
  if (!page_ || !hwnd_) return;
  syncing_ = true;
  const int tab = page_->ShownTab();
  const auto& controls = page_->Controls();
  for (size_t i = 0; i < controls.size() && i < windows_.size(); ++i) {
    const PageControl& c = controls[i];
    HWND w = windows_[i];
    ShowWindow(w, c.page == tab ? SW_SHOWNA : SW_HIDE);
    EnableWindow(w, c.enabled);
    const std::wstring text = win32::Widen(c.kind == PageControlKind::kDropDown || c.kind == PageControlKind::kList
                                               ? std::string() : c.text);
    switch (c.kind) {
      case PageControlKind::kLabel:
      case PageControlKind::kButton:
      case PageControlKind::kTextBox:
      case PageControlKind::kCheckBox: {
        const int length = GetWindowTextLengthW(w);
        std::wstring now(static_cast<size_t>(length) + 1, L'\0');
        GetWindowTextW(w, now.data(), length + 1);
        now.resize(static_cast<size_t>(length));
        if (now != text) SetWindowTextW(w, text.c_str());
        if (c.kind == PageControlKind::kCheckBox) SendMessageW(w, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
      }
      case PageControlKind::kDropDown:
      case PageControlKind::kList: {
        const bool combo = c.kind == PageControlKind::kDropDown;
        const auto count = static_cast<size_t>(SendMessageW(w, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
        bool same = count == c.items.size();
        for (size_t k = 0; same && k < count; ++k) {
          const auto length = SendMessageW(w, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, k, 0);
          std::wstring item(static_cast<size_t>(length) + 1, L'\0');
          SendMessageW(w, combo ? CB_GETLBTEXT : LB_GETTEXT, k, reinterpret_cast<LPARAM>(item.data()));
          item.resize(static_cast<size_t>(length));
          same = item == win32::Widen(c.items[k]);
        }
        if (!same) {
          SendMessageW(w, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
          for (const std::string& item : c.items) {
            SendMessageW(w, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Widen(item).c_str()));
          }
        }
        SendMessageW(w, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(c.list_index), 0);
        break;
      }
    }
  }
  if (preview_.hwnd) ShowWindow(preview_.hwnd, tab == page_text::kPreview ? SW_SHOWNA : SW_HIDE);
  syncing_ = false;
}

LRESULT CALLBACK PropertyPage::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* page = reinterpret_cast<PropertyPage*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_COMMAND && page && lparam != 0) {
    page->OnCommand(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK PropertyPage::EditProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                        DWORD_PTR data) {
  auto* page = reinterpret_cast<PropertyPage*>(data);
  if (message == WM_CHAR && page) {
    if (PageControl* c = page->ControlOf(static_cast<int>(id))) {
      const int key = page->page_->KeyPress(*c, static_cast<int>(wparam));
      if (key == 0) return 0;
      wparam = static_cast<WPARAM>(key);
    }
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, EditProc, id);
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

}  // namespace

HRESULT CreatePropertyPage(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  PropertyPage* page = new (std::nothrow) PropertyPage();
  if (!page) return E_OUTOFMEMORY;
  const HRESULT hr = page->QueryInterface(riid, object);
  page->Release();
  return hr;
}

HRESULT CreateControl(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  ControlObject* control = nullptr;
  try {
    control = new ControlObject();
  } catch (...) {
    return E_OUTOFMEMORY;
  }
  const HRESULT hr = control->QueryInterface(riid, object);
  control->Release();
  return hr;
}

HRESULT RegisterPropertyPage() {
  const std::wstring key = L"CLSID\\" + GuidText(CLSID_FolivanTabPage);
  const std::wstring path = ModulePath();
  const std::pair<std::wstring, std::pair<const wchar_t*, std::wstring>> values[] = {
      {key, {nullptr, L"FolivanTab Property Page"}},
      {key + L"\\InprocServer32", {nullptr, path}},
      {key + L"\\InprocServer32", {L"ThreadingModel", L"Apartment"}},
  };
  for (const auto& [subkey, value] : values) {
    HKEY handle = nullptr;
    LONG rc = RegCreateKeyExW(HKEY_CLASSES_ROOT, subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                              nullptr, &handle, nullptr);
    if (rc == ERROR_SUCCESS) {
      rc = RegSetValueExW(handle, value.first, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.second.c_str()),
                          static_cast<DWORD>((value.second.size() + 1) * sizeof(wchar_t)));
      RegCloseKey(handle);
    }
    if (rc != ERROR_SUCCESS) return SELFREG_E_CLASS;
  }
  return S_OK;
}

void UnregisterPropertyPage() {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + GuidText(CLSID_FolivanTabPage)).c_str());
}

}  // namespace folivan::activex
