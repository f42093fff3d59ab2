#include "toolkit/text_box.h"

#include "toolkit/gbk.h"

namespace toolkit {

WindowStyles TextBoxStyles(const ControlTemplate& row, const TextBoxSettings& settings) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (row.tabStop) style |= WS_TABSTOP;
  if (row.disabled) style |= WS_DISABLED;
  const bool horizontal = settings.scrollBars == ScrollBars::Horizontal || settings.scrollBars == ScrollBars::Both;
  const bool vertical = settings.scrollBars == ScrollBars::Vertical || settings.scrollBars == ScrollBars::Both;
  if (horizontal) style |= WS_HSCROLL;
  if (vertical) style |= WS_VSCROLL;
  if (settings.multiLine) {
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    // A multi-line box wraps its lines unless it scrolls sideways.
    if (horizontal) style |= ES_AUTOHSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (settings.readOnly) style |= ES_READONLY;
  if (!settings.hideSelection) style |= ES_NOHIDESEL;
  return {style, WS_EX_CLIENTEDGE};
}

TextBox::TextBox(const ControlTemplate& row, const TextBoxSettings& settings, HWND hwnd)
    : Control(row, hwnd), settings_(settings), background_(CreateSolidBrush(settings.background)) {}

void TextBox::SetContent(std::string_view gbk) {
  Utf16FromGbk(gbk, utf16_);
  SetWindowTextW(hwnd(), utf16_.c_str());
  SendMessageW(hwnd(), EM_SETSEL, 0, 0);
  SendMessageW(hwnd(), EM_SCROLLCARET, 0, 0);
  // A multi-line EDIT sends no EN_CHANGE for WM_SETTEXT, so the box says it itself.
  Raise(kContentChanged);
}

void TextBox::WriteProperty(std::int32_t property, PropertyValue value) {
  if (property == kContent) SetContent(value.Text());
}

HBRUSH TextBox::OnParentColour(HDC dc) {
  SetTextColor(dc, settings_.textColour);
  SetBkColor(dc, settings_.background);
  return background_.get();
}

void TextBox::OnNotify(UINT code) {
  if (code == EN_SETFOCUS) Raise(kGotFocus);
  if (code == EN_KILLFOCUS) Raise(kLostFocus);
}

std::unique_ptr<Control> Create(const ControlTemplate& row, const TextBoxSettings& settings, HWND parent) {
  const WindowStyles styles = TextBoxStyles(row, settings);
  HWND hwnd = CreateWindowExW(styles.exStyle, L"EDIT", L"", styles.style, row.place.left, row.place.top,
                              row.place.width, row.place.height, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(row.id)), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return nullptr;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SendMessageW(hwnd, EM_LIMITTEXT, 0, 0);
  SendMessageW(hwnd, EM_SETSEL, 0, 0);
  SendMessageW(hwnd, EM_SCROLLCARET, 0, 0);
  return std::make_unique<TextBox>(row, settings, hwnd);
}

}  // namespace toolkit
