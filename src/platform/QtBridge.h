#pragma once

// Private to the platform layer: the Qt objects behind the public classes.

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Menu.h"
#include "platform/Window.h"

class QButtonGroup;
class QMenu;
class QMenuBar;
class QPainter;

namespace platform {

inline QString ToQ(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::string ToStd(const QString& s) {
  const QByteArray bytes = s.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Widget coordinates and sizes are ints; the program's are 64-bit. Values beyond what a
// widget can hold are clamped instead of overflowing.
inline int ToInt(std::int64_t v) {
  constexpr std::int64_t kLimit = QWIDGETSIZE_MAX;
  return static_cast<int>(std::clamp<std::int64_t>(v, -kLimit, kLimit));
}

inline QColor ToQColor(Color c) {
  return QColor(c.r, c.g, c.b);
}

// Escapes '&' so that Qt shows it instead of taking it for a mnemonic marker.
inline QString PlainCaption(std::string_view text) {
  QString caption = ToQ(text);
  caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return caption;
}

// The font for a name and size as the program gives them: "System" (or empty) is the
// platform's standard font, a size of 0 its standard size; a family that is not
// installed falls back to an installed one of its kind (serif, sans-serif, monospace).
QFont ResolveFont(const std::string& name, double points);

// Draws with a painter during a paint event.
class QtPainterGraphics final : public Graphics {
 public:
  explicit QtPainterGraphics(QPainter& painter);
  ~QtPainterGraphics() override;

  void DrawString(const std::string& text, std::int64_t x, std::int64_t y) override;
  double StringWidth(const std::string& text) override;
  void DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) override;
  void SetForeColor(Color color) override;
  Color ForeColor() const override;
  void SetTextFont(const std::string& name) override;
  std::string TextFont() const override;
  void SetTextSize(double points) override;
  double TextSize() const override;

 private:
  const QFont& CurrentFont();

  QPainter& painter_;
  Color color_;
  std::string font_ = "System";
  double size_ = 0;
  std::unique_ptr<QFont> resolved_;
};

// The window's measuring context when no test supplies one: real font metrics, no painter.
std::unique_ptr<Graphics> MakeMeasuringGraphics();

// RunGuarded for a paint event. A modal message box must not open inside a paint event,
// and a page that fails to paint fails again at every repaint: the failure is reported
// after the event, and only the first of a run of failing paints.
bool RunGuardedPaint(const std::function<void()>& handler, bool& failing);

// Builds the Qt menus of a menu bar; each item's action runs its handler.
void BuildMenuBar(QMenuBar& bar, MenuBar* model);
// Brings the actions of the menus in line with their items (text, enabled, visible).
void SyncMenuBar(QMenuBar& bar);

class PageWidget final : public QWidget {
 public:
  PageWidget(Window::Impl& owner, QWidget* parent);
  void Detach() { owner_ = nullptr; }

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Window::Impl* owner_;
};

class FrameWidget final : public QWidget {
 public:
  explicit FrameWidget(Window::Impl& owner);
  void Detach() { owner_ = nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Window::Impl* owner_;
};

struct Window::Impl {
  explicit Impl(Window& window);
  ~Impl();

  // Every window object alive, so that a new application menu bar reaches them all.
  static std::vector<Impl*>& Live();

  int MenuBarHeight() const;
  // Places the menu bar and the page inside the frame.
  void LayoutChildren();
  // Resizes the frame, within the design limits as Qt applies them.
  void ResizeFrame(int width, int height);
  void ApplySizeLimits();
  void ApplyFlags();
  void ApplyPagePalette();
  // Gives each caption the room its text needs (see Label).
  void FitCaptions();
  // After any change of a control's place, size, text or font: fits the captions at once,
  // except while the window is being opened.
  void CaptionsChanged();
  void RebuildMenuBar();
  QButtonGroup& RadioGroup();

  void RunPaint(platform::Graphics& g, bool inPaintEvent);
  bool RunMouseDown(std::int64_t x, std::int64_t y);
  PushButton* DefaultButton() const;
  PushButton* CancelButton() const;
  RectControl* ControlForWidget(const QWidget* widget) const;

  Window& self;
  QPointer<FrameWidget> frame;
  PageWidget* page = nullptr;
  QMenuBar* menuBar = nullptr;
  QButtonGroup* radioGroup = nullptr;
  MenuBar* menuBarModel = nullptr;
  bool menuBarVisible = true;
  bool opened = false;
  bool open = false;
  bool visible = true;
  std::int64_t minWidth = 0;
  std::int64_t minHeight = 0;
  std::int64_t maxWidth = QWIDGETSIZE_MAX;
  std::int64_t maxHeight = QWIDGETSIZE_MAX;
  bool resizeable = true;
  bool closeButton = true;
  bool minimizeButton = true;
  bool maximizeButton = true;
  bool fullScreenButton = false;
  Color backColor{255, 255, 255};
  bool hasBackColor = false;
  std::int64_t refreshCount = 0;
  bool paintFailing = false;
  bool opening = false;  // inside Open: the captions are fitted once, at its end
  std::unique_ptr<platform::Graphics> measuring;
};

struct RectControl::Impl {
  explicit Impl(QWidget* w);
  ~Impl();

  QPointer<QWidget> widget;
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
  bool visible = true;
  std::string fontName = "System";
  double fontSize = 0;
  // A caption's text width, with the text and font it was measured in: measuring is the
  // costly part of fitting, so it is done again only when one of them has changed.
  QString measuredText;
  QFont measuredFont;
  std::int64_t measuredWidth = 0;
  std::int64_t measurements = 0;
};

struct Application::Impl {
  // Runs the handler bound to the item's name; a quit item without one quits.
  void Trigger(const MenuItem& item);

  std::unique_ptr<QObject> ownedApp;
  Application* previous = nullptr;  // in force again when this one goes
  MenuBar* menuBar = nullptr;
  std::map<std::string, std::function<bool()>, std::less<>> handlers;
};

// Leaves a Qt value alone once the application object is gone: Qt's font and widget
// machinery must not run after it (a window kept in a static outlives main).
template <class T>
void ReleaseIfNoApplication(std::unique_ptr<T>& value) {
  if (!QCoreApplication::instance())
    (void)value.release();
}

}  // namespace platform
