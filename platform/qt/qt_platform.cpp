#include "platform/qt/qt_platform.h"

#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <chrono>
#include <ctime>
#include <random>
#include <unistd.h>

#include "platform/qt/qt_form.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/x11_window_finder.h"

namespace lv::qt {

void QtApplication::Minimize() {
  if (mainWidget_) mainWidget_->showMinimized();
}

std::unique_ptr<IForm> QtApplication::CreateForm() {
  auto form = std::make_unique<QtForm>();
  form->Widget()->setWindowTitle(QString::fromStdString(title_));
  if (!mainWidget_) mainWidget_ = form->Widget();
  return form;
}

void QtApplication::Run(IForm& mainForm) {
  static_cast<QtForm&>(mainForm).Widget()->show();
  QApplication::exec();
}

void QtApplication::ShowError(const std::string& message) {
  QMessageBox::critical(mainWidget_, QString::fromStdString(title_), FromCp932(message));
}

int QtScreen::Width() const { return QGuiApplication::primaryScreen()->geometry().width(); }
int QtScreen::Height() const { return QGuiApplication::primaryScreen()->geometry().height(); }

std::uint32_t SystemClock::TickCount() const {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u + now.tv_nsec / 1000000);
}

// Days since 1899-12-30 in local time, the fraction the time of day.
double SystemClock::Now() const {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const double secondsOfDay = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
  const std::time_t utcMidnightOfLocalDate = timegm(&local) - static_cast<std::time_t>(secondsOfDay);
  return 25569.0 + static_cast<double>(utcMidnightOfLocalDate) / 86400.0 + secondsOfDay / 86400.0;
}

std::uint64_t SystemClock::Entropy() const {
  std::random_device device;
  return (static_cast<std::uint64_t>(device()) << 32) ^
         static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel: return true;
    default: return false;
  }
}

}  // namespace

// Input reaches a top-level window first and is passed on to its widgets from
// there, so holding it at the window keeps it from every handler. Dialogs and
// menus are other window types and keep taking input.
bool GuardedApplication::HoldsBack(QObject* receiver, QEvent* event) const {
  if (handling_ == 0 || !IsUserInput(event->type()) || !receiver->isWindowType()) return false;
  return static_cast<QWindow*>(receiver)->type() == Qt::Window;
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  if (HoldsBack(receiver, event)) {
    held_.emplace_back(receiver, event->clone());
    return true;
  }
  const bool counted = !receiver->isWindowType();
  if (counted) ++handling_;
  const bool result = Handle(receiver, event);
  if (counted && --handling_ == 0 && !held_.empty()) DeliverHeld();
  return result;
}

bool GuardedApplication::Handle(QObject* receiver, QEvent* event) {
  std::string error;
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    error = e.what();
  }
  reporter_.ShowError(error);
  return true;
}

// Posted in their order, so they come after everything already queued and each is
// handled on its own.
void GuardedApplication::DeliverHeld() {
  for (auto& [window, event] : std::exchange(held_, {}))
    if (window) QCoreApplication::postEvent(window, event.release());
}

bool QtPlatform::DisplayAvailable() {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
}

namespace {

// Moving, shaping and keeping above others work through X11; a Wayland session
// runs the program through XWayland.
int& PrepareQt(int& argc) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "xcb", 1);
  return argc;
}

}  // namespace

QtPlatform::QtPlatform(int& argc, char** argv)
    : qapp_(PrepareQt(argc), argv, app_), sound_(MakeSoundOutput()), windows_(MakeX11WindowFinder()) {
  InstallFontSubstitutions();
}

QtPlatform::~QtPlatform() = default;

std::string QtPlatform::ExePath() const {
  char buffer[4096];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

}  // namespace lv::qt
