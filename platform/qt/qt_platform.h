// The real desktop: Qt 6 over X11 (XWayland under a Wayland session).
#pragma once

#include <QApplication>
#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace lv::qt {

class QtApplication : public IApplication {
 public:
  void SetTitle(const std::string& title) override { title_ = title; }
  std::string Title() const override { return title_; }
  void Minimize() override;
  std::unique_ptr<IForm> CreateForm() override;
  void Run(IForm& mainForm) override;
  void ShowError(const std::string& message) override;

 private:
  std::string title_;
  QWidget* mainWidget_ = nullptr;
};

class QtScreen : public IScreen {
 public:
  int Width() const override;
  int Height() const override;
};

class SystemClock : public IClock {
 public:
  std::uint32_t TickCount() const override;
  double Now() const override;
  std::uint64_t Entropy() const override;
};

// The application object; an error that escapes an event handler is shown in a
// message box and the program goes on, as the window framework's default does.
// Input is handled one event at a time: input for a main window that arrives while
// another event is being handled (some Qt calls run the event loop inside) is held
// and delivered once that handling has ended.
class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv, IApplication& reporter)
      : QApplication(argc, argv), reporter_(reporter) {}
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  bool Handle(QObject* receiver, QEvent* event);
  bool HoldsBack(QObject* receiver, QEvent* event) const;
  void DeliverHeld();

  IApplication& reporter_;
  int handling_ = 0;  // events being handled by objects other than windows
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

class QtPlatform : public IPlatform {
 public:
  // Connects to the display; call DisplayAvailable() first.
  QtPlatform(int& argc, char** argv);
  ~QtPlatform() override;
  static bool DisplayAvailable();

  IApplication& Application() override { return app_; }
  IScreen& Screen() override { return screen_; }
  IClock& Clock() override { return clock_; }
  ISoundOutput& Sound() override { return *sound_; }
  IWindowFinder& Windows() override { return *windows_; }
  std::string ExePath() const override;

 private:
  QtApplication app_;
  GuardedApplication qapp_;
  QtScreen screen_;
  SystemClock clock_;
  std::unique_ptr<ISoundOutput> sound_;
  std::unique_ptr<IWindowFinder> windows_;
};

// Made in its own file.
std::unique_ptr<ISoundOutput> MakeSoundOutput();

}  // namespace lv::qt
