// The application object's error display, the window base class and the
// small system services.
#include "platform/Exceptions.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Layered.h"
#include "platform/Platform.h"
#include "tests/common/ErrorRecorder.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

class TEventSpy : public QObject {
public:
  explicit TEventSpy(std::function<void(QObject*, QEvent*)> seen) : FSeen(std::move(seen)) {}
  bool eventFilter(QObject* o, QEvent* e) override {
    FSeen(o, e);
    return false;
  }

private:
  std::function<void(QObject*, QEvent*)> FSeen;
};

class Throwing : public QObject {
public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("plain failure");
    return QObject::event(e);
  }
};

TEST(ErrorDisplay, ErrorsFromAnyEventAreCaughtAroundDelivery) {
  ErrorRecorder errors;
  Throwing target;
  QEvent e(QEvent::User);
  EXPECT_NO_THROW(QCoreApplication::sendEvent(&target, &e));
  ASSERT_EQ(errors.Shown.size(), 1);
  EXPECT_EQ(errors.Shown[0], QStringLiteral("plain failure"));
  // Posted events too.
  QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
  QCoreApplication::processEvents();
  EXPECT_EQ(errors.Shown.size(), 2);
}

TEST(FormClose, DefaultActionHidesAndTheHandlerMayChangeIt) {
  TForm form;
  form.Show();
  form.Close();
  EXPECT_FALSE(form.Visible());
  int calls = 0;
  TCloseAction next = TCloseAction::caNone;
  form.OnClose = [&](TObject* sender, TCloseAction& action) {
    EXPECT_EQ(sender, &form);
    EXPECT_EQ(action, TCloseAction::caHide);
    action = next;
    ++calls;
  };
  form.Show();
  form.Close();
  EXPECT_TRUE(form.Visible());
  next = TCloseAction::caHide;
  form.Close();
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(calls, 2);
}

TEST(FormShow, ALayeredWindowComesBeforeItsControlsWhichStillTakeTheFocus) {
  TForm form;
  auto* first = new QLineEdit(form.Client());
  auto* chosen = new QLineEdit(form.Client());
  auto* hidden = new QLineEdit(form.Client());
  hidden->hide();
  form.ActiveControl = chosen;
  std::vector<QObject*> shown;
  TEventSpy spy([&](QObject* o, QEvent* e) {
    if (e->type() == QEvent::Show) shown.push_back(o);
  });
  for (QObject* o : {static_cast<QObject*>(&form), static_cast<QObject*>(form.Client())}) o->installEventFilter(&spy);
  platform::SetLayered(&form, true);
  form.Show();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], &form);
  EXPECT_EQ(shown[1], form.Client());
  EXPECT_TRUE(first->isVisible());
  EXPECT_FALSE(hidden->isVisible());
  EXPECT_EQ(form.focusWidget(), chosen);
  // Shown again: the control last focused keeps the focus.
  first->setFocus();
  form.Hide();
  form.Show();
  EXPECT_EQ(form.focusWidget(), first);
}

TEST(FormLayout, ClientAreaSitsInsideTheNonClientBand) {
  TForm form;
  form.SetClientSize(200, 100);
  EXPECT_EQ(form.size(), QSize(200, 100));
  form.SetNonClientMargins(QMargins(2, 25, 2, 3));
  EXPECT_EQ(form.size(), QSize(204, 128));
  EXPECT_EQ(form.Client()->geometry(), QRect(2, 25, 200, 100));
  EXPECT_EQ(form.ClientWidth(), 200);
}

TEST(FormRegistry, WindowsAreListedInCreationOrder) {
  const int before = Application->Forms().size();
  auto* a = new TForm;
  auto* b = new TForm;
  ASSERT_EQ(Application->Forms().size(), before + 2);
  EXPECT_EQ(Application->Forms()[before], a);
  EXPECT_EQ(Application->Forms()[before + 1], b);
  delete a;
  EXPECT_EQ(Application->Forms().size(), before + 1);
  delete b;
}

TEST(Colours, SystemColoursResolveThroughOnePlace) {
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
  EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(clBlue), QColor(0, 0, 255));
  EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0);
  EXPECT_EQ(ColorToRGB(clWindowText), 0x000000);
  EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
  EXPECT_EQ(FontPixelSize(-16), 16);
  EXPECT_EQ(FontPixelSize(14), 13);
}

