#include "platform/Controls.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

#include "platform/Application.h"
#include "platform/QtBridge.h"
#include "platform/Window.h"

namespace platform {
namespace {

QWidget* PageOf(Window& owner) {
  return owner.impl().page;
}

template <class W>
W* As(const RectControl& control) {
  return qobject_cast<W*>(control.impl().widget.data());
}

// Sets one colour of the widget's own palette; the roles it leaves alone still follow the
// page it stands on.
void SetRoleColor(QWidget& widget, QPalette::ColorRole role, Color color) {
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(color));
  widget.setPalette(palette);
}

// Gives a new widget its place and size, so that they read back before anything is set.
// A press on a control is the control's: one it leaves unhandled (a caption, the blank
// part of a radio button) must not reach the window's MouseDown as a click on the page.
std::unique_ptr<RectControl::Impl> Make(QWidget* widget, int width, int height) {
  auto impl = std::make_unique<RectControl::Impl>(widget);
  impl->width = width;
  impl->height = height;
  widget->setGeometry(0, 0, width, height);
  widget->setAttribute(Qt::WA_NoMousePropagation);
  return impl;
}

// Qt lets only the checked button of a group take the focus by Tab (the arrows move
// within the group). Here every radio button that is a tab stop stays one, in creation
// order with the other controls.
class TabStopRadioButton final : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

  void SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  }

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QRadioButton::focusInEvent(event);  // takes Tab away from the group's other buttons
    QButtonGroup* buttons = group();
    if (!buttons)
      return;
    for (QAbstractButton* button : buttons->buttons()) {
      if (auto* radio = dynamic_cast<TabStopRadioButton*>(button))
        radio->setFocusPolicy(radio->tabStop_ ? Qt::StrongFocus : Qt::ClickFocus);
    }
  }

 private:
  bool tabStop_ = true;
};

}  // namespace

// ---- Control ---------------------------------------------------------------------------

Control::Control(Window& owner, std::string name, std::int64_t index)
    : owner_(owner), name_(std::move(name)), index_(index) {}

Control::~Control() = default;

// ---- RectControl -----------------------------------------------------------------------

RectControl::Impl::Impl(QWidget* w) : widget(w) {}

RectControl::Impl::~Impl() {
  if (!widget || !QCoreApplication::instance())
    return;
  // The widget may be in the middle of one of its own events (an action that closes the
  // window): cut it off from the control now, delete it once the event is over.
  QObject::disconnect(widget, nullptr, nullptr, nullptr);
  if (auto* button = qobject_cast<QAbstractButton*>(widget.data())) {
    if (button->group())
      button->group()->removeButton(button);
  }
  widget->hide();
  widget->deleteLater();
}

RectControl::RectControl(Window& owner, std::string name, std::int64_t index,
                         std::unique_ptr<Impl> impl)
    : Control(owner, std::move(name), index), impl_(std::move(impl)) {}

RectControl::~RectControl() = default;

std::int64_t RectControl::Left() const {
  return impl_->left;
}

void RectControl::SetLeft(std::int64_t x) {
  impl_->left = x;
  impl_->widget->move(ToInt(x), ToInt(impl_->top));
  Owner().impl().CaptionsChanged();
}

std::int64_t RectControl::Top() const {
  return impl_->top;
}

void RectControl::SetTop(std::int64_t y) {
  impl_->top = y;
  impl_->widget->move(ToInt(impl_->left), ToInt(y));
  Owner().impl().CaptionsChanged();
}

std::int64_t RectControl::Width() const {
  return impl_->width;
}

void RectControl::SetWidth(std::int64_t width) {
  impl_->width = width;
  impl_->widget->resize(std::max(0, ToInt(width)), std::max(0, ToInt(impl_->height)));
  Owner().impl().CaptionsChanged();
}

std::int64_t RectControl::Height() const {
  return impl_->height;
}

void RectControl::SetHeight(std::int64_t height) {
  impl_->height = height;
  impl_->widget->resize(std::max(0, ToInt(impl_->width)), std::max(0, ToInt(height)));
  Owner().impl().CaptionsChanged();
}

bool RectControl::Visible() const {
  return impl_->visible;
}

void RectControl::SetVisible(bool visible) {
  impl_->visible = visible;
  impl_->widget->setVisible(visible);
}

bool RectControl::Enabled() const {
  return impl_->widget->isEnabled();
}

void RectControl::SetEnabled(bool enabled) {
  impl_->widget->setEnabled(enabled);
}

std::string RectControl::HelpTag() const {
  return ToStd(impl_->widget->toolTip());
}

void RectControl::SetHelpTag(const std::string& text) {
  impl_->widget->setToolTip(ToQ(text));
}

namespace {

void ApplyFont(RectControl::Impl& impl) {
  const QString name = ToQ(impl.fontName).trimmed().toLower();
  const bool standard = name.isEmpty() || name == QLatin1String("system");
  // The standard font is inherited, so the control follows the platform's font.
  impl.widget->setFont(
      standard && !(impl.fontSize > 0) ? QFont() : ResolveFont(impl.fontName, impl.fontSize));
}

}  // namespace

void RectControl::SetTextFont(const std::string& name) {
  impl_->fontName = name;
  ApplyFont(*impl_);
  Owner().impl().CaptionsChanged();
}

void RectControl::SetTextSize(double points) {
  impl_->fontSize = points;
  ApplyFont(*impl_);
  Owner().impl().CaptionsChanged();
}

