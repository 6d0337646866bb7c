// Drives the installed program from inside, for the install check in
// scripts/check-install, which loads this library into it with LD_PRELOAD.
// It knows the program only as Qt shows it (windows and buttons by their
// object names) and uses nothing of the program's own code.
//
//   MOMENTY_DRIVE=choose:<file>  opens the bolt window, chooses <file> with
//                                the path button, then presses the launch button
//   MOMENTY_DRIVE=launch         opens the bolt window, presses the launch button
//
// The launch must start the program without a notice; the started program
// itself shows the check that it ran. Prints "drive: done" and ends the
// program normally; on anything unexpected (the general error display, a
// notice where none belongs, nothing to press for 60 s) it says what and ends
// the process with status 3.
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const QString& why) {
  std::fprintf(stderr, "drive: %s\n", qPrintable(why));
  std::fflush(stderr);
  std::_Exit(3);
}

QWidget* ShownWindow(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
  return nullptr;
}

// Presses are posted, not made from inside the step: a press that opens a
// modal loop would hold the step's timer, which does not fire again while
// its own call is still running.
void Click(QWidget* window, const char* button) {
  auto* b = window->findChild<QWidget*>(QLatin1String(button));
  if (!b) Fail(QStringLiteral("no %1 in %2").arg(QLatin1String(button), window->objectName()));
  QTimer::singleShot(0, b, [b] {
    const QPointF at(b->width() / 2.0, b->height() / 2.0);
    const QPointF global = b->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(b, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(b, &release);
  });
}

void PressEnter(QWidget* target) {
  QTimer::singleShot(0, target, [target] {
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
  });
}

bool IsNotice(QWidget* w) { return w && qstrcmp(w->metaObject()->className(), "TbsMessageForm") == 0; }

class TDriver : public QObject {
public:
  TDriver() {
    const QString drive = qEnvironmentVariable("MOMENTY_DRIVE");
    if (drive.startsWith(QLatin1String("choose:"))) FFile = drive.mid(7);
    else if (drive != QLatin1String("launch")) Fail(QStringLiteral("MOMENTY_DRIVE is neither choose:<file> nor launch"));
    FSince.start();
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { Step(); });
    timer->start(50);
  }

private:
  enum class TStep { MainWindow, BoltWindow, Dialog, Confirmation, Launch, AfterLaunch, Done };

  // Runs again inside the modal loops that a press opens, so each step is
  // marked taken before its press.
  void Step() {
    if (FSince.elapsed() > 60000) Fail(QStringLiteral("nothing to do for 60 s"));
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) Fail(QStringLiteral("error shown: ") + box->text());
    switch (FStep) {
      case TStep::MainWindow:
        if (QWidget* main = ShownWindow("Form_Glav_Moment")) {
          FStep = TStep::BoltWindow;
          Click(main, "bsSkinButton1");
        }
        return;
      case TStep::BoltWindow:
        if (QWidget* bolts = ShownWindow("Form_Bolty")) {
          FStep = FFile.isEmpty() ? TStep::Launch : TStep::Dialog;
          if (!FFile.isEmpty()) Click(bolts, "bsSkinButton4");
        }
        return;
      case TStep::Dialog:
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
          FStep = TStep::Confirmation;
          if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->setText(FFile);
          QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);  // as the Open button
        }
        return;
      case TStep::Confirmation:
        if (IsNotice(modal)) {
          FStep = TStep::Launch;
          PressEnter(modal->focusWidget() ? modal->focusWidget() : modal);
        }
        return;
      case TStep::Launch:
        if (modal) return;
        if (QWidget* bolts = ShownWindow("Form_Bolty")) {
          FStep = TStep::AfterLaunch;
          FLaunched.start();
          Click(bolts, "bsSkinButton3");
        }
        return;
      case TStep::AfterLaunch:
        if (IsNotice(modal)) Fail(QStringLiteral("the launch showed a notice: the path was not read back"));
        if (FLaunched.elapsed() < 1000) return;
        std::printf("drive: done\n");
        std::fflush(stdout);
        FStep = TStep::Done;
        QCoreApplication::exit(0);
        return;
      case TStep::Done:
        FSince.restart();
        return;
    }
  }

  QString FFile;
  TStep FStep = TStep::MainWindow;
  QElapsedTimer FSince, FLaunched;
};

void StartDriver() { new TDriver; }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(StartDriver)
