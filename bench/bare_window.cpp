// The floor start-up is measured against: a Qt Widgets program that shows
// one window the size of the splash and does nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(525, 373);
  window.show();
  return app.exec();
}
