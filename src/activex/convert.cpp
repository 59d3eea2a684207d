#include "activex/convert.h"

#include <cmath>

#include "activex/object_dispatch.h"
#include "platform/vb_runtime.h"
#include "platform/win32/com_picture.h"
#include "platform/win32/win32_surface.h"

namespace folivan::activex {

std::string FromBstr(BSTR text) {
  if (!text) return {};
  return win32::Narrow(std::wstring_view(text, SysStringLen(text)));
}

BSTR ToBstr(const std::string& text) {
  std::wstring wide = win32::Widen(text);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

HRESULT ToVariant(const Variant& value, VARIANT* out) {
  VariantInit(out);
  if (value.Is<VbBool>()) {
    V_VT(out) = VT_BOOL;
    V_BOOL(out) = ToVariantBool(value.As<VbBool>().value);
  } else if (value.Is<int16_t>()) {
    V_VT(out) = VT_I2;
    V_I2(out) = value.As<int16_t>();
  } else if (value.Is<int32_t>()) {
    V_VT(out) = VT_I4;
    V_I4(out) = value.As<int32_t>();
  } else if (value.Is<double>()) {
    V_VT(out) = VT_R8;
    V_R8(out) = value.As<double>();
  } else if (value.Is<std::string>()) {
    V_VT(out) = VT_BSTR;
    V_BSTR(out) = ToBstr(value.As<std::string>());
    if (!V_BSTR(out)) return E_OUTOFMEMORY;
  } else if (value.Is<FontDesc>()) {
    V_VT(out) = VT_DISPATCH;
    V_DISPATCH(out) = ToFont(value.As<FontDesc>());
  } else if (value.Is<PicturePtr>()) {
    V_VT(out) = VT_DISPATCH;
    V_DISPATCH(out) = win32::DispatchFromPicture(value.As<PicturePtr>());
  } else if (value.Is<ObjectPtr>()) {
    V_VT(out) = VT_DISPATCH;
    V_DISPATCH(out) = DispatchFor(value.As<ObjectPtr>());
  }
  return S_OK;
}

Variant FromVariant(const VARIANT& in) {
  // A VARIANT by reference to another is read through; a NULL reference holds no value.
  const VARIANT* source = &in;
  for (int depth = 0; V_VT(source) == (VT_BYREF | VT_VARIANT); ++depth) {
    if (!V_VARIANTREF(source) || depth == 2) throw vberr::TypeMismatch();
    source = V_VARIANTREF(source);
  }
  if (V_ISBYREF(source) && !V_BYREF(source)) throw vberr::TypeMismatch();
  VARIANT value;
  VariantInit(&value);
  if (FAILED(VariantCopyInd(&value, const_cast<VARIANT*>(source)))) throw vberr::TypeMismatch();
  Variant result;
  switch (V_VT(&value)) {
    case VT_EMPTY:
      break;
    case VT_BOOL:
      result = Variant::Bool(V_BOOL(&value) != VARIANT_FALSE);
      break;
    case VT_I2:
      result = Variant(static_cast<int16_t>(V_I2(&value)));
      break;
    case VT_UI1:
      result = Variant(static_cast<int16_t>(V_UI1(&value)));
      break;
    case VT_I4:
      result = Variant(static_cast<int32_t>(V_I4(&value)));
      break;
    case VT_R4:
      result = Variant(static_cast<double>(V_R4(&value)));
      break;
    case VT_R8:
      result = Variant(V_R8(&value));
      break;
    case VT_BSTR:
      result = Variant(FromBstr(V_BSTR(&value)));
      break;
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      IUnknown* unknown = V_UNKNOWN(&value);
      IFont* font = nullptr;
      if (unknown && SUCCEEDED(unknown->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font)))) {
        font->Release();
        result = Variant(FromFont(unknown));
        break;
      }
      IDispatch* dispatch = nullptr;
      if (unknown && SUCCEEDED(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) {
        PicturePtr picture = win32::PictureFromDispatch(dispatch);
        if (picture) {
          dispatch->Release();
          result = Variant(picture);
          break;
        }
        // Any other object of the host: a control, a form, a collection.
        result = Variant(ObjectPtr(std::make_shared<DispatchObject>(dispatch)));
        dispatch->Release();
        break;
      }
      result = Variant(PicturePtr{});
      break;
    }
    default: {
      // Other numbers (currency, dates, 64-bit, unsigned) travel as doubles.
      VARIANT number;
      VariantInit(&number);
      if (FAILED(VariantChangeType(&number, &value, 0, VT_R8))) {
        VariantClear(&value);
        throw vberr::TypeMismatch();
      }
      result = Variant(V_R8(&number));
      break;
    }
  }
  VariantClear(&value);
  return result;
}

Variant FromVariantLike(const VARIANT& value, const Variant& like) {
  VARTYPE target = VT_EMPTY;
  if (like.Is<VbBool>()) target = VT_BOOL;
  else if (like.Is<int16_t>()) target = VT_I2;
  else if (like.Is<int32_t>()) target = VT_I4;
  else if (like.Is<double>()) target = VT_R8;
  else if (like.Is<std::string>()) target = VT_BSTR;
  if (target == VT_EMPTY) return FromVariant(value);
  if (V_ISBYREF(&value) && !V_BYREF(&value)) throw vberr::TypeMismatch();
  VARIANT coerced;
  VariantInit(&coerced);
  if (FAILED(VariantChangeType(&coerced, const_cast<VARIANT*>(&value), 0, target))) throw vberr::TypeMismatch();
  Variant result = FromVariant(coerced);
  VariantClear(&coerced);
  return result;
}

FontDesc FromFont(IUnknown* unknown) {
  FontDesc desc;
  IFont* font = nullptr;
  if (!unknown || FAILED(unknown->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font)))) return desc;
  BSTR name = nullptr;
  if (SUCCEEDED(font->get_Name(&name))) desc.name = FromBstr(name);
  SysFreeString(name);
  CY size{};
  if (SUCCEEDED(font->get_Size(&size))) desc.size = static_cast<double>(size.int64) / 10000.0;
  BOOL flag = FALSE;
  if (SUCCEEDED(font->get_Bold(&flag))) desc.bold = flag != FALSE;
  if (SUCCEEDED(font->get_Italic(&flag))) desc.italic = flag != FALSE;
  if (SUCCEEDED(font->get_Underline(&flag))) desc.underline = flag != FALSE;
  if (SUCCEEDED(font->get_Strikethrough(&flag))) desc.strikethrough = flag != FALSE;
  SHORT charset = 0;
  if (SUCCEEDED(font->get_Charset(&charset))) desc.charset = charset;
  font->Release();
  return desc;
}

IFontDisp* ToFont(const FontDesc& desc) {
  std::wstring name = win32::Widen(desc.name);
  FONTDESC fd{};
  fd.cbSizeofstruct = sizeof(fd);
  fd.lpstrName = name.data();
  fd.cySize.int64 = std::llround(desc.size * 10000.0);
  fd.sWeight = static_cast<SHORT>(desc.bold ? FW_BOLD : FW_NORMAL);
  fd.sCharset = desc.charset;
  fd.fItalic = desc.italic;
  fd.fUnderline = desc.underline;
  fd.fStrikethrough = desc.strikethrough;
  IFontDisp* font = nullptr;
  if (FAILED(OleCreateFontIndirect(&fd, IID_IFontDisp, reinterpret_cast<void**>(&font)))) return nullptr;
  return font;
}

}  // namespace folivan::activex
