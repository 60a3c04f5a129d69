#include "platform/Window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <cmath>

#include "platform/Application.h"
#include "platform/Internal.h"
#include "platform/Menu.h"
#include "platform/QtBridge.h"

namespace platform {

// ---- Qt widgets ------------------------------------------------------------------------

PageWidget::PageWidget(Window::Impl& owner, QWidget* parent) : QWidget(parent), owner_(&owner) {
  setFocusPolicy(Qt::NoFocus);
}

// The desktop's font changed: the captions that run on past their width need new room.
void PageWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (owner_ && event->type() == QEvent::FontChange)
    owner_->CaptionsChanged();
}

void PageWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (owner_ && owner_->hasBackColor)
    painter.fillRect(rect(), ToQColor(owner_->backColor));
  else
    painter.fillRect(rect(), palette().window());
  if (!owner_)
    return;
  QtPainterGraphics g(painter);
  owner_->RunPaint(g, true);
}

void PageWidget::mousePressEvent(QMouseEvent* event) {
  if (owner_ && event->button() == Qt::LeftButton) {
    const QPointF at = event->position();
    owner_->RunMouseDown(static_cast<std::int64_t>(std::floor(at.x())),
                         static_cast<std::int64_t>(std::floor(at.y())));
  }
  QWidget::mousePressEvent(event);
}

FrameWidget::FrameWidget(Window::Impl& owner) : QWidget(nullptr, Qt::Window), owner_(&owner) {}

void FrameWidget::closeEvent(QCloseEvent* event) {
  if (owner_)
    owner_->open = false;
  event->accept();
}

