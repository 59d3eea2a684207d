// Wine's user32 standard controls in the classic look (theme off, Tahoma 8),
// captured for tests/golden/gdi/classic_controls.png: a label, a text box, a
// command button, a check box, an option button, a frame, a list box, a
// drop-down combo box and a static with a client edge (a picture box), in the
// layout that tests/raster/classic_controls_test.cpp draws. Writes
// controls.ppm (P6) in the current directory and prints the system colours.
// Built by hand, run in the Wine prefix of scripts/wine-tests.sh:
//   x86_64-w64-mingw32-g++ -O1 -static -o controls.exe classic_controls_dump.cpp -lgdi32 -luser32
//   wine controls.exe   (then convert controls.ppm to PNG)
#include <windows.h>
#include <cstdio>
#include <initializer_list>

static HWND g_children[16]; static int g_count = 0;
static void Dump(HWND hwnd, const char* path, int w, int h) {
  HDC wdc = GetDC(hwnd);
  HDC mem = CreateCompatibleDC(wdc);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(wdc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  for (int i = 0; i < g_count; ++i) { RedrawWindow(g_children[i], nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW); }
  BitBlt(mem, 0, 0, w, h, wdc, 0, 0, SRCCOPY);
  FILE* f = fopen(path, "wb");
  fprintf(f, "P6\n%d %d\n255\n", w, h);
  const unsigned char* p = static_cast<const unsigned char*>(bits);
  for (int i = 0; i < w * h; ++i) { fputc(p[i*4+2], f); fputc(p[i*4+1], f); fputc(p[i*4], f); }
  fclose(f);
  SelectObject(mem, old);
}

int main() {
  HINSTANCE inst = GetModuleHandle(nullptr);
  HWND top = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr, inst, nullptr);
  HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, NONANTIALIASED_QUALITY, 0, "Tahoma");
  struct { DWORD ex; const char* cls; const char* text; DWORD style; int x, y, w, h; } c[] = {
    {0, "STATIC", "Name:", 0, 8, 8, 60, 13},
    {WS_EX_CLIENTEDGE, "EDIT", "abc", ES_LEFT | ES_AUTOHSCROLL, 80, 4, 100, 21},
    {0, "BUTTON", "OK", BS_PUSHBUTTON, 190, 3, 75, 23},
    {0, "BUTTON", "Check", BS_AUTOCHECKBOX, 8, 36, 80, 17},
    {0, "BUTTON", "Option", BS_AUTORADIOBUTTON, 100, 36, 80, 17},
    {0, "BUTTON", "Frame", BS_GROUPBOX, 8, 60, 120, 60},
    {WS_EX_CLIENTEDGE, "LISTBOX", "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 140, 60, 100, 60},
    {0, "COMBOBOX", "", CBS_DROPDOWNLIST, 8, 130, 120, 200},
    {WS_EX_CLIENTEDGE, "STATIC", "", 0, 140, 130, 60, 40},
  };
  HWND h[9];
  for (int i = 0; i < 9; ++i) {
    h[i] = CreateWindowExA(c[i].ex, c[i].cls, c[i].text, WS_CHILD | WS_VISIBLE | c[i].style, c[i].x, c[i].y, c[i].w, c[i].h, top, nullptr, inst, nullptr);
    SendMessageA(h[i], WM_SETFONT, (WPARAM)font, TRUE);
    g_children[g_count++] = h[i];
  }
  SendMessageA(h[3], BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(h[4], BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(h[6], LB_ADDSTRING, 0, (LPARAM)"First");
  SendMessageA(h[6], LB_ADDSTRING, 0, (LPARAM)"Second");
  SendMessageA(h[6], LB_SETCURSEL, 1, 0);
  SendMessageA(h[7], CB_ADDSTRING, 0, (LPARAM)"Entry");
  SendMessageA(h[7], CB_SETCURSEL, 0, 0);
  RECT r; GetWindowRect(h[7], &r);
  printf("combo %ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  UpdateWindow(top);
  MSG m; while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  Dump(top, "controls.ppm", 300, 200);
  for (int i : {5, 8, 13, 15, 16, 17, 18, 20, 21, 22}) printf("sys %d %06lx\n", i, GetSysColor(i));
  return 0;
}
