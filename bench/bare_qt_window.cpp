// The yardstick for start-up: a bare frameless Qt window that shows one 737 x 584
// picture, centred as Lunavox centres itself.
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel window;
  window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  window.setPixmap(QPixmap(argv[1]));
  window.setFixedSize(737, 584);
  QRect screen = QGuiApplication::primaryScreen()->geometry();
  window.move((screen.width() - 737) / 2, (screen.height() - 584) / 2 - 6);
  window.show();
  return QApplication::exec();
}
