#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

Color RGB(int r, int g, int b);

// A drawing context. Settings (colour, font, size) stay until changed. Positions are
// whole pixels of the window's page; y of a text is its baseline.
class Graphics {
 public:
  virtual ~Graphics() = default;

  virtual void DrawString(const std::string& text, std::int64_t x, std::int64_t y) = 0;
  // Width of the whole text, blanks included, in the current font and size.
  virtual double StringWidth(const std::string& text) = 0;
  virtual void DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) = 0;

  virtual void SetForeColor(Color color) = 0;
  virtual Color ForeColor() const = 0;
  // Any name is accepted; a font that is not installed draws with the closest of its kind.
  virtual void SetTextFont(const std::string& name) = 0;
  virtual std::string TextFont() const = 0;
  virtual void SetTextSize(double points) = 0;
  virtual double TextSize() const = 0;
};

// A Graphics with fixed metrics that records what is drawn, so layout and painting can
// be checked to the pixel without a display. By default every character, blanks
// included, is pixelsPerCharacter wide, whatever the font and size.
class RecordingGraphics : public Graphics {
 public:
  struct Op {
    enum class Kind { String, Line };
    Kind kind = Kind::String;
    std::string text;             // String only
    std::int64_t x = 0, y = 0;    // String: start and baseline; Line: first end
    std::int64_t x2 = 0, y2 = 0;  // Line: second end
    Color color;
    std::string font;
    double size = 0;
  };

  explicit RecordingGraphics(double pixelsPerCharacter = 10.0);

  // Replaces the fixed metric, e.g. to give one text a fractional width.
  using Metric =
      std::function<double(const std::string& text, const std::string& font, double size)>;
  void SetMetric(Metric metric);

  void DrawString(const std::string& text, std::int64_t x, std::int64_t y) override;
  double StringWidth(const std::string& text) override;
  void DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) override;
  void SetForeColor(Color color) override;
  Color ForeColor() const override;
  void SetTextFont(const std::string& name) override;
  std::string TextFont() const override;
  void SetTextSize(double points) override;
  double TextSize() const override;

  const std::vector<Op>& Ops() const { return ops_; }
  // The drawn texts only, in order.
  std::vector<Op> Strings() const;
  void Clear() { ops_.clear(); }

 private:
  double pixelsPerCharacter_;
  Metric metric_;
  std::vector<Op> ops_;
  Color color_;
  std::string font_;
  double size_ = 0;
};

}  // namespace platform