void RectControl::SetTabStop(bool tabStop) {
  if (auto* radio = dynamic_cast<TabStopRadioButton*>(impl_->widget.data())) {
    radio->SetTabStop(tabStop);
    return;
  }
  if (impl_->widget->focusPolicy() == Qt::NoFocus)
    return;  // a control that never takes the focus stays so
  impl_->widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void RectControl::SetFocus() {
  impl_->widget->setFocus(Qt::OtherFocusReason);
}

bool RectControl::HasFocus() const {
  const QWidget* w = impl_->widget;
  return w && w->window()->focusWidget() == w;
}

// ---- TextField -------------------------------------------------------------------------

TextField::TextField(Window& owner, std::string name, std::int64_t index)
    : RectControl(owner, std::move(name), index, Make(new QLineEdit(PageOf(owner)), 80, 22)) {
  // A field has no length limit; Qt's default would cut a longer text at 32767 characters.
  As<QLineEdit>(*this)->setMaxLength(std::numeric_limits<int>::max());
}

std::string TextField::Text() const {
  return ToStd(As<QLineEdit>(*this)->text());
}

void TextField::SetText(const std::string& text) {
  As<QLineEdit>(*this)->setText(ToQ(text));
}

std::string TextField::Format() const {
  return format_;
}

void TextField::SetFormat(const std::string& picture) {
  format_ = picture;
}

void TextField::SetAlignment(std::int64_t alignment) {
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (alignment == 2)
    horizontal = Qt::AlignHCenter;
  else if (alignment == 3)
    horizontal = Qt::AlignRight;
  As<QLineEdit>(*this)->setAlignment(horizontal | Qt::AlignVCenter);
}

Color TextField::TextColor() const {
  return textColor_;
}

void TextField::SetTextColor(Color color) {
  textColor_ = color;
  SetRoleColor(*As<QLineEdit>(*this), QPalette::Text, color);
}

Color TextField::BackColor() const {
  return backColor_;
}

void TextField::SetBackColor(Color color) {
  backColor_ = color;
  SetRoleColor(*As<QLineEdit>(*this), QPalette::Base, color);
}

// ---- Label -----------------------------------------------------------------------------

namespace {

QLabel* MakeLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);  // captions such as "($)" are shown as written
  label->setTextInteractionFlags(Qt::NoTextInteraction);
  label->setFocusPolicy(Qt::NoFocus);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

}  // namespace

Label::Label(Window& owner, std::string name, std::int64_t index)
    : RectControl(owner, std::move(name), index, Make(MakeLabel(PageOf(owner)), 100, 20)) {}

std::string Label::Text() const {
  return ToStd(As<QLabel>(*this)->text());
}

void Label::SetText(const std::string& text) {
  As<QLabel>(*this)->setText(ToQ(text));
  Owner().impl().CaptionsChanged();
}

Color Label::TextColor() const {
  return textColor_;
}

void Label::SetTextColor(Color color) {
  textColor_ = color;
  SetRoleColor(*As<QLabel>(*this), QPalette::WindowText, color);
}

// ---- PushButton ------------------------------------------------------------------------

PushButton::PushButton(Window& owner, std::string name, std::int64_t index)
    : RectControl(owner, std::move(name), index, Make(new QPushButton(PageOf(owner)), 80, 20)) {
  auto* button = As<QPushButton>(*this);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, button, [this] {
    if (action_) {
      const auto action = action_;
      RunGuarded([&] { action(*this); });
    }
  });
}

std::string PushButton::Caption() const {
  QString caption = As<QPushButton>(*this)->text();
  caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
  return ToStd(caption);
}

void PushButton::SetCaption(const std::string& caption) {
  As<QPushButton>(*this)->setText(PlainCaption(caption));
}

bool PushButton::Default() const {
  return default_;
}

void PushButton::SetDefault(bool isDefault) {
  default_ = isDefault;
  As<QPushButton>(*this)->setDefault(isDefault);  // drawn as the default button
}

bool PushButton::Cancel() const {
  return cancel_;
}

void PushButton::SetCancel(bool isCancel) {
  cancel_ = isCancel;
}

void PushButton::SetAction(std::function<void(PushButton& sender)> action) {
  action_ = std::move(action);
}

void PushButton::Push() {
  As<QPushButton>(*this)->click();
}

// ---- RadioButton -----------------------------------------------------------------------

RadioButton::RadioButton(Window& owner, std::string name, std::int64_t index)
    : RectControl(owner, std::move(name), index,
                  Make(new TabStopRadioButton(PageOf(owner)), 100, 20)) {
  auto* button = As<QRadioButton>(*this);
  button->setAutoExclusive(false);  // the window's group makes them exclusive
  QObject::connect(button, &QRadioButton::clicked, button, [this] {
    if (action_) {
      const auto action = action_;
      RunGuarded([&] { action(*this); });
    }
  });
}

std::string RadioButton::Caption() const {
  QString caption = As<QRadioButton>(*this)->text();
  caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
  return ToStd(caption);
}

void RadioButton::SetCaption(const std::string& caption) {
  As<QRadioButton>(*this)->setText(PlainCaption(caption));
}

bool RadioButton::Value() const {
  return As<QRadioButton>(*this)->isChecked();
}

void RadioButton::SetValue(bool value) {
  auto* button = As<QRadioButton>(*this);
  if (value) {
    button->setChecked(true);  // the group clears the other button
    if (action_) {
      const auto action = action_;
      RunGuarded([&] { action(*this); });
    }
    return;
  }
  // An exclusive group refuses to clear its checked button; clearing is allowed here.
  QButtonGroup* group = button->group();
  const bool exclusive = group && group->exclusive();
  if (exclusive)
    group->setExclusive(false);
  button->setChecked(false);
  if (exclusive)
    group->setExclusive(true);
}

void RadioButton::SetAction(std::function<void(RadioButton& sender)> action) {
  action_ = std::move(action);
}

}  // namespace platform
