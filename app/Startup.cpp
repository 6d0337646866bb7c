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

// The start thread's parts: the splash picture as soon as it is decoded, the
// icon's pictures as the thread's result.
std::promise<QImage> gSplashDecoded;
std::future<QImage> gSplash;
std::future<QList<QImage>> gStartWork;
// Kept after the thread's result: should the program end before the
// application object is made, this goes first at exit and lets the thread,
// which waits for it, end.
std::promise<void> gApplicationMade;
bool gStartWorkBegun = false;
bool gApplicationMadeTold = false;
}  // namespace

void BeginStartWork() {
  if (gStartWorkBegun) return;
  gStartWorkBegun = true;
  // Room for what the windows' making allocates, bit by bit, before the
  // main window shows (made ready once the first window is on screen).
  platform::ReserveStartHeap(8u << 20);
  gSplash = gSplashDecoded.get_future();
  gStartWork = std::async(std::launch::async, [made = gApplicationMade.get_future()]() mutable {
    platform::ReadFontConfiguration();
    // The splash waits for this: it gets a picture whatever happens (an
    // empty one makes it decode its own).
    QImage splash;
    try {
      splash = DecodeSplashPicture();
    } catch (...) {
    }
    gSplashDecoded.set_value(std::move(splash));
    // The splash's fade-in takes three pictures of its size (the frame being
    // made, the one shown, the window itself) before its first frame.
    platform::PrepareReadyPictures(kSplashWidth, kSplashHeight, 3);
    try {
      made.get();
    } catch (const std::future_error&) {
      return QList<QImage>();  // the program is ending without windows
    }
    // Qt's list of the system's fonts is shared by every thread: filled
    // here, it is ready when the first window draws its first text.
    platform::FillFontList();
    return DecodeIconPictures();
  });
}

void ApplicationMade() {
  if (!gStartWork.valid() || gApplicationMadeTold) return;
  gApplicationMadeTold = true;
  gApplicationMade.set_value();
}

void EndStartWork() {
  if (gStartWork.valid()) gStartWork.wait();
}

QImage TakeSplashPicture() {
  if (gSplash.valid()) {
    QImage picture = gSplash.get();
    if (!picture.isNull()) return picture;
  }
  return DecodeSplashPicture();
}

void SetProgramIdentity() {
  QCoreApplication::setApplicationName(QStringLiteral(MOMENTY_PROGRAM));
  QGuiApplication::setDesktopFileName(QStringLiteral(MOMENTY_APP_ID));
  // The icon is handed to the window system only once the first window has
  // been painted (every size of it takes longer than the splash's first
  // frame): the windows made by then take it then, those made later as they
  // are made. Its pictures are taken from the start work only then as well.
  platform::AfterNextPaint(nullptr, [] {
    const QList<QImage> pictures = gStartWork.valid() ? gStartWork.get() : DecodeIconPictures();
    // The pictures keep their straight alpha: that is what the window system
    // takes, so each window's icon goes to it as it is, not converted from
    // premultiplied pixels and back, every size, each time a window is made.
    QIcon icon;
    for (const QImage& picture : pictures) icon.addPixmap(QPixmap::fromImage(picture, Qt::NoFormatConversion));
    QApplication::setWindowIcon(icon);
  });
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
