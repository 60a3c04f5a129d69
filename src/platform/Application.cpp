#include "platform/Application.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <cstdio>
#include <exception>
#include <optional>

#include "platform/Internal.h"
#include "platform/Menu.h"
#include "platform/QtBridge.h"
#include "platform/System.h"

namespace platform {
namespace {

Application* gInstance = nullptr;

const MenuItem* ItemOf(const QAction* action) {
  const QVariant data = action->data();
  if (!data.isValid())
    return nullptr;
  return reinterpret_cast<const MenuItem*>(data.value<quintptr>());
}

void Bind(QAction& action, const MenuItem& item) {
  action.setData(QVariant::fromValue(reinterpret_cast<quintptr>(&item)));
}

void SyncAction(QAction& action) {
  const MenuItem* item = ItemOf(&action);
  if (!item)
    return;
  action.setText(PlainCaption(item->Text()));
  action.setVisible(item->Visible());
  action.setEnabled(item->Enabled() || item->ItemRole() == MenuItem::Role::Quit);
}

void SyncMenu(QMenu& menu) {
  SyncAction(*menu.menuAction());
  for (QAction* action : menu.actions()) {
    if (QMenu* submenu = action->menu())
      SyncMenu(*submenu);
    else
      SyncAction(*action);
  }
}

void AddItems(QMenu& menu, const MenuItem& parent) {
  for (std::size_t i = 0; i < parent.Count(); ++i) {
    const MenuItem& item = parent.Item(i);
    if (item.IsSeparator()) {
      menu.addSeparator();
      continue;
    }
    if (item.Count() > 0) {
      QMenu* submenu = menu.addMenu(PlainCaption(item.Text()));
      Bind(*submenu->menuAction(), item);
      AddItems(*submenu, item);
      continue;
    }
    QAction* action = menu.addAction(PlainCaption(item.Text()));
    Bind(*action, item);
    switch (item.ItemRole()) {
      case MenuItem::Role::About:
        action->setMenuRole(QAction::AboutRole);
        break;
      case MenuItem::Role::Quit:
        action->setMenuRole(QAction::QuitRole);
        break;
      case MenuItem::Role::Normal:
        action->setMenuRole(QAction::NoRole);  // no guessing from the caption
        break;
    }
    if (!item.KeyboardShortcut().empty())
      action->setShortcut(QKeySequence(ToQ(item.KeyboardShortcut())));
    const MenuItem* bound = &item;
    QObject::connect(action, &QAction::triggered, action, [bound] {
      if (Application* app = Application::Instance())
        app->impl().Trigger(*bound);
    });
    SyncAction(*action);
  }
}

void AutoEnable(MenuItem& item) {
  if (item.AutoEnable())
    item.SetEnabled(true);
  for (std::size_t i = 0; i < item.Count(); ++i)
    AutoEnable(item.Item(i));
}

// Every menu bar in use: the application's and those of the windows.
std::vector<MenuBar*> MenuBarsInUse(MenuBar* applicationBar) {
  std::vector<MenuBar*> bars;
  if (applicationBar)
    bars.push_back(applicationBar);
  for (Window::Impl* window : Window::Impl::Live()) {
    MenuBar* bar = window->menuBarModel;
    if (bar && std::find(bars.begin(), bars.end(), bar) == bars.end())
      bars.push_back(bar);
  }
  return bars;
}

void Report(const std::string& text) {
  try {
    ShowMessage(kMessageTitle, text);
  } catch (...) {
    std::fprintf(stderr, "%s: %s\n", kMessageTitle, text.c_str());
  }
}

}  // namespace

// ---- Menus -----------------------------------------------------------------------------

void BuildMenuBar(QMenuBar& bar, MenuBar* model) {
  const QList<QMenu*> old = bar.findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
  bar.clear();
  for (QMenu* menu : old)
    menu->deleteLater();  // the bar may be rebuilt from inside one of its menus
  if (!model)
    return;
  for (std::size_t i = 0; i < model->Count(); ++i) {
    const MenuItem& top = model->Item(i);
    if (top.IsSeparator())
      continue;
    QMenu* menu = bar.addMenu(PlainCaption(top.Text()));
    Bind(*menu->menuAction(), top);
    AddItems(*menu, top);
    SyncMenu(*menu);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
      if (Application* app = Application::Instance())
        app->EnableMenuItems();
      SyncMenu(*menu);
    });
  }
}

