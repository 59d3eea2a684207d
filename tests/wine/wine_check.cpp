#include "wine_check.h"

#include <windows.h>
#include <oleauto.h>

#include <cstdio>

namespace wine_check {

namespace {
int g_passed = 0;
int g_failed = 0;
}  // namespace

std::string Narrow(const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

std::string FromBstr(const wchar_t* bstr) { return bstr ? Narrow({bstr, SysStringLen(const_cast<BSTR>(bstr))}) : ""; }

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), w.data(), n);
  return w;
}

void Check(bool condition, const std::string& name, const std::string& detail) {
  if (condition) {
    ++g_passed;
    std::printf("ok - %s\n", name.c_str());
  } else {
    ++g_failed;
    std::printf("not ok - %s%s%s\n", name.c_str(), detail.empty() ? "" : ": ", detail.c_str());
  }
  std::fflush(stdout);
}

void EqualText(const std::wstring& actual, const std::wstring& expected, const std::string& name) {
  Check(actual == expected, name, "got \"" + Narrow(actual) + "\", expected \"" + Narrow(expected) + "\"");
}

void Succeeded(long hr, const std::string& name) {
  char text[32];
  std::snprintf(text, sizeof(text), "hr 0x%08lx", static_cast<unsigned long>(hr));
  Check(hr >= 0, name, text);
}

int Finish() {
  std::printf("RESULT %d %d\n", g_passed, g_failed);
  std::fflush(stdout);
  return g_failed == 0 ? 0 : 1;
}

}  // namespace wine_check
