#include "app/UnitDBtqrZastavka.h"

#include "app/Startup.h"
#include "app/Unit_Glav_Moment.h"
#include "effects/AlphaEffects.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QTimer>

TFormDBtqrZastavka* FormDBtqrZastavka = nullptr;

TFormDBtqrZastavka::TFormDBtqrZastavka(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("FormDBtqrZastavka"));
  SetClientSize(kSplashWidth, kSplashHeight);
  // The hourglass is set right after the first frame is drawn: loading the
  // cursor theme's animated hourglass takes longer than drawing that frame.
  platform::AfterNextPaint(this, [this] { setCursor(Qt::WaitCursor); });
  // The three seconds count from the window's creation.
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(3000);
  // Not a coarse timer: that one may fire up to a twentieth of its interval
  // early, and the splash is to stay its full three seconds.
  Timer1->setTimerType(Qt::PreciseTimer);
  connect(Timer1, &QTimer::timeout, this, [this] { InvokeHandler([this] { Timer1Timer(Timer1); }); });
  Timer1->start();

  Image1 = new TImage(Client());
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->SetBounds(0, 0, kSplashWidth, kSplashHeight);
  Image1->Stretch = true;
  Image1->SetPicture(TakeSplashPicture());

  Label1 = new TLabel(Client());
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->SetBounds(428, 358, 88, 13);
  Label1->SetFont(TFont::Make(QStringLiteral("MS Sans Serif"), -11, fsBold, clRed));
  Label1->SetColor(clBlack);
  Label1->SetCaption(QStringLiteral("Идёт загрузка"));

  Label2 = new TLabel(Client());
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->SetBounds(12, 8, 470, 24);
  Label2->SetFont(TFont::Make(QStringLiteral("MS Sans Serif"), -19, fsBold, clRed));
  Label2->SetColor(clBlack);
  Label2->SetCaption(QStringLiteral("Моменты затяжки резьбовых соединений v.4.2"));

  FormCreate(this);
}

void TFormDBtqrZastavka::FormCreate(TObject*) {
  SetEnabled(false);
  // The window takes its place before it is captured: the fade plays where
  // the window will stand.
  CentreOnDesktop();
  PlayAlphaEffect(this, DoubleVerticalEffect(), 2, 1000, true, false,
                  [this](TObject*) { Show(); }, nullptr);
  SetEnabled(true);
}

void TFormDBtqrZastavka::Timer1Timer(TObject*) {
  Timer1->stop();
  Form_Glav_Moment->Show();
  Hide();
  if (FormDBtqrZastavka == this) FormDBtqrZastavka = nullptr;
  // Once the splash and all it holds are gone (its children go after this
  // signal), what start-up freed goes back to the system.
  connect(this, &QObject::destroyed, qApp,
          [] { QTimer::singleShot(0, qApp, [] { platform::ReleaseFreedMemory(); }); });
  deleteLater();
}
