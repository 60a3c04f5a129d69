#include "platform/TestDriver.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>

#include "platform/QtBridge.h"

namespace platform::testdriver {
namespace {

QWidget* FocusTarget(Window& window) {
  QWidget* frame = window.impl().frame;
  QWidget* focused = QApplication::focusWidget();
  if (focused && focused->window() == frame)
    return focused;
  if (QWidget* last = frame->focusWidget())
    return last;
  return frame;
}

Qt::Key ToQtKey(Key key) {
  switch (key) {
    case Key::Return:
      return Qt::Key_Return;
    case Key::Enter:
      return Qt::Key_Enter;
    case Key::Escape:
      return Qt::Key_Escape;
    case Key::Tab:
      return Qt::Key_Tab;
  }
  return Qt::Key_unknown;
}

}  // namespace

void Activate(Window& window) {
  QWidget* frame = window.impl().frame;
  frame->show();
  if (QGuiApplication::platformName() != QLatin1String("offscreen"))
    frame->raise();
  frame->activateWindow();
  if (!QTest::qWaitForWindowActive(frame, 2000))
    QApplication::setActiveWindow(frame);
  if (QWidget* focused = frame->focusWidget())
    focused->setFocus(Qt::ActiveWindowFocusReason);
}

void PressKey(Window& window, Key key) {
  QTest::keyClick(FocusTarget(window), ToQtKey(key));
}

void TypeText(TextField& field, const std::string& text) {
  QWidget* widget = field.impl().widget;
  if (!widget)
    return;
  const QString characters = ToQ(text);
  for (qsizetype i = 0; i < characters.size(); ++i) {
    const QChar c = characters.at(i);
    if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
      QTest::keyClick(widget, static_cast<char>(c.unicode()));
      continue;
    }
    // Beyond ASCII there is no key to press; the character arrives as typed text, as
    // an input method would deliver it. A surrogate pair goes as one character.
    QString typed(c);
    if (c.isHighSurrogate() && i + 1 < characters.size())
      typed += characters.at(++i);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, typed);
    QApplication::sendEvent(widget, &release);
  }
}

void Click(RectControl& control) {
  QWidget* widget = control.impl().widget;
  if (!widget)
    return;
  QPoint at = widget->rect().center();
  if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
    // The indicator is always inside the button's clickable area, whatever its caption.
    QStyleOptionButton option;
    option.initFrom(radio);
    at = radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio).center();
  }
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

void ClickAt(Window& window, int x, int y) {
  QWidget* page = window.impl().page;
  const QPoint at(x, y);
  QWidget* target = page->childAt(at);
  if (!target)
    target = page;
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(page, at));
}

RectControl* FocusedControl(Window& window) {
  QWidget* frame = window.impl().frame;
  return window.impl().ControlForWidget(frame->focusWidget());
}

bool SaveScreenshot(Window& window, const std::string& path) {
  QWidget* frame = window.impl().frame;
  return frame->grab().save(ToQ(path), "PNG");
}

PageImage GrabPage(Window& window) {
  QWidget* page = window.impl().page;
  const QImage image = page->grab().toImage();
  const qreal ratio = image.devicePixelRatio();
  PageImage result;
  result.width = page->width();
  result.height = page->height();
  result.pixels.reserve(static_cast<std::size_t>(result.width) *
                        static_cast<std::size_t>(std::max(result.height, 0)));
  for (int y = 0; y < result.height; ++y) {
    for (int x = 0; x < result.width; ++x) {
      const QPoint at(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
      const QColor c = image.rect().contains(at) ? image.pixelColor(at) : QColor(Qt::black);
      result.pixels.push_back(RGB(c.red(), c.green(), c.blue()));
    }
  }
  return result;
}

Color PixelAt(Window& window, int x, int y) {
  QWidget* page = window.impl().page;
  const QImage image = page->grab().toImage();
  const qreal ratio = image.devicePixelRatio();
  const QPoint at(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
  if (!image.rect().contains(at))
    return Color{};
  const QColor c = image.pixelColor(at);
  return RGB(c.red(), c.green(), c.blue());
}

struct DarkDesktopPalette::Saved {
  QPalette palette;
};

DarkDesktopPalette::DarkDesktopPalette()
    : saved_(std::make_unique<Saved>(Saved{QApplication::palette()})) {
  QPalette dark;
  const QColor window(53, 53, 53);
  const QColor light(230, 230, 230);
  dark.setColor(QPalette::Window, window);
  dark.setColor(QPalette::WindowText, light);
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::AlternateBase, window);
  dark.setColor(QPalette::Text, light);
  dark.setColor(QPalette::Button, window);
  dark.setColor(QPalette::ButtonText, light);
  dark.setColor(QPalette::BrightText, Qt::white);
  QApplication::setPalette(dark);
}

DarkDesktopPalette::~DarkDesktopPalette() {
  QApplication::setPalette(saved_->palette);
}

TextExtent MeasureText(const std::string& font, double size, const std::string& text) {
  const QFontMetricsF metrics(ResolveFont(font, size));
  return TextExtent{metrics.horizontalAdvance(ToQ(text)), metrics.ascent(), metrics.descent()};
}

ShownText ShownTextOf(Label& label) {
  auto* widget = qobject_cast<QLabel*>(label.impl().widget.data());
  if (!widget)
    return {};
  const QFont font = widget->font();
  return ShownText{ToStd(QFontInfo(font).family()), QFontInfo(font).pixelSize(),
                   QFontMetricsF(font).horizontalAdvance(widget->text()),
                   widget->contentsRect().width(), label.impl().measurements};
}

}  // namespace platform::testdriver
