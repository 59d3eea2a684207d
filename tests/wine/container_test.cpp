// A container of the project's own, for what the play scenarios through COM
// (play_com.cpp) and script hosts do not reach: the module's class factory and
// unload count, the connection-point protocol, persistence into a stream (the
// property bag: vb_form_test), in-place activation in a window with mouse and keys sent as
// window messages, and the container's child windows on the tabs. Loads
// FolivanTabs.ocx from its own directory without registration.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <ocidl.h>

#include <cstdio>
#include <string>
#include <vector>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "com_objects.h"
#include "wine_check.h"

using com::Query;
using com::Ref;
using wine_check::Check;
using wine_check::Equal;
using wine_check::EqualText;
using wine_check::Succeeded;

namespace {

using com::Call;
using com::Fired;
using com::GetLong;
using com::I2;
using com::Put;

using Site = com::InPlaceSite<>;

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadFn = HRESULT(STDAPICALLTYPE*)();

IClassFactory* g_factory = nullptr;

Ref<IDispatch> NewControl() {
  Ref<IDispatch> control;
  if (g_factory) g_factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&control.p));
  return control;
}

// A new control active in place in a form window at run time; its place is (10, 20)-(310, 220).
struct Hosted : com::Hosted<Site> {
  Hosted() : com::Hosted<Site>(new Site(com::FormWindow(400, 300), {10, 20, 310, 220}), g_factory, CLSID_FolivanTab) {}
};

// --- the tests ------------------------------------------------------------------------------------

void TestInterfaces() {
  Ref<IDispatch> control = NewControl();
  Check(control != nullptr, "class factory creates the control");
  if (!control) return;
  // (The other interfaces have their tests below.)
  Check(Query<IOleInPlaceActiveObject>(control, IID_IOleInPlaceActiveObject) &&
            Query<IOleControl>(control, IID_IOleControl),
        "control exposes IOleInPlaceActiveObject and IOleControl");
  GUID source{};
  if (auto info = Query<IProvideClassInfo2>(control, IID_IProvideClassInfo2))
    info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source);
  Check(source == DIID___FolivanTab, "IProvideClassInfo2 names __FolivanTab as the source");
  DWORD status = 0;
  if (auto ole = Query<IOleObject>(control, IID_IOleObject)) ole->GetMiscStatus(DVASPECT_CONTENT, &status);
  Equal(static_cast<unsigned long>(status),
        static_cast<unsigned long>(OLEMISC_SIMPLEFRAME | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST |
                                   OLEMISC_INSIDEOUT | OLEMISC_CANTLINKINSIDE | OLEMISC_RECOMPOSEONRESIZE),
        "GetMiscStatus");
}

// The connection points as containers walk them. (The events themselves, their
// arguments by reference and the values handlers leave: play_com.)
void TestConnectionPoints() {
  Ref<IDispatch> control = NewControl();
  auto container = Query<IConnectionPointContainer>(control, IID_IConnectionPointContainer);
  if (!container) return Check(false, "IConnectionPointContainer");
  Ref<IConnectionPoint> point, none;
  Succeeded(container->FindConnectionPoint(DIID___FolivanTab, &point.p), "FindConnectionPoint(__FolivanTab)");
  Check(container->FindConnectionPoint(IID_IPropertyBag, &none.p) == CONNECT_E_NOCONNECTION,
        "no connection point for other interfaces");
  if (!point) return;
  auto* sink = new com::EventRecorder(DIID___FolivanTab);
  DWORD cookie = 0;
  Succeeded(point->Advise(static_cast<IDispatch*>(sink), &cookie), "Advise the event sink");

  Ref<IEnumConnectionPoints> points;
  IConnectionPoint* listed[3] = {};
  ULONG listed_count = 0;
  if (SUCCEEDED(container->EnumConnectionPoints(&points.p)) && points) points->Next(3, listed, &listed_count);
  IID second{};
  if (listed_count == 2) listed[1]->GetConnectionInterface(&second);
  Check(listed_count == 2 && listed[0] == point && second == IID_IPropertyNotifySink,
        "EnumConnectionPoints lists the event and the property-notification connection points");
  for (ULONG i = 0; i < listed_count; ++i) listed[i]->Release();
  Ref<IEnumConnections> connections;
  CONNECTDATA data[2] = {};
  ULONG data_count = 0;
  if (SUCCEEDED(point->EnumConnections(&connections.p)) && connections) connections->Next(2, data, &data_count);
  Check(data_count == 1 && data[0].dwCookie == cookie, "EnumConnections lists the advised sink");
  for (ULONG i = 0; i < data_count; ++i) data[i].pUnk->Release();

  Put(control, L"CurrentTab", {I2(1)});
  Check(sink->Find(3) && sink->Find(4), "the advised sink hears BeforeTabChange and TabChange");
  Succeeded(point->Unadvise(cookie), "Unadvise");
  sink->fired.clear();
  Put(control, L"CurrentTab", {I2(2)});
  Check(sink->fired.empty(), "no events after Unadvise");
  Check(point->Unadvise(cookie) == CONNECT_E_NOCONNECTION, "a second Unadvise is refused");
  sink->Release();
}

