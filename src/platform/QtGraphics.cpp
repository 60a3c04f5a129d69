#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>

#include <array>
#include <cmath>
#include <map>

#include "platform/QtBridge.h"
#include "platform/Text.h"

namespace platform {
namespace {

enum class FontKind { Serif, SansSerif, Monospace };

FontKind KindOf(const QString& lowerName) {
  static const std::array<const char*, 16> serif = {"times",
                                                    "times new roman",
                                                    "roman",
                                                    "palatino",
                                                    "palatino linotype",
                                                    "georgia",
                                                    "new york",
                                                    "serif",
                                                    "book antiqua",
                                                    "century schoolbook",
                                                    "garamond",
                                                    "baskerville",
                                                    "bookman",
                                                    "cambria",
                                                    "tms rmn",
                                                    "new century schoolbook"};
  static const std::array<const char*, 9> mono = {"courier",        "courier new", "monaco",
                                                  "menlo",          "monospace",   "consolas",
                                                  "lucida console", "fixed",       "andale mono"};
  for (const char* name : serif) {
    if (lowerName == QLatin1String(name))
      return FontKind::Serif;
  }
  for (const char* name : mono) {
    if (lowerName == QLatin1String(name))
      return FontKind::Monospace;
  }
  return FontKind::SansSerif;
}

bool IsStandardFontName(const QString& lowerName) {
  return lowerName.isEmpty() || lowerName == QLatin1String("system") ||
         lowerName == QLatin1String("smallsystem");
}

// The installed family for a name: the family itself when installed (in its installed
// spelling), else the first installed family of its kind, else the generic name of its
// kind for the font system to substitute.
QString ResolveFamily(const QString& name) {
  static std::map<QString, QString> cache;
  const auto cached = cache.find(name);
  if (cached != cache.end())
    return cached->second;

  const QStringList installed = QFontDatabase::families();
  const auto findInstalled = [&installed](const QString& family) -> QString {
    for (const QString& candidate : installed) {
      if (candidate.compare(family, Qt::CaseInsensitive) == 0)
        return candidate;
    }
    return {};
  };

  QString family = findInstalled(name);
  if (family.isEmpty()) {
    static const std::array<const char*, 7> serif = {
        "Liberation Serif", "DejaVu Serif", "Times New Roman", "Times",
        "Noto Serif",       "Nimbus Roman", "FreeSerif"};
    static const std::array<const char*, 7> sans = {"Liberation Sans", "DejaVu Sans", "Arial",
                                                    "Helvetica",       "Noto Sans",   "Nimbus Sans",
                                                    "FreeSans"};
    static const std::array<const char*, 7> mono = {
        "Liberation Mono", "DejaVu Sans Mono", "Courier New", "Courier",
        "Noto Mono",       "Nimbus Mono PS",   "FreeMono"};
    const FontKind kind = KindOf(name.toLower());
    const auto pick = [&](const auto& candidates, const char* generic) {
      for (const char* candidate : candidates) {
        QString found = findInstalled(QLatin1String(candidate));
        if (!found.isEmpty())
          return found;
      }
      return QString::fromLatin1(generic);
    };
    switch (kind) {
      case FontKind::Serif:
        family = pick(serif, "serif");
        break;
      case FontKind::Monospace:
        family = pick(mono, "monospace");
        break;
      case FontKind::SansSerif:
        family = pick(sans, "sans-serif");
        break;
    }
  }
  cache.emplace(name, family);
  return family;
}

QFont::StyleHint HintOf(const QString& name) {
  switch (KindOf(name.toLower())) {
    case FontKind::Serif:
      return QFont::Serif;
    case FontKind::Monospace:
      return QFont::Monospace;
    case FontKind::SansSerif:
      break;
  }
  return QFont::SansSerif;
}

// A point of text is one pixel of the page, as on the desktops the page layout was drawn
// for: rows of 12-point text stand 14 pixels apart and must not overlap. The standard size
// for 0, negative or NaN; at most a size that still fits a window.
void ApplySize(QFont& font, double points) {
  if (!(points > 0))
    return;
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(std::min(points, 1000.0)))));
}

