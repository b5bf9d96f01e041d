#include "window/tool_bar.h"

#include "core/failure.h"
#include "window/dpi.h"

namespace tarnpad {

ToolButtonBar::ToolButtonBar(HWND parent, int button_logical_width, int button_logical_height)
    : button_width_(button_logical_width), button_height_(button_logical_height) {
  Attach(CreateChild(TOOLBARCLASSNAMEW, parent,
                     TBSTYLE_FLAT | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN));
  SendMessageW(handle_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SetDpi(WindowDpi(parent));
}

UniqueImageList ToolButtonBar::DrawImages(int size) const {
  UniqueImageList images(ImageList_Create(size, size, ILC_COLOR32, 2, 2));
  if (!images) throw Failure(L"Cannot create the tool bar's pictures");
  for (const Glyph picture : pictures_) {
    const UniqueBitmap bitmap = CreateGlyphBitmap(picture, size);
    ImageList_Add(images.get(), bitmap.get(), nullptr);
  }
  return images;
}

void ToolButtonBar::SetDpi(int dpi) {
  const int size = GlyphSize(dpi);
  UniqueImageList images = DrawImages(size);
  SendMessageW(handle_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.get()));
  SendMessageW(handle_, TB_SETBUTTONSIZE, 0,
               MAKELPARAM(Scale(button_width_, dpi), Scale(button_height_, dpi)));
  // The bar shows the new pictures now; only then the old ones go.
  images_ = std::move(images);
  image_size_ = size;
  InvalidateRect(handle_, nullptr, TRUE);
}

void ToolButtonBar::AddButton(UINT id, Glyph picture, std::function<void()> on_click) {
  const UniqueBitmap bitmap = CreateGlyphBitmap(picture, image_size_);
  const int image = ImageList_Add(images_.get(), bitmap.get(), nullptr);
  pictures_.push_back(picture);
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
