// A long session in one process: every working window opened and closed
// hundreds of times, every choice of both table windows shown, both
// calculations run a thousand times, notices and the About window opened
// and closed. Once the first round has warmed everything up, the process
// must not keep growing; the sanitizer build checks that nothing leaks.
// Run under the "long" label.
#include "app/UnitInfTQR.h"
#include "app/Unit_Glav_Moment.h"
#include "app/Unit_Pnevmo.h"
#include "calc/Unit_Calcule.h"
#include "calc/Unit_DrugieRezby.h"
#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinNumericEdit.h"
#include "tables/Unit_Bolty.h"
#include "tables/Unit_Gayki.h"
#include "tests/app/ProgramWindows.h"
#include "tests/common/Notices.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <unistd.h>

namespace {

// Resident memory of this process, in bytes.
qint64 ResidentBytes() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return -1;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

void Click(TbsSkinButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Opens each working window from the main window (the calculation window
// from the note window) and closes it again.
void OpenAndCloseWorkingWindows() {
  const std::pair<TbsSkinButton*, TForm*> fromMain[] = {{Form_Glav_Moment->bsSkinButton1, Form_Bolty},
                                                        {Form_Glav_Moment->bsSkinButton2, Form_Gayki},
                                                        {Form_Glav_Moment->bsSkinButton3, Form_DrugieRezby},
                                                        {Form_Glav_Moment->bsSkinButton5, Form_Pnevmo}};
  for (const auto& [button, window] : fromMain) {
    Click(button);
    ASSERT_TRUE(window->Visible()) << window->objectName().toStdString();
    if (window == Form_DrugieRezby) {
      Click(Form_DrugieRezby->bsSkinButton1);
      ASSERT_TRUE(Form_Calcule->Visible());
      Form_Calcule->Close();
    }
    window->Close();
    ASSERT_TRUE(Form_Glav_Moment->Visible());
  }
  // What the event loop would do between a user's clicks: run what is due
  // and delete what was let go.
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Every diameter, class and joint class of both table windows, shown.
void ShowEveryChoice(int* shown) {
  for (auto [form, diameter, strength, joint, show] :
       {std::tuple{(TForm*)Form_Bolty, Form_Bolty->bsSkinComboBox1, Form_Bolty->bsSkinComboBox2,
                   Form_Bolty->bsSkinComboBox3, Form_Bolty->bsSkinButton2},
        std::tuple{(TForm*)Form_Gayki, Form_Gayki->bsSkinComboBox1, Form_Gayki->bsSkinComboBox2,
                   Form_Gayki->bsSkinComboBox3, Form_Gayki->bsSkinButton2}}) {
    form->Show();
    for (int d = 0; d < diameter->Items().size(); ++d) {
      diameter->SetItemIndex(d);
      for (int s = 0; s < strength->Items().size(); ++s) {
        strength->SetItemIndex(s);
        for (int j = 0; j < joint->Items().size(); ++j) {
          joint->SetItemIndex(j);
          Click(show);
          ++*shown;
        }
      }
    }
    form->Close();
  }
}

// Both calculations of the calculation window with every input given.
void Calculate(int times) {
  TForm_Calcule* w = Form_Calcule;
  w->Show();
  QTest::mouseClick(w->bsSkinRadioGroup1->Button(2), Qt::LeftButton);
  w->bsSkinNumericEdit1->SetValue(16);
  w->bsSkinNumericEdit2->SetValue(10.5);
  w->bsSkinNumericEdit3->SetValue(0.14);
  w->bsSkinComboBox1->SetItemIndex(0);
  w->bsSkinComboBox2->SetItemIndex(0);
  w->bsSkinNumericEdit4->SetValue(9.026);
  w->Mzat->SetValue(100);
  w->P->SetItemIndex(0);
  w->dsr->SetItemIndex(0);
  w->mu->SetValue(0.14);
  w->dn->SetValue(16);
  w->dv->SetValue(10.5);
  for (int i = 0; i < times; ++i) {
    Click(w->bsSkinButton1);
    Click(w->bsSkinButton2);
  }
  w->Close();
}

// A notice of the calculation window (nothing given: the first missing
// input), and the About window, each opened and closed.
void NoticeAndAbout(NoticeRecorder& notices) {
  Form_Calcule->Show();
  Form_Calcule->bsSkinNumericEdit1->SetValue(0);
  Form_Calcule->bsSkinRadioGroup1->SetItemIndex(-1);
  const int before = notices.Count();
  Click(Form_Calcule->bsSkinButton1);
  ASSERT_EQ(notices.Count(), before + 1);
  Form_Calcule->Close();
  Click(Form_Glav_Moment->bsSkinButton4);
  ASSERT_TRUE(FormInfTQR->Visible());
  FormInfTQR->Close();
}

using Soak = ProgramWindowsTest;

TEST_F(Soak, MemoryStaysPutOverALongSession) {
  FinishSplash();
  NoticeRecorder notices;
  QElapsedTimer took;
  took.start();
  int shown = 0;

  // The first round: everything once, so that every cache is filled.
  ASSERT_NO_FATAL_FAILURE(OpenAndCloseWorkingWindows());
  ShowEveryChoice(&shown);
  Calculate(1);
  ASSERT_NO_FATAL_FAILURE(NoticeAndAbout(notices));
  EXPECT_EQ(notices.Count(), 1) << "a calculation with every input given asked for something";
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const qint64 before = ResidentBytes();

  for (int i = 1; i < 300; ++i) ASSERT_NO_FATAL_FAILURE(OpenAndCloseWorkingWindows());
  ShowEveryChoice(&shown);
  Calculate(999);
  for (int i = 1; i < 100; ++i) ASSERT_NO_FATAL_FAILURE(NoticeAndAbout(notices));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const qint64 after = ResidentBytes();

  EXPECT_EQ(notices.Count(), 100);
  EXPECT_GT(shown, 0);
  std::printf("soak: %lld ms, resident %lld KiB after the first round, %lld KiB at the end\n",
              static_cast<long long>(took.elapsed()), static_cast<long long>(before / 1024),
              static_cast<long long>(after / 1024));
  ASSERT_GT(before, 0);
#if defined(__SANITIZE_ADDRESS__)
  // The sanitizer holds freed memory back on purpose; its leak check at the
  // end of the run is the measure there.
#else
  EXPECT_LT(after - before, 5 * 1024 * 1024);
#endif
}

}  // namespace