// Whole pixels as the painter takes them; far-off values are pulled in instead of overflowing.
qreal ToCoordinate(std::int64_t v) {
  return static_cast<qreal>(std::clamp<std::int64_t>(v, -(1 << 24), 1 << 24));
}

class QtMeasuringGraphics final : public Graphics {
 public:
  ~QtMeasuringGraphics() override { ReleaseIfNoApplication(resolved_); }

  void DrawString(const std::string&, std::int64_t, std::int64_t) override {}
  double StringWidth(const std::string& text) override {
    return QFontMetricsF(CurrentFont()).horizontalAdvance(ToQ(text));
  }
  void DrawLine(std::int64_t, std::int64_t, std::int64_t, std::int64_t) override {}
  void SetForeColor(Color color) override { color_ = color; }
  Color ForeColor() const override { return color_; }
  void SetTextFont(const std::string& name) override {
    font_ = name;
    resolved_.reset();
  }
  std::string TextFont() const override { return font_; }
  void SetTextSize(double points) override {
    size_ = points;
    resolved_.reset();
  }
  double TextSize() const override { return size_; }

 private:
  const QFont& CurrentFont() {
    if (!resolved_)
      resolved_ = std::make_unique<QFont>(ResolveFont(font_, size_));
    return *resolved_;
  }

  Color color_;
  std::string font_ = "System";
  double size_ = 0;
  std::unique_ptr<QFont> resolved_;
};

}  // namespace

QFont ResolveFont(const std::string& name, double points) {
  QFont font = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                   ? QGuiApplication::font()
                   : QFont();
  const QString requested = ToQ(name).trimmed();
  if (!IsStandardFontName(requested.toLower())) {
    font.setFamily(ResolveFamily(requested));
    font.setStyleHint(HintOf(requested));
  }
  ApplySize(font, points);
  return font;
}

QtPainterGraphics::QtPainterGraphics(QPainter& painter) : painter_(painter) {}

QtPainterGraphics::~QtPainterGraphics() {
  ReleaseIfNoApplication(resolved_);
}

const QFont& QtPainterGraphics::CurrentFont() {
  if (!resolved_)
    resolved_ = std::make_unique<QFont>(ResolveFont(font_, size_));
  return *resolved_;
}

void QtPainterGraphics::DrawString(const std::string& text, std::int64_t x, std::int64_t y) {
  painter_.setPen(ToQColor(color_));
  painter_.setFont(CurrentFont());
  painter_.drawText(QPointF(ToCoordinate(x), ToCoordinate(y)), ToQ(text));
}

double QtPainterGraphics::StringWidth(const std::string& text) {
  return QFontMetricsF(CurrentFont(), painter_.device()).horizontalAdvance(ToQ(text));
}

void QtPainterGraphics::DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2,
                                 std::int64_t y2) {
  QPen pen(ToQColor(color_));
  pen.setWidth(1);
  pen.setCapStyle(Qt::SquareCap);
  painter_.setPen(pen);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.drawLine(QPointF(ToCoordinate(x1), ToCoordinate(y1)),
                    QPointF(ToCoordinate(x2), ToCoordinate(y2)));
}

void QtPainterGraphics::SetForeColor(Color color) {
  color_ = color;
}

Color QtPainterGraphics::ForeColor() const {
  return color_;
}

void QtPainterGraphics::SetTextFont(const std::string& name) {
  font_ = name;
  resolved_.reset();
}

std::string QtPainterGraphics::TextFont() const {
  return font_;
}

void QtPainterGraphics::SetTextSize(double points) {
  size_ = points;
  resolved_.reset();
}

double QtPainterGraphics::TextSize() const {
  return size_;
}

std::unique_ptr<Graphics> MakeMeasuringGraphics() {
  return std::make_unique<QtMeasuringGraphics>();
}

}  // namespace platform
