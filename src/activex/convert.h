// Translation between the control's values and COM's: BSTR and UTF-8,
// VARIANT_BOOL and bool, VARIANT and Variant, StdFont and FontDesc.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>

#include "platform/variant.h"

namespace folivan::activex {

std::string FromBstr(BSTR text);
// A new BSTR (the caller owns it).
BSTR ToBstr(const std::string& text);
inline VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }
inline bool FromVariantBool(VARIANT_BOOL value) { return value != VARIANT_FALSE; }

// Fills an uninitialised (or cleared) VARIANT.
HRESULT ToVariant(const Variant& value, VARIANT* out);
// Any automation value the control can hold; by-reference values are read
// through. Throws VbError 13 for a type the control cannot hold.
Variant FromVariant(const VARIANT& value);
// The value coerced to the kind of `like` (the default of a bag entry).
Variant FromVariantLike(const VARIANT& value, const Variant& like);

FontDesc FromFont(IUnknown* font);
// A new StdFont (AddRef'ed), or nullptr.
IFontDisp* ToFont(const FontDesc& font);

}  // namespace folivan::activex