void SyncMenuBar(QMenuBar& bar) {
  for (QAction* action : bar.actions()) {
    if (QMenu* menu = action->menu())
      SyncMenu(*menu);
  }
}

void Application::Impl::Trigger(const MenuItem& item) {
  if (!item.Enabled() && item.ItemRole() != MenuItem::Role::Quit)
    return;
  const auto handler = handlers.find(item.Name());
  if (handler != handlers.end()) {
    const auto run = handler->second;  // a handler may bind others meanwhile
    RunGuarded([&] { (void)run(); });
    return;
  }
  if (item.ItemRole() == MenuItem::Role::Quit && gInstance)
    gInstance->Quit();
}

// ---- Application -----------------------------------------------------------------------

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>()) {
  if (!QCoreApplication::instance())
    impl_->ownedApp = std::make_unique<QApplication>(argc, argv);
  QApplication::setQuitOnLastWindowClosed(true);
  impl_->previous = gInstance;
  gInstance = this;
}

Application::~Application() {
  if (gInstance == this)
    gInstance = impl_->previous;
}

Application* Application::Instance() {
  return gInstance;
}

void Application::SetMenuBar(MenuBar* menuBar) {
  impl_->menuBar = menuBar;
  for (Window::Impl* window : Window::Impl::Live()) {
    if (!window->menuBarModel)
      window->RebuildMenuBar();
  }
}

MenuBar* Application::GetMenuBar() const {
  return impl_->menuBar;
}

void Application::AddMenuHandler(std::string itemName, std::function<bool()> handler) {
  impl_->handlers[std::move(itemName)] = std::move(handler);
}

bool Application::ChooseMenuItem(std::string_view itemName) {
  EnableMenuItems();
  const MenuItem* item = nullptr;
  for (MenuBar* bar : MenuBarsInUse(impl_->menuBar)) {
    item = bar->Lookup(itemName);
    if (item)
      break;
  }
  if (item && !item->Enabled() && item->ItemRole() != MenuItem::Role::Quit)
    return false;
  const auto handler = impl_->handlers.find(itemName);
  if (handler != impl_->handlers.end()) {
    const auto run = handler->second;
    RunGuarded([&] { (void)run(); });
    return true;
  }
  if (item && item->ItemRole() == MenuItem::Role::Quit) {
    Quit();
    return true;
  }
  return false;
}

int Application::Run(std::function<void()> lateStartup) {
  QTimer::singleShot(0, QCoreApplication::instance(), [startup = std::move(lateStartup)] {
    if (startup)
      RunGuarded(startup);
  });
  return QCoreApplication::exec();
}

void Application::Quit() {
  QCoreApplication::quit();
}

bool Application::HandleAppleEvent(std::string_view eventClass, std::string_view eventID) {
  bool handled = false;
  RunGuarded([&] { handled = Event_HandleAppleEvent(eventClass, eventID); });
  return handled;
}

void Application::EnableMenuItems() {
  const std::vector<MenuBar*> bars = MenuBarsInUse(impl_->menuBar);
  for (MenuBar* bar : bars)
    AutoEnable(*bar);
  RunGuarded([this] { Event_EnableMenuItems(); });
  for (Window::Impl* window : Window::Impl::Live()) {
    if (window->menuBar)
      SyncMenuBar(*window->menuBar);
  }
}

// ---- Event boundary --------------------------------------------------------------------

namespace {

// Runs handler; on an exception gives the text that reports it.
std::optional<std::string> RunCatching(const std::function<void()>& handler) {
  try {
    if (handler)
      handler();
    return std::nullopt;
  } catch (const std::exception& e) {
    return std::string("An unexpected error occurred: ") + e.what();
  } catch (...) {
    return std::string("An unexpected error occurred.");
  }
}

}  // namespace

bool RunGuarded(const std::function<void()>& handler) {
  const std::optional<std::string> failure = RunCatching(handler);
  if (failure)
    Report(*failure);
  return !failure;
}

bool RunGuardedPaint(const std::function<void()>& handler, bool& failing) {
  const std::optional<std::string> failure = RunCatching(handler);
  if (!failure) {
    failing = false;
    return true;
  }
  if (!failing) {
    failing = true;
    if (seams::Current().message)
      Report(*failure);  // collected, not shown: nothing modal
    else
      QTimer::singleShot(0, QCoreApplication::instance(), [text = *failure] { Report(text); });
  }
  return false;
}

}  // namespace platform
