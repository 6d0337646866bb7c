// Start-up order, the splash's timer and the flow between the windows.
#include "app/Startup.h"
#include "app/UnitDBtqrZastavka.h"
#include "app/UnitInfTQR.h"
#include "app/Unit_Glav_Moment.h"
#include "app/Unit_Pnevmo.h"
#include "calc/Unit_Calcule.h"
#include "calc/Unit_DrugieRezby.h"
#include "tables/Unit_Bolty.h"
#include "tables/Unit_Gayki.h"
#include "platform/Layered.h"
#include "platform/Platform.h"
#include "skin/SkinData.h"
#include "tests/app/ProgramWindows.h"

#include <QApplication>
#include <QIcon>
#include <QWindow>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct WindowRow {
  const char* Name;
  const char* Caption;
  int Width, Height;
};

// Creation order, captions and client sizes of the eight windows.
const WindowRow kWindows[] = {
    {"FormDBtqrZastavka", "", 525, 373},
    {"Form_Glav_Moment", "Моменты затяжки резьбовых соединений. v.4.2", 382, 184},
    {"FormInfTQR", "Информация о программе", 455, 413},
    {"Form_Bolty", "Окно болтов", 593, 362},
    {"Form_Gayki", "Окно гаек", 621, 352},
    {"Form_DrugieRezby", "Другие зезьбы", 611, 203},
    {"Form_Calcule", "Окно расчёта.", 1042, 709},
    {"Form_Pnevmo", "Окно моментов затяжки пневмоарматуры.", 412, 536},
};

using WindowFlow = ProgramWindowsTest;

TEST_F(WindowFlow, WindowsAreCreatedInOrderWithTheirCaptionsAndSizes) {
  const auto& forms = Application->Forms();
  ASSERT_EQ(forms.size(), 8);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(kWindows[i].Name);
    EXPECT_EQ(forms[i]->objectName(), QString::fromLatin1(kWindows[i].Name));
    EXPECT_EQ(forms[i]->Caption(), QString::fromUtf8(kWindows[i].Caption));
    EXPECT_EQ(forms[i]->ClientWidth(), kWindows[i].Width);
    EXPECT_EQ(forms[i]->ClientHeight(), kWindows[i].Height);
  }
  EXPECT_EQ(Application->Title(), QStringLiteral("Моменты затяжки резьбовых соединений по СТБ 1879-2008"));
}

TEST_F(WindowFlow, EveryWindowCarriesTheProgramsIcon) {
  // Drawn from 16 px up; each window hands the same one to the window system.
  const QIcon icon = QApplication::windowIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
  EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
  FinishSplash();
  Form_Glav_Moment->bsSkinButton1->Click();
  for (TForm* f : Application->Forms()) {
    SCOPED_TRACE(f->objectName().toStdString());
    EXPECT_EQ(f->windowIcon().cacheKey(), icon.cacheKey());
    if (QWindow* w = f->windowHandle()) {
      EXPECT_EQ(w->icon().cacheKey(), icon.cacheKey());
    }
  }
  EXPECT_NE(Form_Bolty->windowHandle(), nullptr);
}

TEST_F(WindowFlow, OnlyTheSplashIsVisibleAtStart) {
  EXPECT_TRUE(FormDBtqrZastavka->Visible());
  EXPECT_TRUE(FormDBtqrZastavka->Enabled());
  EXPECT_EQ(FormDBtqrZastavka->cursor().shape(), Qt::WaitCursor);
  for (TForm* f : Application->Forms()) {
    if (f != FormDBtqrZastavka) {
      EXPECT_FALSE(f->Visible()) << f->objectName().toStdString();
    }
  }
}

TEST_F(WindowFlow, SkinPicturesWaitUntilTheirWindowIsFirstDrawn) {
  // Every window takes its skin when it is made, and only its masks are
  // decoded then; what it draws waits for its first drawing, and comes for
  // every window carrying the same skin at once.
  const auto skinOf = [](TForm* f) { return f->findChild<TbsSkinData*>(); };
  for (TForm* f : Application->Forms()) {
    if (f == FormDBtqrZastavka) continue;
    SCOPED_TRACE(f->objectName().toStdString());
    ASSERT_NE(skinOf(f), nullptr);
    ASSERT_FALSE(skinOf(f)->Empty());
    EXPECT_TRUE(skinOf(f)->Mask().isNull() || skinOf(f)->Mask().Decoded());
    EXPECT_FALSE(skinOf(f)->Picture().Decoded());
  }
  Form_Bolty->grab();
  EXPECT_TRUE(skinOf(Form_Bolty)->Picture().Decoded());
  EXPECT_TRUE(skinOf(Form_Calcule)->Picture().Decoded());
  EXPECT_FALSE(skinOf(Form_Pnevmo)->Picture().Decoded());
  EXPECT_FALSE(skinOf(Form_Glav_Moment)->Picture().Decoded());
}

