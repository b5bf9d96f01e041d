#include "window/tool_bar.h"

#include <commctrl.h>

#include "window/dpi.h"
#include "window/glyphs_win.h"

namespace tarnpad {

ToolButtonBar::ToolButtonBar(HWND parent, int button_logical_width, int button_logical_height) {
  Attach(CreateChild(TOOLBARCLASSNAMEW, parent,
                     TBSTYLE_FLAT | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN));
  SendMessageW(handle_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  const int dpi = WindowDpi(parent);
  image_size_ = GlyphSize(dpi);
  images_ = ImageList_Create(image_size_, image_size_, ILC_COLOR32, 2, 2);
  SendMessageW(handle_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
  SendMessageW(handle_, TB_SETBUTTONSIZE, 0,
               MAKELPARAM(Scale(button_logical_width, dpi), Scale(button_logical_height, dpi)));
}

ToolButtonBar::~ToolButtonBar() {
  // The tool bar does not own the image list it was given.
  if (images_) ImageList_Destroy(images_);
}

void ToolButtonBar::AddButton(UINT id, HBITMAP picture, std::function<void()> on_click) {
  const int image = ImageList_Add(images_, picture, nullptr);
  TBBUTTON button{};
  button.iBitmap = image;
  button.idCommand = static_cast<int>(id);
  button.fsState = TBSTATE_ENABLED;
  button.fsStyle = BTNS_BUTTON;
  SendMessageW(handle_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  clicks_[id] = std::move(on_click);
}

void ToolButtonBar::AddSeparator(int logical_width) {
  TBBUTTON separator{};
  separator.iBitmap = Scale(logical_width, WindowDpi(handle_));
  separator.fsStyle = BTNS_SEP;
  SendMessageW(handle_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&separator));
}

void ToolButtonBar::OnCommand(WORD, WORD id) {
  auto click = clicks_.find(id);
  if (click != clicks_.end() && click->second) click->second();
}

}  // namespace tarnpad