// Return and Enter press the default button from anywhere in the window: the text field,
// radio button or plain button that has the focus leaves these keys unhandled, so they
// arrive here. Escape presses only a cancel button.
void FrameWidget::keyPressEvent(QKeyEvent* event) {
  if (owner_ &&
      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    PushButton* button = nullptr;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
      button = owner_->DefaultButton();
    else if (event->key() == Qt::Key_Escape)
      button = owner_->CancelButton();
    if (button) {
      event->accept();
      button->Push();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

void FrameWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (owner_)
    owner_->LayoutChildren();
}

// ---- Window::Impl ----------------------------------------------------------------------

std::vector<Window::Impl*>& Window::Impl::Live() {
  static std::vector<Impl*> live;
  return live;
}

Window::Impl::Impl(Window& window) : self(window) {
  frame = new FrameWidget(*this);
  menuBar = new QMenuBar(frame);
  menuBar->setVisible(false);
  page = new PageWidget(*this, frame);
  const auto& factory = seams::Current().measuring;
  measuring = factory ? factory() : nullptr;
  if (!measuring)
    measuring = MakeMeasuringGraphics();
  Live().push_back(this);
  RebuildMenuBar();
  ResizeFrame(640, 480 + MenuBarHeight());
  ApplyFlags();
}

Window::Impl::~Impl() {
  auto& live = Live();
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
  if (!QCoreApplication::instance())
    return;  // Qt is gone; its widgets must not be touched any more
  if (frame) {
    frame->Detach();
    page->Detach();
    frame->hide();
    // Deleted once control is back in the event loop: this may run inside an event of
    // the window itself (a menu command that replaces a closed window, for instance).
    frame->deleteLater();
  }
}

int Window::Impl::MenuBarHeight() const {
  if (!menuBar || menuBar->isHidden() || menuBar->isNativeMenuBar())
    return 0;
  return menuBar->sizeHint().height();
}

void Window::Impl::LayoutChildren() {
  if (!frame)
    return;
  const int bar = MenuBarHeight();
  if (bar > 0)
    menuBar->setGeometry(0, 0, frame->width(), bar);
  page->setGeometry(0, bar, frame->width(), std::max(0, frame->height() - bar));
}

void Window::Impl::ResizeFrame(int width, int height) {
  if (!frame)
    return;
  // The design limits bound what the program sets, as Qt bounds a resize. A window the
  // user may not resize is held at the size it got, by limits equal to that size.
  const int bar = MenuBarHeight();
  const QSize lower(std::clamp(ToInt(minWidth), 0, QWIDGETSIZE_MAX),
                    std::clamp(ToInt(minHeight) + bar, 0, QWIDGETSIZE_MAX));
  const QSize upper(std::clamp(ToInt(maxWidth), 0, QWIDGETSIZE_MAX),
                    std::clamp(ToInt(maxHeight) + bar, 0, QWIDGETSIZE_MAX));
  const QSize target(std::max(lower.width(), std::min(upper.width(), std::max(width, 0))),
                     std::max(lower.height(), std::min(upper.height(), std::max(height, 0))));
  const QSize newMin = resizeable ? lower : target;
  const QSize newMax = resizeable ? upper : target;
  // Limits change only when they differ: each change is a round trip to the window system.
  if (frame->minimumSize() != newMin)
    frame->setMinimumSize(newMin.boundedTo(frame->maximumSize()));
  if (frame->maximumSize() != newMax)
    frame->setMaximumSize(newMax);
  if (frame->minimumSize() != newMin)
    frame->setMinimumSize(newMin);
  if (frame->size() != target)
    frame->resize(target);
  LayoutChildren();
}

void Window::Impl::ApplySizeLimits() {
  if (frame)
    ResizeFrame(frame->width(), frame->height());
}

void Window::Impl::ApplyFlags() {
  if (!frame)
    return;
  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (closeButton)
    flags |= Qt::WindowCloseButtonHint;
  if (minimizeButton)
    flags |= Qt::WindowMinimizeButtonHint;
  if (maximizeButton && resizeable)
    flags |= Qt::WindowMaximizeButtonHint;
  if (fullScreenButton)
    flags |= Qt::WindowFullscreenButtonHint;
  if (frame->windowFlags() == flags)
    return;
  const bool shown = frame->isVisible();
  frame->setWindowFlags(flags);
  if (shown)
    frame->show();
}

// The controls on a filled page take a palette made for that page rather than the
// desktop's: a dark desktop theme would otherwise give them light text on a light page.
// Buttons are a shade darker than the page, as in the standard light palette.
void Window::Impl::ApplyPagePalette() {
  if (!hasBackColor) {
    page->setPalette(QPalette());
    return;
  }
  const QColor back = ToQColor(backColor);
  page->setPalette(QPalette(back.darker(107), back));
}

namespace {

// The width of a caption's text in its font, measured again only when either has changed.
std::int64_t TextWidth(RectControl::Impl& c, const QLabel& label) {
  const QString text = label.text();
  if (c.measurements == 0 || c.measuredText != text || c.measuredFont != label.font()) {
    c.measuredText = text;
    c.measuredFont = label.font();
    c.measuredWidth =
        static_cast<std::int64_t>(std::ceil(QFontMetricsF(c.measuredFont).horizontalAdvance(text)));
    ++c.measurements;
  }
  return c.measuredWidth;
}

}  // namespace

// Every control counts as an obstacle, shown or hidden, so a caption never runs under a
// control that is shown later. Places are taken as the widgets hold them (clamped).
void Window::Impl::FitCaptions() {
  for (const auto& control : self.controls_) {
    auto* caption = dynamic_cast<Label*>(control.get());
    QLabel* label = caption ? qobject_cast<QLabel*>(caption->impl().widget.data()) : nullptr;
    if (!label)
      continue;
    RectControl::Impl& c = caption->impl();
    const std::int64_t left = ToInt(c.left);
    const std::int64_t top = ToInt(c.top);
    const std::int64_t bottom = top + std::max(0, ToInt(c.height));
    const QMargins margins = label->contentsMargins();
    std::int64_t room = TextWidth(c, *label) + margins.left() + margins.right();
    for (const auto& other : self.controls_) {
      auto* rect = dynamic_cast<RectControl*>(other.get());
      if (!rect || rect == caption)
        continue;
      const std::int64_t otherLeft = ToInt(rect->impl().left);
      const std::int64_t otherTop = ToInt(rect->impl().top);
      const std::int64_t otherBottom = otherTop + std::max(0, ToInt(rect->impl().height));
      if (otherLeft > left && otherTop < bottom && top < otherBottom)
        room = std::min(room, otherLeft - left);
    }
    const std::int64_t width = std::max<std::int64_t>(std::max(0, ToInt(c.width)), room);
    label->resize(ToInt(width), std::max(0, ToInt(c.height)));
  }
}

void Window::Impl::CaptionsChanged() {
  if (!opening)
    FitCaptions();
}

void Window::Impl::RebuildMenuBar() {
  if (!frame)
    return;
  MenuBar* model = menuBarModel;
  if (!model && Application::Instance())
    model = Application::Instance()->GetMenuBar();
  const QSize pageSize = page->size();
  BuildMenuBar(*menuBar, model);
  menuBar->setVisible(model && menuBarVisible && model->Count() > 0);
  // The page keeps its size; the window grows or shrinks by the menu bar.
  ResizeFrame(pageSize.width(), pageSize.height() + MenuBarHeight());
}

QButtonGroup& Window::Impl::RadioGroup() {
  if (!radioGroup) {
    radioGroup = new QButtonGroup(frame);
    radioGroup->setExclusive(true);
  }
  return *radioGroup;
}

void Window::Impl::RunPaint(platform::Graphics& g, bool inPaintEvent) {
  if (inPaintEvent)
    RunGuardedPaint([&] { self.Event_Paint(g); }, paintFailing);
  else
    RunGuarded([&] { self.Event_Paint(g); });
}

bool Window::Impl::RunMouseDown(std::int64_t x, std::int64_t y) {
  bool handled = false;
  RunGuarded([&] { handled = self.Event_MouseDown(x, y); });
  return handled;
}

namespace {

bool Pressable(const PushButton& button, const QWidget* frame) {
  const QWidget* w = button.impl().widget;
  return w && w->isEnabled() && w->isVisibleTo(frame);
}

}  // namespace

PushButton* Window::Impl::DefaultButton() const {
  for (const auto& control : self.controls_) {
    auto* button = dynamic_cast<PushButton*>(control.get());
    if (button && button->Default() && Pressable(*button, frame))
      return button;
  }
  return nullptr;
}

PushButton* Window::Impl::CancelButton() const {
  for (const auto& control : self.controls_) {
    auto* button = dynamic_cast<PushButton*>(control.get());
    if (button && button->Cancel() && Pressable(*button, frame))
      return button;
  }
  return nullptr;
}

RectControl* Window::Impl::ControlForWidget(const QWidget* widget) const {
  if (!widget)
    return nullptr;
  for (const auto& control : self.controls_) {
    auto* rect = dynamic_cast<RectControl*>(control.get());
    if (rect && rect->impl().widget == widget)
      return rect;
  }
  return nullptr;
}

// ---- Window ----------------------------------------------------------------------------

Window::Window() : impl_(std::make_unique<Impl>(*this)) {}

Window::~Window() {
  // The controls go first: their widgets live inside the window's frame.
  controls_.clear();
}

void Window::Open() {
  if (impl_->opened)
    return;
  impl_->opened = true;
  impl_->open = true;
  impl_->opening = true;
  // Each step is reported on its own, so a failure in one still lets the window open.
  RunGuarded([this] { Layout(); });
  RunGuarded([this] { CreateControls(); });
  RunGuarded([this] { Event_Open(); });
  impl_->opening = false;
  impl_->FitCaptions();  // once, for all that the three steps placed
  impl_->ApplyFlags();
  if (impl_->open && impl_->visible && impl_->frame) {
    impl_->frame->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
      impl_->frame->raise();  // the offscreen platform has no stacking order
    impl_->frame->activateWindow();
  }
}

void Window::Close() {
  if (!impl_->open)
    return;
  impl_->open = false;
  if (impl_->frame)
    impl_->frame->close();
}

bool Window::IsOpen() const {
  return impl_->open;
}

std::int64_t Window::Width() const {
  return impl_->page->width();
}

void Window::SetWidth(std::int64_t width) {
  impl_->ResizeFrame(ToInt(std::max<std::int64_t>(width, 0)), impl_->frame->height());
}

std::int64_t Window::Height() const {
  return impl_->page->height();
}

void Window::SetHeight(std::int64_t height) {
  // Clamped before the menu bar is added, so a huge height cannot overflow.
  const int page = ToInt(std::max<std::int64_t>(height, 0));
  impl_->ResizeFrame(impl_->frame->width(), page + impl_->MenuBarHeight());
}

std::int64_t Window::Left() const {
  return impl_->frame->x();
}

void Window::SetLeft(std::int64_t x) {
  impl_->frame->move(ToInt(x), impl_->frame->y());
}

std::int64_t Window::Top() const {
  return impl_->frame->y();
}

void Window::SetTop(std::int64_t y) {
  impl_->frame->move(impl_->frame->x(), ToInt(y));
}

std::string Window::Title() const {
  return ToStd(impl_->frame->windowTitle());
}

void Window::SetTitle(const std::string& title) {
  impl_->frame->setWindowTitle(ToQ(title));
}

void Window::SetMinWidth(std::int64_t v) {
  impl_->minWidth = v;
  impl_->ApplySizeLimits();
}

void Window::SetMinHeight(std::int64_t v) {
  impl_->minHeight = v;
  impl_->ApplySizeLimits();
}

void Window::SetMaxWidth(std::int64_t v) {
  impl_->maxWidth = v;
  impl_->ApplySizeLimits();
}

void Window::SetMaxHeight(std::int64_t v) {
  impl_->maxHeight = v;
  impl_->ApplySizeLimits();
}

void Window::SetResizeable(bool v) {
  impl_->resizeable = v;
  impl_->ApplySizeLimits();
  impl_->ApplyFlags();
}

void Window::SetCloseButton(bool v) {
  impl_->closeButton = v;
  impl_->ApplyFlags();
}

void Window::SetMinimizeButton(bool v) {
  impl_->minimizeButton = v;
  impl_->ApplyFlags();
}

void Window::SetMaximizeButton(bool v) {
  impl_->maximizeButton = v;
  impl_->ApplyFlags();
}

void Window::SetFullScreenButton(bool v) {
  impl_->fullScreenButton = v;
  impl_->ApplyFlags();
}

void Window::SetBackColor(Color color) {
  impl_->backColor = color;
  impl_->ApplyPagePalette();
  impl_->page->update();
}

void Window::SetHasBackColor(bool v) {
  impl_->hasBackColor = v;
  impl_->ApplyPagePalette();
  impl_->page->update();
}

void Window::SetVisible(bool v) {
  impl_->visible = v;
  if (impl_->opened && impl_->open && impl_->frame)
    impl_->frame->setVisible(v);
}

bool Window::Visible() const {
  return impl_->visible;
}

void Window::SetMenuBar(MenuBar* menuBar) {
  impl_->menuBarModel = menuBar;
  impl_->RebuildMenuBar();
}

MenuBar* Window::GetMenuBar() const {
  return impl_->menuBarModel;
}

void Window::SetMenuBarVisible(bool v) {
  impl_->menuBarVisible = v;
  impl_->RebuildMenuBar();
}

void Window::Refresh(bool eraseBackground) {
  (void)eraseBackground;  // every paint fills the whole page first
  ++impl_->refreshCount;
  impl_->page->update();
}

std::int64_t Window::RefreshCount() const {
  return impl_->refreshCount;
}

platform::Graphics& Window::Graphics() {
  return *impl_->measuring;
}

Control* Window::ControlByName(std::string_view name) const {
  for (const auto& control : controls_) {
    if (control->Name() == name)
      return control.get();
  }
  return nullptr;
}

Control* Window::ControlByNameIndex(std::string_view name, std::int64_t index) const {
  for (const auto& control : controls_) {
    if (control->Name() == name && control->Index() == index)
      return control.get();
  }
  return nullptr;
}

void Window::PaintTo(platform::Graphics& g) {
  impl_->RunPaint(g, false);
}

bool Window::MouseDown(std::int64_t x, std::int64_t y) {
  return impl_->RunMouseDown(x, y);
}

void Window::ControlAdded(RectControl& control) {
  if (auto* radio = dynamic_cast<RadioButton*>(&control)) {
    if (auto* button = qobject_cast<QAbstractButton*>(radio->impl().widget.data()))
      impl_->RadioGroup().addButton(button);
  }
  if (QWidget* w = control.impl().widget)
    w->setVisible(control.impl().visible);
  impl_->CaptionsChanged();
}

}  // namespace platform
