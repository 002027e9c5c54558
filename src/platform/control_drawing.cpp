// Drawing into a picture box's persistent image.
#include "platform/forms.h"

#include <stdexcept>

namespace horalix::platform {

void Control::draw(DrawOp op) {
  drawing_.push_back(std::move(op));
  changed(Property::Drawing);
}

void Control::Cls() {
  drawing_.clear();
  CurrentX = 0;
  CurrentY = 0;
  DrawOp op;
  op.kind = DrawOp::Kind::Clear;
  op.color = backColor_;
  draw(std::move(op));
}

void Control::Print(const std::string& text) {
  DrawOp op;
  op.kind = DrawOp::Kind::Text;
  op.color = foreColor_;
  op.x = static_cast<float>(CurrentX);
  op.y = static_cast<float>(CurrentY);
  op.text = text;
  op.font = realisedFont();
  draw(std::move(op));
  CurrentX = 0;
  CurrentY += TextHeight(text);
}

int Control::TextWidth(const std::string& text) const {
  return owner_.host_.fonts().measure(font_, text).width;
}

int Control::TextHeight(const std::string& text) const {
  return owner_.host_.fonts().measure(font_, text).height;
}

namespace {

// A drawing operation over the rectangle (x, y, width, height) of a picture box.
DrawOp placedOp(DrawOp::Kind kind, float x, float y, float width, float height) {
  DrawOp op;
  op.kind = kind;
  op.x = x;
  op.y = y;
  op.width = width;
  op.height = height;
  return op;
}

}  // namespace

void Control::PaintPicture(const std::string& picture, float x, float y, float width, float height,
                           int naturalWidth, int naturalHeight) {
  PaintPicture(picture, x, y, width, height, 0, 0, static_cast<float>(naturalWidth),
               static_cast<float>(naturalHeight), naturalWidth, naturalHeight);
}

void Control::PaintPicture(const std::string& picture, float x, float y, float width, float height,
                           float srcX, float srcY, float srcWidth, float srcHeight,
                           int naturalWidth, int naturalHeight) {
  if (picture.empty()) throw std::invalid_argument("invalid picture");
  DrawOp op = placedOp(DrawOp::Kind::Picture, x, y, width, height);
  op.picture = picture;
  op.srcX = srcX;
  op.srcY = srcY;
  op.srcWidth = srcWidth;
  op.srcHeight = srcHeight;
  op.naturalWidth = naturalWidth;
  op.naturalHeight = naturalHeight;
  draw(std::move(op));
}

void Control::fillBox(float x, float y, float width, float height, std::uint32_t color) {
  DrawOp op = placedOp(DrawOp::Kind::Box, x, y, width, height);
  op.color = color;
  draw(std::move(op));
}

void Control::fillEllipse(float x, float y, float width, float height, std::uint32_t color) {
  DrawOp op = placedOp(DrawOp::Kind::Ellipse, x, y, width, height);
  op.color = color;
  draw(std::move(op));
}

}  // namespace horalix::platform