TEST(SystemServices, FakeClockAndRandomNumbers) {
  std::uint32_t now = 1000;
  platform::SetTickSource([&] { return now; });
  EXPECT_EQ(platform::TickCount(), 1000u);
  now = 1500;
  EXPECT_EQ(platform::TickCount(), 1500u);
  platform::SetTickSource(nullptr);
  EXPECT_NE(platform::TickCount(), 1500u + 0 * now);

  platform::SetRandSeed(42);
  const int a = platform::Random(8);
  platform::SetRandSeed(42);
  EXPECT_EQ(platform::Random(8), a);
  for (int i = 0; i < 1000; ++i) {
    const int r = platform::Random(8);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 8);
  }
  EXPECT_EQ(platform::Random(0), 0);
}

TEST(SystemServices, LocaleSeparatorsCanBeOverridden) {
  EXPECT_EQ(platform::DecimalSeparator(), QChar(','));
  EXPECT_EQ(platform::ThousandSeparator(), QChar(0x00A0));
  platform::SetLocaleSeparators(QChar('.'), QChar(','));
  EXPECT_EQ(platform::DecimalSeparator(), QChar('.'));
  platform::SetLocaleSeparators(QChar(','), QChar(0x00A0));
}

TEST(SystemServices, ProgramFolderEndsWithASeparator) {
  EXPECT_TRUE(platform::ProgramFolder().endsWith('/'));
  platform::SetProgramFolder(QStringLiteral("/tmp/x"));
  EXPECT_EQ(platform::ProgramFolder(), QStringLiteral("/tmp/x/"));
  platform::SetProgramFolder(QString());
  EXPECT_NE(platform::ProgramFolder(), QStringLiteral("/tmp/x/"));
}

TEST(SystemServices, ClearPicturesHoldZerosInTheUsualLayout) {
  // Small ones and ones large enough for memory of their own, in the
  // formats the program draws with; the effects rely on every byte being
  // zero and on rows laid out as any other picture's.
  const QSize sizes[] = {{7, 3}, {525, 373}, {301, 1000}};
  const QImage::Format formats[] = {QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
                                    QImage::Format_RGB32, QImage::Format_Grayscale8};
  auto check = [&] {
    for (const QSize& size : sizes) {
      for (const QImage::Format format : formats) {
        QImage picture = platform::NewClearPicture(size.width(), size.height(), format);
        const QImage usual(size, format);
        ASSERT_EQ(picture.size(), size);
        ASSERT_EQ(picture.format(), format);
        ASSERT_EQ(picture.bytesPerLine(), usual.bytesPerLine());
        ASSERT_EQ(picture.sizeInBytes(), usual.sizeInBytes());
        const uchar* bytes = picture.constBits();
        EXPECT_TRUE(std::all_of(bytes, bytes + picture.sizeInBytes(), [](uchar b) { return b == 0; }))
            << size.width() << "x" << size.height() << " format " << int(format);
        // Written in place; a copy taken before keeps what it had.
        const QImage before = picture;
        picture.bits()[picture.sizeInBytes() - 1] = 0x5A;
        EXPECT_EQ(picture.constBits()[picture.sizeInBytes() - 1], 0x5A);
        EXPECT_EQ(before.constBits()[before.sizeInBytes() - 1], 0);
      }
    }
  };
  check();
  // Again, with memory for two of the 525 x 373 ones (in a format of 32 bits
  // a pixel) made ready ahead.
  platform::PrepareReadyPictures(525, 373, 2);
  check();
  EXPECT_TRUE(platform::NewClearPicture(0, 5, QImage::Format_ARGB32).isNull());

  // Pictures made while memory is ready, of both kinds, more of them than
  // there is memory for: each has memory of its own.
  platform::PrepareReadyPictures(525, 373, 3);
  std::vector<QImage> pictures;
  for (int i = 0; i < 5; ++i) {
    pictures.push_back(i % 2 ? platform::NewPicture(525, 373, QImage::Format_ARGB32)
                             : platform::NewClearPicture(525, 373, QImage::Format_ARGB32));
    ASSERT_FALSE(pictures.back().isNull());
    pictures.back().fill(QColor::fromRgb(i, 0, 0));
  }
  for (int i = 0; i < 5; ++i) EXPECT_EQ(qRed(pictures[std::size_t(i)].pixel(524, 372)), i);
  platform::ReleaseFreedMemory();
}

