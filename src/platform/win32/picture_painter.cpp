#include "platform/win32/picture_painter.h"

#include <cmath>

#include "platform/win32/font_cache.h"
#include "platform/win32/wide_text.h"

namespace horalix::win32 {

using platform::DrawOp;

namespace {

int pixels(float twips, int twipsPerPixel) {
  return static_cast<int>(std::lround(twips / static_cast<float>(twipsPerPixel)));
}

void fill(HDC dc, SIZE size, std::uint32_t color) {
  HBRUSH brush = CreateSolidBrush(toColorRef(color));
  RECT all{0, 0, size.cx, size.cy};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
}

// Copies (part of) a bitmap, stretched, into a rectangle of the box.
void blit(HDC dc, const LoadedPicture& picture, int x, int y, int width, int height, int srcX,
          int srcY, int srcWidth, int srcHeight) {
  if (picture.bitmap == nullptr || width == 0 || height == 0) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, picture.bitmap);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, x, y, width, height, source, srcX, srcY, srcWidth, srcHeight, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

// A colour with the box's own picture over it, unscaled at the top left corner: what the box
// shows before anything is drawn, and again after each clear.
void paintBackground(HDC dc, SIZE size, std::uint32_t color, const platform::Control& box,
                     PictureCache& pictures) {
  fill(dc, size, color);
  if (box.Picture().empty()) return;
  const LoadedPicture picture = pictures.get(box.Picture());
  blit(dc, picture, 0, 0, picture.width, picture.height, 0, 0, picture.width, picture.height);
}

void paintPicture(HDC dc, const DrawOp& op, const ScreenUnits& units, PictureCache& pictures) {
  const LoadedPicture picture = pictures.get(op.picture);
  if (picture.bitmap == nullptr) return;
  // The section is in twips of the picture at its natural size; the bitmap may have another
  // resolution than the one the program measured it with.
  const float perTwipX = op.naturalWidth > 0 ? static_cast<float>(picture.width) / op.naturalWidth
                                             : 1.0f / static_cast<float>(units.twipsPerPixelX);
  const float perTwipY = op.naturalHeight > 0
                             ? static_cast<float>(picture.height) / op.naturalHeight
                             : 1.0f / static_cast<float>(units.twipsPerPixelY);
  blit(dc, picture, pixels(op.x, units.twipsPerPixelX), pixels(op.y, units.twipsPerPixelY),
       pixels(op.width, units.twipsPerPixelX), pixels(op.height, units.twipsPerPixelY),
       static_cast<int>(std::lround(op.srcX * perTwipX)),
       static_cast<int>(std::lround(op.srcY * perTwipY)),
       static_cast<int>(std::lround(op.srcWidth * perTwipX)),
       static_cast<int>(std::lround(op.srcHeight * perTwipY)));
}

void paintText(HDC dc, SIZE size, const DrawOp& op, const ScreenUnits& units) {
  HGDIOBJ old = SelectObject(dc, FontCache::shared().get(op.font).font);
  SetTextColor(dc, toColorRef(op.color));
  // The box's image shows through around the letters.
  SetBkMode(dc, TRANSPARENT);
  std::wstring text = toWide(op.text);
  RECT area{pixels(op.x, units.twipsPerPixelX), pixels(op.y, units.twipsPerPixelY), size.cx * 4,
            size.cy * 4};
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area, DT_NOCLIP | DT_NOPREFIX);
  SelectObject(dc, old);
}

// A rectangle, or the ellipse inside it, filled with the shape's colour and without an outline.
void paintShape(HDC dc, const DrawOp& op, const ScreenUnits& units) {
  const int left = pixels(op.x, units.twipsPerPixelX);
  const int top = pixels(op.y, units.twipsPerPixelY);
  const int right = pixels(op.x + op.width, units.twipsPerPixelX);
  const int bottom = pixels(op.y + op.height, units.twipsPerPixelY);
  if (right <= left || bottom <= top) return;
  HBRUSH brush = CreateSolidBrush(toColorRef(op.color));
  if (op.kind == DrawOp::Kind::Box) {
    RECT area{left, top, right, bottom};
    FillRect(dc, &area, brush);
  } else {
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    // Without a pen the ellipse fills one pixel less to the right and below.
    Ellipse(dc, left, top, right + 1, bottom + 1);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
  }
  DeleteObject(brush);
}

}  // namespace

void paintPictureBox(HDC dc, SIZE size, const platform::Control& box, const ScreenUnits& units,
                     PictureCache& pictures) {
  paintBackground(dc, size, box.BackColor(), box, pictures);
  for (const DrawOp& op : box.drawing()) {
    switch (op.kind) {
      case DrawOp::Kind::Clear:
        paintBackground(dc, size, op.color, box, pictures);
        break;
      case DrawOp::Kind::Picture:
        paintPicture(dc, op, units, pictures);
        break;
      case DrawOp::Kind::Text:
        paintText(dc, size, op, units);
        break;
      case DrawOp::Kind::Box:
      case DrawOp::Kind::Ellipse:
        paintShape(dc, op, units);
        break;
    }
  }
}

}  // namespace horalix::win32