TEST_F(WindowFlow, SplashGivesWayToTheMainWindowAfterThreeSecondsFromItsCreation) {
  // The three seconds run from the splash's creation: its fade-in counts
  // toward them, so the timer is already running when the window is made.
  QPointer<TFormDBtqrZastavka> splash(FormDBtqrZastavka);
  QTimer* timer = FormDBtqrZastavka->Timer1;
  ASSERT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 3000);
  EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);  // a coarse one may fire 150 ms early
  QCoreApplication::processEvents();
  EXPECT_FALSE(Form_Glav_Moment->Visible());
  // The timer's own event, as the event loop delivers it when it is due.
  QTimerEvent due(timer->timerId());
  QCoreApplication::sendEvent(timer, &due);
  EXPECT_TRUE(Form_Glav_Moment->Visible());
  // At once: the splash is hidden and destroyed in the same handler.
  EXPECT_EQ(FormDBtqrZastavka, nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(splash.isNull());
  EXPECT_EQ(Application->Forms().size(), 7);
}

TEST_F(WindowFlow, WorkingWindowsReplaceTheMainWindowAndBringItBackOnClose) {
  FinishSplash();
  ASSERT_TRUE(Form_Glav_Moment->Visible());
  struct Case {
    TbsSkinButton* Button;
    TForm* Window;
  } cases[] = {{Form_Glav_Moment->bsSkinButton1, Form_Bolty},
               {Form_Glav_Moment->bsSkinButton2, Form_Gayki},
               {Form_Glav_Moment->bsSkinButton3, Form_DrugieRezby},
               {Form_Glav_Moment->bsSkinButton5, Form_Pnevmo}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Window->objectName().toStdString());
    QTest::mouseClick(c.Button, Qt::LeftButton);
    EXPECT_TRUE(c.Window->Visible());
    EXPECT_FALSE(Form_Glav_Moment->Visible());
    c.Window->Close();
    EXPECT_FALSE(c.Window->Visible());
    EXPECT_TRUE(Form_Glav_Moment->Visible());
  }
  EXPECT_FALSE(Application->Terminated());
}

TEST_F(WindowFlow, NoteAndCalculationWindowsCloseIndependently) {
  FinishSplash();
  QTest::mouseClick(Form_Glav_Moment->bsSkinButton3, Qt::LeftButton);
  QTest::mouseClick(Form_DrugieRezby->bsSkinButton1, Qt::LeftButton);
  EXPECT_TRUE(Form_Calcule->Visible());
  EXPECT_TRUE(Form_DrugieRezby->Visible());
  // Closing the calculation window leaves the note window and keeps the main hidden.
  Form_Calcule->Close();
  EXPECT_FALSE(Form_Calcule->Visible());
  EXPECT_TRUE(Form_DrugieRezby->Visible());
  EXPECT_FALSE(Form_Glav_Moment->Visible());
  // Closing the note window while the calculation window is open shows the main
  // window and leaves the calculation window open.
  QTest::mouseClick(Form_DrugieRezby->bsSkinButton1, Qt::LeftButton);
  QTest::mouseClick(Form_DrugieRezby->bsSkinButton1, Qt::LeftButton);
  EXPECT_TRUE(Form_Calcule->Visible());
  Form_DrugieRezby->Close();
  EXPECT_TRUE(Form_Glav_Moment->Visible());
  EXPECT_TRUE(Form_Calcule->Visible());
  Form_Calcule->Close();
  EXPECT_TRUE(Form_Glav_Moment->Visible());
  EXPECT_FALSE(Application->Terminated());
}

TEST_F(WindowFlow, AboutOpensBesideTheMainWindowAndOpensAgainAfterClosing) {
  FinishSplash();
  for (int round = 0; round < 2; ++round) {
    QTest::mouseClick(Form_Glav_Moment->bsSkinButton4, Qt::LeftButton);
    EXPECT_TRUE(FormInfTQR->Visible());
    EXPECT_TRUE(Form_Glav_Moment->Visible());
    // Pressed again while open: it stays open, the main window as it was.
    QTest::mouseClick(Form_Glav_Moment->bsSkinButton4, Qt::LeftButton);
    EXPECT_TRUE(FormInfTQR->Visible());
    EXPECT_TRUE(Form_Glav_Moment->Visible());
    FormInfTQR->Close();
    EXPECT_FALSE(FormInfTQR->Visible());
    EXPECT_TRUE(Form_Glav_Moment->Visible());
  }
  // The slide leaves the window in its skin's shape, not cut by the slide
  // and not without its shape.
  QTest::mouseClick(Form_Glav_Moment->bsSkinButton4, Qt::LeftButton);
  EXPECT_FALSE(FormInfTQR->bsSkinForm1->WindowRegion().isEmpty());
  EXPECT_EQ(FormInfTQR->mask(), FormInfTQR->bsSkinForm1->WindowRegion());
  EXPECT_FALSE(platform::IsLayered(FormInfTQR));
}