// (The sanitizer's allocator keeps a heap of its own.)
#if defined(__GLIBC__) && defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
TEST(SystemServices, TheStartHeapIsMadeReadyAndGivenBack) {
  // The share of the pages between two addresses that are in memory; a
  // range the heap no longer reaches holds none.
  const long page = sysconf(_SC_PAGESIZE);
  auto resident = [page](const char* from, const char* to) {
    from += 16 * page;  // clear of the blocks' edges
    to -= 16 * page;
    const auto first = reinterpret_cast<std::uintptr_t>(from) & ~std::uintptr_t(page - 1);
    std::vector<unsigned char> in(std::size_t((reinterpret_cast<std::uintptr_t>(to) - first) / std::uintptr_t(page)));
    if (mincore(reinterpret_cast<void*>(first), in.size() * std::size_t(page), in.data()) != 0) return 0.0;
    return double(std::count_if(in.begin(), in.end(), [](unsigned char c) { return c & 1; })) / double(in.size());
  };
  constexpr std::size_t kBytes = 4u << 20;
  platform::ReserveStartHeap(kBytes);
  const char* after = static_cast<const char*>(sbrk(0));  // the room lies just below
  platform::MakeStartHeapReady();
  EXPECT_GT(resident(after - kBytes, after), 0.9) << "made ready in one go";
  platform::ReleaseFreedMemory();
  EXPECT_LT(resident(after - kBytes, after), 0.1) << "given back once start-up is over";
  // And from then on the heap gives back a freed top as it did before.
  const char* low = static_cast<const char*>(sbrk(0));
  std::vector<void*> blocks;
  for (std::size_t n = 0; n < kBytes; n += 30000) blocks.push_back(std::malloc(30000));
  const char* high = static_cast<const char*>(sbrk(0));
  ASSERT_GT(high - low, std::ptrdiff_t(kBytes / 2));
  for (void* b : blocks) std::memset(b, 1, 30000);
  for (void* b : blocks) std::free(b);
  EXPECT_LT(resident(low, high), 0.1) << "a freed top is given back at once";
}
#endif

TEST(SystemServices, AfterNextPaintWaitsForTheWindowOnScreen) {
  struct TPainted : QWidget {
    std::vector<std::string>* Order = nullptr;
    void paintEvent(QPaintEvent*) override { Order->push_back("paint"); }
  };
  std::vector<std::string> order;
  auto window = std::make_unique<QWidget>();
  window->resize(60, 40);
  auto* child = new TPainted;
  child->setParent(window.get());
  child->Order = &order;
  child->resize(20, 20);
  platform::AfterNextPaint(window.get(), [&] { order.push_back("window"); });
  platform::AfterNextPaint(nullptr, [&] { order.push_back("any"); });

  // Drawn into a picture while hidden: not on screen yet.
  QImage picture(60, 40, QImage::Format_ARGB32_Premultiplied);
  window->render(&picture);
  QCoreApplication::processEvents();
  EXPECT_EQ(order, (std::vector<std::string>{"paint"}));

  order.clear();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  QCoreApplication::processEvents();
  child->repaint();
  QCoreApplication::processEvents();
  ASSERT_GE(order.size(), 3u);
  EXPECT_EQ(order[0], "paint");
  EXPECT_EQ(std::count(order.begin(), order.end(), "window"), 1);
  EXPECT_EQ(std::count(order.begin(), order.end(), "any"), 1);

  // Hidden before it is painted, the action runs; destroyed, it is dropped.
  order.clear();
  auto hidden = std::make_unique<QWidget>();
  platform::AfterNextPaint(hidden.get(), [&] { order.push_back("hidden"); });
  hidden->show();
  hidden->hide();
  auto gone = std::make_unique<QWidget>();
  platform::AfterNextPaint(gone.get(), [&] { order.push_back("gone"); });
  gone->show();
  gone.reset();
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(order, (std::vector<std::string>{"hidden"}));
}

}  // namespace
