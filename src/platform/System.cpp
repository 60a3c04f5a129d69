#include "platform/System.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include <cstdio>

#include "platform/Internal.h"
#include "platform/QtBridge.h"

namespace platform {

ScreenInfo Screen(std::int64_t index) {
  const auto& seam = seams::Current().screen;
  if (seam)
    return index == 0 ? *seam : ScreenInfo{};
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return {};
  const QList<QScreen*> screens = QGuiApplication::screens();
  QScreen* screen = nullptr;
  if (index == 0)
    screen = QGuiApplication::primaryScreen();
  else if (index > 0 && index < screens.size())
    screen = screens.at(static_cast<qsizetype>(index));
  if (!screen)
    return {};
  const QRect geometry = screen->geometry();
  return ScreenInfo{geometry.width(), geometry.height()};
}

namespace {

QStringList InstalledFamilies() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return {};
  return QFontDatabase::families();
}

}  // namespace

std::int64_t FontCount() {
  const auto& seam = seams::Current().fonts;
  if (seam)
    return static_cast<std::int64_t>(seam->size());
  return InstalledFamilies().size();
}

std::string Font(std::int64_t index) {
  const auto& seam = seams::Current().fonts;
  if (seam) {
    if (index < 0 || static_cast<std::uint64_t>(index) >= seam->size())
      return {};
    return (*seam)[static_cast<std::size_t>(index)];
  }
  const QStringList families = InstalledFamilies();
  if (index < 0 || index >= families.size())
    return {};
  return ToStd(families.at(static_cast<qsizetype>(index)));
}

void ShowURL(std::string_view address) {
  const auto opener = seams::Current().showURL;
  if (opener) {
    opener(address);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromUserInput(ToQ(address)));
}

void ShowMessage(std::string_view title, std::string_view text) {
  const auto sink = seams::Current().message;
  if (sink) {
    sink(title, text);
    return;
  }
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                 static_cast<int>(text.size()), text.data());
    return;
  }
  QMessageBox::warning(QApplication::activeWindow(), ToQ(title), ToQ(text));
}

}  // namespace platform
