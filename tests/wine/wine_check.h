// A small check harness for the Windows test programs: each check prints
// "ok - name" or "not ok - name: detail"; Finish() prints "RESULT passed
// failed", which scripts/wine-tests.sh adds to its totals.
#pragma once

#include <string>

namespace wine_check {

void Check(bool condition, const std::string& name, const std::string& detail = {});
template <typename A, typename B>
void Equal(const A& actual, const B& expected, const std::string& name) {
  Check(actual == expected, name, "got " + std::to_string(actual) + ", expected " + std::to_string(expected));
}
// UTF-8 of UTF-16 text, of a BSTR (null: ""), and back.
std::string Narrow(const std::wstring& text);
std::string FromBstr(const wchar_t* bstr);
std::wstring Widen(const std::string& text);
void EqualText(const std::wstring& actual, const std::wstring& expected, const std::string& name);
void Succeeded(long hr, const std::string& name);
// Prints the totals; the process exit code.
int Finish();

}  // namespace wine_check