void TestStream() {
  Ref<IDispatch> control = NewControl();
  auto persist = Query<IPersistStreamInit>(control, IID_IPersistStreamInit);
  if (!persist) return Check(false, "IPersistStreamInit");
  persist->InitNew();
  Check(persist->IsDirty() == S_FALSE, "a new control is not dirty");
  Put(control, L"Tabs", {I2(6)});
  Check(persist->IsDirty() == S_OK, "a property write makes it dirty");
  Ref<IStream> stream;
  CreateStreamOnHGlobal(nullptr, TRUE, &stream.p);
  Succeeded(persist->Save(stream, TRUE), "IPersistStreamInit::Save");
  Check(persist->IsDirty() == S_FALSE, "saving with fClearDirty clears it");

  LARGE_INTEGER zero{};
  stream->Seek(zero, STREAM_SEEK_SET, nullptr);
  Ref<IDispatch> loaded = NewControl();
  if (auto persist2 = Query<IPersistStreamInit>(loaded, IID_IPersistStreamInit)) {
    Succeeded(persist2->Load(stream), "IPersistStreamInit::Load");
    Equal(GetLong(loaded, L"Tabs"), 6, "Tabs restored from the stream");
  }
}

void TestInPlace() {
  Hosted h;
  const HWND window = h.window;
  Succeeded(h.activation, "DoVerb(INPLACEACTIVATE)");
  Check(h.site->activated, "the control tells the site OnInPlaceActivate");
  if (!window) return Check(false, "the control has a window");
  Check(GetParent(window) == h.frame, "the control's window is a child of the site's window");
  const RECT rect = com::PlaceIn(window, h.frame);
  Check(rect.left == 10 && rect.top == 20 && rect.right == 310 && rect.bottom == 220,
        "the window takes the position rectangle of the site");
  VARIANT hwnd;
  Call(h.control, L"hwnd", DISPATCH_PROPERTYGET, {}, &hwnd);
  Check(V_VT(&hwnd) == VT_I4 && V_I4(&hwnd) == static_cast<LONG>(reinterpret_cast<LONG_PTR>(window)),
        "hwnd property is the control's window");
  RECT moved{0, 0, 200, 150};
  if (auto inplace = Query<IOleInPlaceObject>(h.control, IID_IOleInPlaceObject))
    inplace->SetObjectRects(&moved, &moved);
  RECT client{};
  GetClientRect(window, &client);
  Check(client.right == 200 && client.bottom == 150, "SetObjectRects resizes the window");

  // The mouse and the keys reach the window as messages and come back as
  // events with their arguments by reference.
  auto* sink = new com::EventRecorder(DIID___FolivanTab);
  DWORD cookie = 0;
  Ref<IConnectionPoint> point{com::Advise(h.control, DIID___FolivanTab, static_cast<IDispatch*>(sink), &cookie)};
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 12));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(40, 12));
  const Fired* down = sink->Find(13);
  Check(down && down->types.size() == 4 && down->types[2] == (VT_BYREF | VT_R4) && down->values[0] == 1 &&
            down->values[2] == 40 && down->values[3] == 12,
        "a press in the window raises MouseDown(1, shift, 40, 12)");
  Check(sink->Find(15) && sink->Find(1), "the release raises MouseUp, and Click as it was inside");
  // With the focus, the arrows move the selection: a KeyDown handler turns A into Right.
  const int before = GetLong(h.control, L"CurrentTab");
  SendMessageW(window, WM_SETFOCUS, 0, 0);
  sink->handler = [](DISPID id, DISPPARAMS* params) {
    if (id == 6 && params->cArgs == 2 && V_VT(&params->rgvarg[1]) == (VT_BYREF | VT_I2))
      *V_I2REF(&params->rgvarg[1]) = VK_RIGHT;
  };
  SendMessageW(window, WM_KEYDOWN, 'A', 0);
  const Fired* key = sink->Find(6);
  Check(key && key->types == std::vector<VARTYPE>{VT_BYREF | VT_I2, VT_BYREF | VT_I2} && key->values[0] == 'A',
        "WM_KEYDOWN raises KeyDown(KeyCode, Shift) by reference");
  Equal(GetLong(h.control, L"CurrentTab"), before + 1, "the KeyCode the handler leaves is the key taken");
  if (point) point->Unadvise(cookie);
  sink->Release();

  // The window shows the same image that IViewObject::Draw gives a container.
  if (auto view = Query<IViewObject2>(h.control, IID_IViewObject2)) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC window_dc = GetDC(window);
    HDC memory_dc = CreateCompatibleDC(window_dc);
    HBITMAP bitmap = CreateCompatibleBitmap(window_dc, 200, 150);
    HGDIOBJ old_bitmap = SelectObject(memory_dc, bitmap);
    RECTL bounds{0, 0, 200, 150};
    Succeeded(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory_dc, &bounds, nullptr, nullptr, 0),
              "IViewObject::Draw");
    int differing = 0;
    char first[96] = "";
    for (int y = 5; y < 150; y += 29) {
      for (int x = 3; x < 200; x += 31) {
        COLORREF shown = GetPixel(window_dc, x, y), drawn = GetPixel(memory_dc, x, y);
        if (shown != drawn && differing++ == 0)
          std::snprintf(first, sizeof first, "at %d,%d the window shows %06lx, the view %06lx", x, y, shown, drawn);
      }
    }
    Check(differing == 0, "the window shows the image IViewObject::Draw paints", first);
    SelectObject(memory_dc, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory_dc);
    ReleaseDC(window, window_dc);
  }

  Succeeded(h.ole->Close(OLECLOSE_NOSAVE), "IOleObject::Close");
  Check(h.site->deactivated, "Close deactivates in place");
  Check(!IsWindow(window), "Close destroys the control's window");
}

