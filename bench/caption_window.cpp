// A second floor for start-up: the bare window, with the splash's two
// captions drawn in its first frame (the same faces, sizes and hinting),
// the way a Qt program best draws text at start: the font configuration is
// read on a thread of its own beside the application object, and the first
// frame is painted before the window is shown. What it takes beyond the
// bare window is the price of any text in a first frame.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <fontconfig/fontconfig.h>

#include <thread>

namespace {

class TCaptionWindow : public QWidget {
protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setPen(Qt::red);
    Caption(p, 11, QRect(428, 358, 88, 13), QStringLiteral("Идёт загрузка"));
    Caption(p, 19, QRect(12, 8, 470, 24), QStringLiteral("Моменты затяжки резьбовых соединений v.4.2"));
  }

private:
  static void Caption(QPainter& p, int pixels, const QRect& r, const QString& text) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(font);
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop, text);
  }
};

}  // namespace

int main(int argc, char** argv) {
  std::thread configuration([] { FcInit(); });
  QApplication app(argc, argv);
  configuration.join();
  TCaptionWindow window;
  window.resize(525, 373);
  QImage first(window.size(), QImage::Format_ARGB32_Premultiplied);
  window.render(&first);
  window.show();
  return app.exec();
}