// Closes the main window from inside the running event loop; true when the
// loop then ends by itself (a watchdog ends it otherwise).
bool ClosingTheMainWindowEndsTheLoop() {
  bool stuck = false;
  QTimer::singleShot(0, [] { Form_Glav_Moment->Close(); });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&stuck] {
    stuck = true;
    QCoreApplication::exit(1);
  });
  watchdog.start(3000);
  Application->Run();
  return !stuck && Application->Terminated();
}

// A clock that runs fast: the fade-out passes in a few frames.
struct FastTicks {
  std::uint32_t Now = 0;
  FastTicks() { platform::SetTickSource([this] { return Now += 200; }); }
  ~FastTicks() { platform::SetTickSource(nullptr); }
};

TEST_F(WindowFlow, ClosingTheMainWindowEndsTheProgramWhateverElseIsOpen) {
  FinishSplash();
  FastTicks ticks;
  // As a user gets there: the calculation window opened from the note
  // window, the note window closed, then About.
  QTest::mouseClick(Form_Glav_Moment->bsSkinButton3, Qt::LeftButton);
  QTest::mouseClick(Form_DrugieRezby->bsSkinButton1, Qt::LeftButton);
  Form_DrugieRezby->Close();
  QTest::mouseClick(Form_Glav_Moment->bsSkinButton4, Qt::LeftButton);
  ASSERT_TRUE(Form_Glav_Moment->Visible() && Form_Calcule->Visible() && FormInfTQR->Visible());
  EXPECT_TRUE(ClosingTheMainWindowEndsTheLoop());
  EXPECT_FALSE(Form_Glav_Moment->Visible());

  // Every other set of windows open beside the main window.
  TForm* const others[] = {FormInfTQR, Form_Bolty, Form_Gayki, Form_DrugieRezby, Form_Calcule, Form_Pnevmo};
  for (int set = 0; set < 64; ++set) {
    Application->ResetTermination();
    platform::SetLayered(Form_Glav_Moment, false);
    Form_Glav_Moment->SetEnabled(true);
    Form_Glav_Moment->Show();
    std::string open = "main";
    for (int i = 0; i < 6; ++i) {
      if (set & (1 << i)) {
        others[i]->Show();
        open += " + " + others[i]->objectName().toStdString();
      } else {
        others[i]->Hide();
      }
    }
    ASSERT_TRUE(ClosingTheMainWindowEndsTheLoop()) << open;
  }
}

TEST_F(WindowFlow, TheMainWindowComesBackNormalAndActiveWhateverStateItWasHiddenIn) {
  FinishSplash();
  TForm* main = Form_Glav_Moment;
  const QSize client(main->ClientWidth(), main->ClientHeight());
  struct Case {
    const char* Name;
    std::function<void()> Put;
  } cases[] = {
      {"minimised with the frame's button",
       [] { Form_Glav_Moment->bsSkinForm1->ButtonCommand(TbsStdCommand::cmMinimize); }},
      {"minimised, then restored by the window system",
       [] {
         Form_Glav_Moment->bsSkinForm1->ButtonCommand(TbsStdCommand::cmMinimize);
         QCoreApplication::processEvents();
         Form_Glav_Moment->windowHandle()->setWindowStates(Qt::WindowNoState);
       }},
      {"maximised", [] { Form_Glav_Moment->showMaximized(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Put();
    QCoreApplication::processEvents();
    QTest::mouseClick(Form_Glav_Moment->bsSkinButton1, Qt::LeftButton);
    ASSERT_FALSE(main->Visible());
    Form_Bolty->Close();
    EXPECT_TRUE(main->Visible());
    EXPECT_FALSE(main->isMinimized());
    EXPECT_FALSE(main->isMaximized());
    EXPECT_EQ(QSize(main->ClientWidth(), main->ClientHeight()), client);
    EXPECT_TRUE(QTest::qWaitForWindowActive(main, 1000));
  }
}

TEST_F(WindowFlow, ClosingOtherWindowsNeverEndsTheProgram) {
  FinishSplash();
  for (TForm* f : Application->Forms()) {
    if (f == Form_Glav_Moment) continue;
    f->Show();
    f->Close();
  }
  EXPECT_FALSE(Application->Terminated());
}

TEST_F(WindowFlow, WindowsAreCentredOnTheDesktopWhenShown) {
  FinishSplash();
  const QRect area = platform::WorkArea(nullptr);
  for (TForm* f : {static_cast<TForm*>(Form_Glav_Moment), static_cast<TForm*>(Form_Calcule)}) {
    f->Show();
    const QRect g = f->geometry();
    EXPECT_LE(std::abs(g.center().x() - area.center().x()), 1) << f->objectName().toStdString();
    EXPECT_LE(std::abs(g.center().y() - area.center().y()), 1) << f->objectName().toStdString();
  }
}

}  // namespace