HWND Child(HWND parent, const wchar_t* cls, int id, int y, DWORD style) {
  return CreateWindowExW(0, cls, L"child", WS_CHILD | WS_VISIBLE | style, 20, y, 80, 20, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

POINT Position(HWND child) {
  const RECT r = com::PlaceIn(child, GetParent(child));
  return POINT{r.left, r.top};
}

bool HasTabStop(HWND w) { return (GetWindowLongPtrW(w, GWL_STYLE) & WS_TABSTOP) != 0; }

// The child windows of the control's window are its contained controls: a tab
// change pushes the old tab's out of sight (5000 pixels, 75000 twips at 96
// dpi, to the left), at run time out of the tab order and disabled, and
// brings them back as they were.
void TestContainedControls() {
  Hosted h;
  if (!h.window) return Check(false, "the control has a window");
  // Placed while tab 0 is selected: an edit without a name of its host's, a
  // named button in a control array, and a disabled static without a tab stop.
  HWND edit = Child(h.window, L"EDIT", 1001, 40, WS_TABSTOP | WS_BORDER);
  HWND button = Child(h.window, L"BUTTON", 1002, 70, WS_TABSTOP);
  HWND label = Child(h.window, L"STATIC", 1003, 100, 0);
  SetPropW(button, L"Name", reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomW(L"cmdOk"))));
  SetPropW(button, L"Index", reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(0x10000 | 3)));
  EnableWindow(label, FALSE);

  // (At design time the same moves keep TabStop and Enabled: vb_form_test.)
  Put(h.control, L"CurrentTab", {I2(1)});
  Check(Position(edit).x == 20 - 5000 && Position(button).x == 20 - 5000 && Position(label).x == 20 - 5000 &&
            Position(edit).y == 40 && Position(button).y == 70,
        "leaving tab 0 moves its child windows 75000 twips to the left");
  Check(!HasTabStop(edit) && !HasTabStop(button) && !IsWindowEnabled(edit) && !IsWindowEnabled(button),
        "leaving tab 0 takes its child windows out of the tab order and disables them");
  Put(h.control, L"CurrentTab", {I2(0)});
  Check(Position(edit).x == 20 && Position(button).x == 20 && Position(label).x == 20 && HasTabStop(edit) &&
            HasTabStop(button) && IsWindowEnabled(edit) && IsWindowEnabled(button) && !HasTabStop(label) &&
            !IsWindowEnabled(label),
        "coming back to tab 0 brings its child windows back with their own TabStop and Enabled");

  // IControls: the child windows as a collection with Count, Item (from 0) and _NewEnum.
  Ref<IDispatch> controls;
  if (auto tabs = Query<_FolivanTab>(h.control, IID__FolivanTab)) tabs->get_IControls(&controls.p);
  if (!controls) return Check(false, "IControls");
  VARIANT item, enumerator;
  Call(controls, L"Item", DISPATCH_METHOD | DISPATCH_PROPERTYGET, {I2(1)}, &item);
  const HWND second = V_VT(&item) == VT_DISPATCH && V_DISPATCH(&item)
                          ? reinterpret_cast<HWND>(static_cast<INT_PTR>(GetLong(V_DISPATCH(&item), L"hwnd")))
                          : nullptr;
  VariantClear(&item);
  Call(controls, L"_NewEnum", DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}, &enumerator);
  int enumerated = 0;
  if (auto items = Query<IEnumVARIANT>(V_VT(&enumerator) == VT_UNKNOWN ? V_UNKNOWN(&enumerator) : nullptr,
                                       IID_IEnumVARIANT)) {
    for (VARIANT each; VariantInit(&each), items->Next(1, &each, nullptr) == S_OK; VariantClear(&each))
      enumerated += V_VT(&each) == VT_DISPATCH ? 1 : 0;
  }
  VariantClear(&enumerator);
  Check(GetLong(controls, L"Count") == 3 && second == button && enumerated == 3,
        "IControls counts the three child windows, Item(1) is the second with its hwnd, _NewEnum walks them",
        "enumerated " + std::to_string(enumerated));

  auto* bag = new com::MemoryBag();
  if (auto persist = Query<IPersistPropertyBag>(h.control, IID_IPersistPropertyBag))
    Succeeded(persist->Save(bag, TRUE, TRUE), "IPersistPropertyBag::Save with contained controls");
  std::wstring lists;
  for (const std::wstring& key : bag->order)
    if (key.find(L"ContCtrlCap") != std::wstring::npos && V_VT(&bag->values[key]) == VT_BSTR)
      lists += key + L"=" + V_BSTR(&bag->values[key]) + L" ";
  EqualText(lists, L"Tab(0)ContCtrlCap(1)=Edit1001[0] Tab(0)ContCtrlCap(2)=cmdOk[3] Tab(0)ContCtrlCap(3)=Static1003[0] ",
            "tab 0 records its child windows in creation order, by class and identifier or by the host's Name and "
            "Index; tab 1 none");
  bag->Release();
  GlobalDeleteAtom(static_cast<ATOM>(reinterpret_cast<UINT_PTR>(RemovePropW(button, L"Name"))));
  RemovePropW(button, L"Index");
}

