#include "platform/Graphics.h"

#include <algorithm>

#include "platform/Text.h"

namespace platform {

Color RGB(int r, int g, int b) {
  const auto channel = [](int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); };
  return Color{channel(r), channel(g), channel(b)};
}

RecordingGraphics::RecordingGraphics(double pixelsPerCharacter)
    : pixelsPerCharacter_(pixelsPerCharacter) {}

void RecordingGraphics::SetMetric(Metric metric) {
  metric_ = std::move(metric);
}

void RecordingGraphics::DrawString(const std::string& text, std::int64_t x, std::int64_t y) {
  Op op;
  op.kind = Op::Kind::String;
  op.text = text;
  op.x = x;
  op.y = y;
  op.color = color_;
  op.font = font_;
  op.size = size_;
  ops_.push_back(std::move(op));
}

double RecordingGraphics::StringWidth(const std::string& text) {
  if (metric_)
    return metric_(text, font_, size_);
  return pixelsPerCharacter_ * static_cast<double>(Len(text));
}

void RecordingGraphics::DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2,
                                 std::int64_t y2) {
  Op op;
  op.kind = Op::Kind::Line;
  op.x = x1;
  op.y = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.color = color_;
  op.font = font_;
  op.size = size_;
  ops_.push_back(std::move(op));
}

void RecordingGraphics::SetForeColor(Color color) {
  color_ = color;
}

Color RecordingGraphics::ForeColor() const {
  return color_;
}

void RecordingGraphics::SetTextFont(const std::string& name) {
  font_ = name;
}

std::string RecordingGraphics::TextFont() const {
  return font_;
}

void RecordingGraphics::SetTextSize(double points) {
  size_ = points;
}

double RecordingGraphics::TextSize() const {
  return size_;
}

std::vector<RecordingGraphics::Op> RecordingGraphics::Strings() const {
  std::vector<Op> strings;
  std::copy_if(ops_.begin(), ops_.end(), std::back_inserter(strings),
               [](const Op& op) { return op.kind == Op::Kind::String; });
  return strings;
}

}  // namespace platform
