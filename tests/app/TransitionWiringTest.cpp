// The two transitions of the program: the splash fading in while it is
// created, and the main window fading out when it closes.
#include "app/Startup.h"
#include "app/UnitDBtqrZastavka.h"
#include "app/Unit_Glav_Moment.h"
#include "platform/Layered.h"
#include "platform/Platform.h"
#include "tests/app/ProgramWindows.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

using Transitions = ProgramWindowsTest;

TEST_F(Transitions, SplashHasFadedInWhenItsCreationReturns) {
  TFormDBtqrZastavka* splash = FormDBtqrZastavka;
  ASSERT_NE(splash, nullptr);
  EXPECT_TRUE(splash->Visible());
  EXPECT_TRUE(splash->Enabled());
  // Restored at the end: an ordinary window again, last shown opaque and plain.
  EXPECT_FALSE(platform::IsLayered(splash));
  EXPECT_EQ(platform::LayeredFlags(splash), platform::ULW_OPAQUE);
  EXPECT_GE(platform::LayeredUpdateCount(splash), 3) << "a fade is several frames";
  const QImage last = platform::LayeredFrame(splash);
  EXPECT_EQ(last.size(), QSize(525, 373));
  EXPECT_EQ(last, splash->Client()->grab().toImage().convertToFormat(QImage::Format_ARGB32));
  EXPECT_EQ(platform::LayeredOrigin(splash), splash->frameGeometry().topLeft());
  EXPECT_EQ(splash->windowOpacity(), 1.0);
}

TEST_F(Transitions, ClosingTheMainWindowFadesItOutThenEndsTheProgram) {
  FinishSplash();
  ASSERT_TRUE(Form_Glav_Moment->Visible());
  // The fade's clock moves 10 ms at each look, so that its frames are the
  // same however busy the machine is: the last one falls at its very end.
  std::uint32_t now = 0;
  platform::SetTickSource([&now] { return now += 10; });
  bool dispatched = false;
  QTimer::singleShot(0, [&] { dispatched = true; });
  Form_Glav_Moment->Close();
  platform::SetTickSource({});
  EXPECT_TRUE(dispatched) << "messages keep flowing while the window fades";
  EXPECT_FALSE(Form_Glav_Moment->Visible());
  EXPECT_FALSE(Form_Glav_Moment->Enabled());
  EXPECT_TRUE(Form_Glav_Moment->bsSkinButton1->isEnabled());  // controls keep their looks
  EXPECT_TRUE(Application->Terminated());
  // Not restored: still layered, the last frame of the sweep nearly
  // transparent. The sweep runs over the whole window, its frame included.
  EXPECT_TRUE(platform::IsLayered(Form_Glav_Moment));
  const QImage last = platform::LayeredFrame(Form_Glav_Moment);
  ASSERT_EQ(last.size(), Form_Glav_Moment->size());
  EXPECT_EQ(platform::LayeredOrigin(Form_Glav_Moment), Form_Glav_Moment->geometry().topLeft());
  long visible = 0;
  for (int y = 0; y < last.height(); ++y)
    for (int x = 0; x < last.width(); ++x) visible += last.constScanLine(y)[4 * x + 3] > 64;
  EXPECT_LT(visible, last.width() * last.height() / 10);
}

TEST_F(Transitions, WithoutACompositorTheSplashFadesInOpaqueAndTheMainWindowGoesAtOnce) {
  WithoutCompositor none;
  // The windows created again, now without a compositor. Halfway through
  // the fade-in the splash is shaped to the pixels that show.
  DestroyForms();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QRegion midway;
  QTimer::singleShot(250, [&midway] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QStringLiteral("FormDBtqrZastavka")) midway = w->mask();
  });
  CreateForms();
  TFormDBtqrZastavka* splash = FormDBtqrZastavka;
  const QRect whole(QPoint(0, 0), splash->size());
  EXPECT_TRUE(midway.intersects(whole));
  EXPECT_NE(midway, QRegion(whole));
  EXPECT_GE(platform::LayeredUpdateCount(splash), 3) << "a fade is several frames";
  // Restored: its own painting, no shape of the effect's left.
  EXPECT_FALSE(platform::IsLayered(splash));
  EXPECT_TRUE(splash->mask().isEmpty());
  EXPECT_EQ(platform::LayerWidget(splash), nullptr);
  EXPECT_TRUE(splash->Visible());

  // With nothing known of what is behind the main window, its sweep is not
  // drawn: it is hidden at once.
  FinishSplash();
  ASSERT_TRUE(Form_Glav_Moment->Visible());
  Form_Glav_Moment->Close();
  EXPECT_FALSE(Form_Glav_Moment->Visible());
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(platform::LayeredUpdateCount(Form_Glav_Moment), 0);
}
