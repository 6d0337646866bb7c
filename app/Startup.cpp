#include "app/Startup.h"

#include "app/UnitDBtqrZastavka.h"
#include "app/UnitInfTQR.h"
#include "app/Unit_Glav_Moment.h"
#include "app/Unit_Pnevmo.h"
#include "calc/Unit_Calcule.h"
#include "calc/Unit_DrugieRezby.h"
#include "tables/Unit_Bolty.h"
#include "tables/Unit_Gayki.h"

#include "platform/Jpeg.h"
#include "platform/Platform.h"
#include "platform/Png.h"
#include "resources/Resources.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QPixmap>

#include <future>
#include <optional>

const QString kApplicationTitle = QStringLiteral("Моменты затяжки резьбовых соединений по СТБ 1879-2008");

namespace {
QImage DecodeSplashPicture() { return platform::DecodeJpeg(resources::Load(QStringLiteral("splash.jpg"))); }

// Every size the icon is drawn at; the window system picks among them.
QList<QImage> DecodeIconPictures() {
  QList<QImage> pictures;
  for (const QFileInfo& file : QDir(QStringLiteral(":/icon")).entryInfoList(QDir::Files)) {
    QFile f(file.filePath());
    if (!f.open(QIODevice::ReadOnly)) continue;
    const QImage picture = platform::DecodePng(f.readAll());
    if (!picture.isNull()) pictures.append(picture);
  }
  return pictures;
}

struct TStartWork {
  QImage Splash;
  QList<QImage> Icons;
};
std::future<TStartWork> gStartWork;

// What the start work made, each part handed out once; nothing when it was
// not begun.
std::optional<TStartWork>& StartWorkDone() {
  static std::optional<TStartWork> done;
  if (!done && gStartWork.valid()) done = gStartWork.get();
  return done;
}
}  // namespace

void BeginStartWork() {
  if (gStartWork.valid() || StartWorkDone()) return;
  // Room for what the windows' making allocates, bit by bit, before the
  // main window shows (made ready once the first window is on screen).
  platform::ReserveStartHeap(8u << 20);
  gStartWork = std::async(std::launch::async, [] {
    platform::ReadFontConfiguration();
    return TStartWork{DecodeSplashPicture(), DecodeIconPictures()};
  });
}

QImage TakeSplashPicture() {
  std::optional<TStartWork>& done = StartWorkDone();
  if (done && !done->Splash.isNull()) return std::exchange(done->Splash, QImage());
  return DecodeSplashPicture();
}

void SetProgramIdentity() {
  QCoreApplication::setApplicationName(QStringLiteral(MOMENTY_PROGRAM));
  QGuiApplication::setDesktopFileName(QStringLiteral(MOMENTY_APP_ID));
  std::optional<TStartWork>& done = StartWorkDone();
  const QList<QImage> pictures = done && !done->Icons.isEmpty() ? std::exchange(done->Icons, {}) : DecodeIconPictures();
  // The pictures keep their straight alpha: that is what the window system
  // takes, so each window's icon goes to it as it is, not converted from
  // premultiplied pixels and back, every size, each time a window is made.
  QIcon icon;
  for (const QImage& picture : pictures) icon.addPixmap(QPixmap::fromImage(picture, Qt::NoFormatConversion));
  // Handing the window system every size of the icon takes longer than the
  // splash's first frame: the windows made by then take the icon right after
  // the first painting, those made later as they are made.
  platform::AfterNextPaint(nullptr, [icon] { QApplication::setWindowIcon(icon); });
}

void CreateForms() {
  // Not before: showing the first window may start a helper process (the
  // accessibility bridge's search for a session bus), and pages made ready
  // before that would each fault again on their first write after it.
  platform::AfterNextPaint(nullptr, [] { platform::MakeStartHeapReady(); });
  FormDBtqrZastavka = new TFormDBtqrZastavka;
  Form_Glav_Moment = new TForm_Glav_Moment;
  FormInfTQR = new TFormInfTQR;
  Form_Bolty = new TForm_Bolty;
  Form_Gayki = new TForm_Gayki;
  Form_DrugieRezby = new TForm_DrugieRezby;
  Form_Calcule = new TForm_Calcule;
  Form_Pnevmo = new TForm_Pnevmo;

  // The main window opens the working windows; each goes back to it when it
  // closes (and the note window hides it when it opens the calculation window).
  TWorkingForm* const working[] = {Form_Bolty, Form_Gayki, Form_DrugieRezby, Form_Pnevmo};
  for (TWorkingForm* w : working) w->SetOpener(Form_Glav_Moment);
}

namespace {
template <class T>
void Destroy(T*& form) {
  delete form;
  form = nullptr;
}
}  // namespace

void DestroyForms() {
  Destroy(Form_Pnevmo);
  Destroy(Form_Calcule);
  Destroy(Form_DrugieRezby);
  Destroy(Form_Gayki);
  Destroy(Form_Bolty);
  Destroy(FormInfTQR);
  Destroy(Form_Glav_Moment);
  Destroy(FormDBtqrZastavka);
}
