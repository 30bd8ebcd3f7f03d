// The real application object against Qt's offscreen display: input that arrives
// while another event is being handled waits until that handling has ended.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/qt/qt_form.h"
#include "platform/qt/qt_platform.h"

namespace lv::qt {
namespace {

std::vector<std::string> journal;

// One application object for the whole test program, on Qt's offscreen display.
GuardedApplication& TestApplication() {
  static int argc = 1;
  static char name[] = "lunavox_qt_tests";
  static char* argv[] = {name, nullptr};
  static QtApplication reporter;
  static GuardedApplication* app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return new GuardedApplication(argc, argv, reporter);
  }();
  return *app;
}

class PressRecorder : public QWidget {
 protected:
  void mousePressEvent(QMouseEvent*) override { journal.push_back("press"); }
};

void PostPress(QWindow* window) {
  const QPointF at(5, 5);
  QCoreApplication::postEvent(window, new QMouseEvent(QEvent::MouseButtonPress, at, at, window->mapToGlobal(at),
                                                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
}

TEST(InputHoldTest, APressArrivingInsideAHandlerIsHandledAfterIt) {
  TestApplication();
  PressRecorder widget;
  widget.resize(40, 40);
  widget.show();
  QWindow* window = widget.windowHandle();
  ASSERT_NE(window, nullptr);

  // A handler that runs the event loop inside itself, as closing a sound stream does.
  QTimer::singleShot(0, [window] {
    journal.push_back("handler starts");
    PostPress(window);
    QCoreApplication::processEvents();
    journal.push_back("handler ends");
  });
  QTimer::singleShot(50, [] { QCoreApplication::quit(); });
  QApplication::exec();

  EXPECT_EQ(journal, (std::vector<std::string>{"handler starts", "handler ends", "press"}));

  // Outside any handler a press is handled at once.
  journal.clear();
  PostPress(window);
  QCoreApplication::processEvents();
  EXPECT_EQ(journal, std::vector<std::string>{"press"});
}

// Only mouse events of labels and the wish box become the program's; any other
// event (a font change, a key release) passes through untouched.
TEST(FormWidgetTest, LabelAndWishBoxEventsOtherThanPressesPassThrough) {
  TestApplication();
  QtForm form;
  int presses = 0;
  TFormEvents events;
  events.OnMouseDown = [&](const ILabel*, TMouseButton, TShiftState, int, int) { ++presses; };
  form.SetEvents(events);
  auto label = form.CreateLabel({0, 0, 50, 12}, TAlignment::Left, false);
  auto memo = form.CreateMemo({0, 20, 50, 40});
  label->SetFont({"MS Gothic", 12, 0});
  memo->SetFont({"MS Gothic", 12, 0});
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
  QCoreApplication::sendEvent(static_cast<QtMemo&>(*memo).Widget(), &release);
  EXPECT_EQ(presses, 0);
}

// Keeping the window above others makes a new native window; it stays borderless,
// shown and shaped.
TEST(FormWidgetTest, StayOnTopKeepsTheWindowBorderlessShownAndShaped) {
  TestApplication();
  QtForm form;
  form.SetClientSize(40, 30);
  form.SetShape({{0, 0, 40, 10}, {5, 10, 35, 30}});
  const QRegion shape = QRegion(0, 0, 40, 10) + QRegion(5, 10, 30, 20);
  EXPECT_TRUE(form.Widget()->mask() == shape);
  form.Widget()->show();
  for (bool onTop : {true, false, true}) {
    form.SetStayOnTop(onTop);
    EXPECT_EQ(form.StayOnTop(), onTop);
    EXPECT_TRUE(form.Widget()->isVisible()) << onTop;
    EXPECT_TRUE(form.Widget()->windowFlags().testFlag(Qt::FramelessWindowHint)) << onTop;
    EXPECT_TRUE(form.Widget()->mask() == shape) << onTop;
  }
  form.SetShape({});
  EXPECT_TRUE(form.Widget()->mask().isEmpty());
}

}  // namespace
}  // namespace lv::qt