void TestUnload(CanUnloadFn can_unload) {
  Check(can_unload() == S_FALSE, "DllCanUnloadNow refuses while the factory is held");
  Ref<IDispatch> control = NewControl();
  g_factory->Release();
  g_factory = nullptr;
  Check(can_unload() == S_FALSE, "DllCanUnloadNow refuses while an object lives");
  control.Reset();
  Check(can_unload() == S_OK, "DllCanUnloadNow agrees when everything is released");
}

}  // namespace

int wmain() {
  OleInitialize(nullptr);
  HMODULE module = LoadLibraryW(L"FolivanTabs.ocx");
  Check(module != nullptr, "LoadLibrary(FolivanTabs.ocx)");
  if (!module) return wine_check::Finish();
  auto get_class_object = reinterpret_cast<GetClassObjectFn>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
  auto can_unload = reinterpret_cast<CanUnloadFn>(reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
  Check(get_class_object && can_unload, "the module exports DllGetClassObject and DllCanUnloadNow");
  if (!get_class_object || !can_unload) return wine_check::Finish();
  IClassFactory* wrong = nullptr;
  Check(get_class_object(IID_IDispatch, IID_IClassFactory, reinterpret_cast<void**>(&wrong)) ==
            CLASS_E_CLASSNOTAVAILABLE,
        "DllGetClassObject refuses other classes");
  Succeeded(get_class_object(CLSID_FolivanTab, IID_IClassFactory, reinterpret_cast<void**>(&g_factory)),
            "DllGetClassObject(CLSID_FolivanTab)");
  if (!g_factory) return wine_check::Finish();

  TestInterfaces();
  TestConnectionPoints();
  TestStream();
  TestInPlace();
  TestContainedControls();
  TestUnload(can_unload);

  OleUninitialize();
  return wine_check::Finish();
}
