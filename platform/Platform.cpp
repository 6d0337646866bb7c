#include "platform/Platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <mutex>
#include <utility>
#include <vector>

#include <fontconfig/fontconfig.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <sys/mman.h>
#include <unistd.h>

namespace platform {

namespace {
std::function<std::uint32_t()> gTickSource;
std::function<std::int64_t()> gCounterSource;
std::function<void()> gBeepHook;
QString gProgramFolder;
std::uint32_t gSeed = 0;

std::int64_t SteadyNanoseconds() {
  using namespace std::chrono;
  return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

std::uint32_t TickCount() {
  if (gTickSource) return gTickSource();
  return static_cast<std::uint32_t>(SteadyNanoseconds() / 1000000);
}

std::int64_t PerformanceCounter() {
  if (gCounterSource) return gCounterSource();
  return SteadyNanoseconds();
}

void SetTickSource(std::function<std::uint32_t()> source) { gTickSource = std::move(source); }
void SetCounterSource(std::function<std::int64_t()> source) { gCounterSource = std::move(source); }

void Randomize() { gSeed = static_cast<std::uint32_t>(PerformanceCounter()); }
void SetRandSeed(std::uint32_t seed) { gSeed = seed; }
std::uint32_t RandSeed() { return gSeed; }

int Random(int range) {
  // Linear congruential generator of the classic runtime (multiplier 134775813).
  gSeed = gSeed * 134775813u + 1u;
  if (range <= 0) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(gSeed) * static_cast<std::uint32_t>(range)) >> 32);
}

void Beep() {
  if (gBeepHook) {
    gBeepHook();
    return;
  }
  QApplication::beep();
}

void SetBeepHook(std::function<void()> hook) { gBeepHook = std::move(hook); }

namespace {
// Watches every event for the first paint of the window (of any window
// without one), then runs its action from the event loop, after the
// painting in progress has been handed to the window system.
class TAfterPaint : public QObject {
public:
  TAfterPaint(QWidget* window, std::function<void()> action)
      : QObject(qApp), FWindow(window), FAnyWindow(!window), FAction(std::move(action)) {
    qApp->installEventFilter(this);
    if (window) connect(window, &QObject::destroyed, this, [this] { deleteLater(); });
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (FDone || !watched->isWidgetType() || (!FAnyWindow && !FWindow)) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint) {
      // A window not shown yet is only being drawn into a picture.
      if (!widget->window()->isVisible()) return false;
      if (FAnyWindow || widget == FWindow || (FWindow && FWindow->isAncestorOf(widget))) Run();
    } else if (event->type() == QEvent::Hide && widget == FWindow) {
      Run();  // it will not be painted now
    }
    return false;
  }

private:
  void Run() {
    if (FDone) return;
    FDone = true;
    qApp->removeEventFilter(this);
    QMetaObject::invokeMethod(
        this,
        [this] {
          const std::function<void()> action = std::exchange(FAction, nullptr);
          deleteLater();
          if (action && (FAnyWindow || FWindow)) action();
        },
        Qt::QueuedConnection);
  }

  QPointer<QWidget> FWindow;
  bool FAnyWindow;
  bool FDone = false;
  std::function<void()> FAction;
};
}  // namespace

void AfterNextPaint(QWidget* window, std::function<void()> action) {
  if (!action) return;
  if (!qApp) {
    action();  // no event loop to wait for
    return;
  }
  new TAfterPaint(window, std::move(action));
}

QString ProgramFileName() { return QCoreApplication::applicationFilePath(); }

QString ProgramFolder() {
  if (!gProgramFolder.isEmpty()) return gProgramFolder;
  QString dir = QCoreApplication::applicationDirPath();
  if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
  return dir;
}

void SetProgramFolder(const QString& folder) {
  gProgramFolder = folder;
  if (!gProgramFolder.isEmpty() && !gProgramFolder.endsWith(QLatin1Char('/')))
    gProgramFolder += QLatin1Char('/');
}

QRect WorkArea(const QWidget* widget) {
  QScreen* screen = nullptr;
  if (widget) screen = widget->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect WorkAreaAt(const QPoint& point) {
  QScreen* screen = QGuiApplication::screenAt(point);
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QPixmap StockIcon(TStockIcon icon, int size) {
  QStyle::StandardPixmap sp = QStyle::SP_MessageBoxInformation;
  switch (icon) {
    case TStockIcon::Warning: sp = QStyle::SP_MessageBoxWarning; break;
    case TStockIcon::Error: sp = QStyle::SP_MessageBoxCritical; break;
    case TStockIcon::Information: sp = QStyle::SP_MessageBoxInformation; break;
    case TStockIcon::Question: sp = QStyle::SP_MessageBoxQuestion; break;
  }
  return QApplication::style()->standardIcon(sp).pixmap(size, size);
}

}  // namespace platform

namespace platform {
namespace {
#if defined(__linux__)
std::uintptr_t PageSize() {
  static const std::uintptr_t page = std::uintptr_t(sysconf(_SC_PAGESIZE));
  return page;
}

// Populating writable pages takes one call for the whole range instead of a
// fault for each page (Linux 5.14 and later; older ones refuse, harmlessly).
void PopulateForWriting(uchar* bits, qsizetype size) {
  constexpr int kPopulateWrite = 23;  // MADV_POPULATE_WRITE
  const std::uintptr_t page = PageSize();
  if (size < qsizetype(4 * page)) return;
  const auto begin = (reinterpret_cast<std::uintptr_t>(bits) + page - 1) & ~(page - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(bits) + std::uintptr_t(size)) & ~(page - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, kPopulateWrite);
}

// Memory mapped for one picture, given back with it.
struct TPictureMapping {
  void* Address;
  std::size_t Length;
};
void UnmapPicture(void* info) {
  auto* mapping = static_cast<TPictureMapping*>(info);
  munmap(mapping->Address, mapping->Length);
  delete mapping;
}

// Fresh memory of its own, zero-filled and made ready; nullptr when the
// system gives none.
void* MapReadyMemory(std::size_t length) {
  void* address = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (address == MAP_FAILED) return nullptr;
  PopulateForWriting(static_cast<uchar*>(address), qsizetype(length));
  return address;
}

// A picture on a mapping, which goes with it. Should Qt refuse it (a null
// picture), Qt did not take the memory: it goes back at once.
QImage PictureOnMapping(void* address, std::size_t length, int width, int height, qint64 bytesPerLine,
                        QImage::Format format) {
  auto* mapping = new TPictureMapping{address, length};
  QImage picture(static_cast<uchar*>(address), width, height, qsizetype(bytesPerLine), format, &UnmapPicture, mapping);
  if (picture.isNull()) UnmapPicture(mapping);
  return picture;
}

// Mappings made ready ahead for pictures of one size (PrepareReadyPictures).
struct TReadyPictures {
  std::mutex Lock;
  std::size_t Length = 0;
  std::vector<void*> Blocks;
};
TReadyPictures& ReadyPictures() {
  static TReadyPictures ready;
  return ready;
}
// Gives back the mappings not taken (the caller holds the lock).
void DropReadyPictures(TReadyPictures& ready) {
  for (void* address : ready.Blocks) munmap(address, ready.Length);
  ready.Blocks.clear();
}

// Rows as QImage lays them out: whole 32-bit words each; 0 when a picture of
// this size and format cannot be made.
qint64 BytesPerLine(int width, int height, QImage::Format format) {
  const int depth = QImage::toPixelFormat(format).bitsPerPixel();
  if (width <= 0 || height <= 0 || depth <= 0 || format == QImage::Format_Invalid) return 0;
  const qint64 bytesPerLine = (qint64(width) * depth + 31) / 32 * 4;
  return bytesPerLine <= std::numeric_limits<int>::max() ? bytesPerLine : 0;
}

// A picture on memory made ready ahead for its size, if there is such;
// otherwise a null one.
QImage ReadyPicture(int width, int height, QImage::Format format) {
  const qint64 bytesPerLine = BytesPerLine(width, height, format);
  if (bytesPerLine == 0 || QImage::toPixelFormat(format).bitsPerPixel() != 32) return {};
  const auto length = std::size_t(bytesPerLine * height);
  void* address = nullptr;
  {
    TReadyPictures& ready = ReadyPictures();
    std::lock_guard<std::mutex> lock(ready.Lock);
    if (ready.Length != length || ready.Blocks.empty()) return {};
    address = ready.Blocks.back();
    ready.Blocks.pop_back();
  }
  return PictureOnMapping(address, length, width, height, bytesPerLine, format);
}
#endif
}  // namespace

void PrepareReadyPictures(int width, int height, int count) {
#if defined(__linux__)
  const qint64 bytesPerLine = BytesPerLine(width, height, QImage::Format_ARGB32);
  if (bytesPerLine == 0 || count <= 0) return;
  const auto length = std::size_t(bytesPerLine * height);
  TReadyPictures& ready = ReadyPictures();
  {
    std::lock_guard<std::mutex> lock(ready.Lock);
    DropReadyPictures(ready);
    ready.Length = length;
  }
  // Each is there to be taken as soon as it is ready.
  for (int i = 0; i < count; ++i) {
    void* address = MapReadyMemory(length);
    if (!address) break;
    std::lock_guard<std::mutex> lock(ready.Lock);
    if (ready.Length != length) {  // made ready for another size meanwhile
      munmap(address, length);
      break;
    }
    ready.Blocks.push_back(address);
  }
#else
  (void)width, (void)height, (void)count;
#endif
}

QImage NewPicture(int width, int height, QImage::Format format) {
#if defined(__linux__)
  if (QImage ready = ReadyPicture(width, height, format); !ready.isNull()) return ready;
#endif
  QImage picture(width, height, format);
#if defined(__linux__)
  if (!picture.isNull()) PopulateForWriting(picture.bits(), picture.sizeInBytes());
#endif
  return picture;
}

QImage NewClearPicture(int width, int height, QImage::Format format) {
#if defined(__linux__)
  if (QImage ready = ReadyPicture(width, height, format); !ready.isNull()) return ready;  // zero-filled
  if (const qint64 bytesPerLine = BytesPerLine(width, height, format)) {
    const qint64 bytes = bytesPerLine * height;
    // Small pictures are not worth a mapping of their own.
    if (bytes >= qint64(16 * PageSize())) {
      if (void* address = MapReadyMemory(std::size_t(bytes)))
        return PictureOnMapping(address, std::size_t(bytes), width, height, bytesPerLine, format);
    }
  }
#endif
  QImage picture = NewPicture(width, height, format);
  if (!picture.isNull()) std::memset(picture.bits(), 0, std::size_t(picture.sizeInBytes()));
  return picture;
}

namespace {
// The glibc default for both thresholds, which setting either one fixes.
constexpr int kDefaultThreshold = 128 * 1024;
std::atomic<bool> gStartHeapKept{false};
std::atomic<uchar*> gStartHeapBegin{nullptr};
std::atomic<qsizetype> gStartHeapSize{0};
}  // namespace

void ReserveStartHeap(std::size_t bytes) {
#if defined(__GLIBC__) && defined(__linux__)
  if (bytes == 0 || gStartHeapKept.exchange(true)) return;
  // A block this large would get a mapping of its own: for a moment it is
  // taken from the heap instead. Freed, it stays there as free space while
  // start-up runs (a free top this size would otherwise go back at once).
  const int size = int(std::min<std::size_t>(bytes, 16u << 20));
  mallopt(M_MMAP_THRESHOLD, 2 * size);
  void* block = std::malloc(std::size_t(size));
  mallopt(M_MMAP_THRESHOLD, kDefaultThreshold);
  mallopt(M_TRIM_THRESHOLD, 4 * size);
  // Only memory of the heap itself is made ready later (should the heap not
  // grow, the block was a mapping, gone again once freed).
  if (!block || static_cast<char*>(block) + size > static_cast<char*>(sbrk(0))) {
    std::free(block);
    return;
  }
  gStartHeapBegin = static_cast<uchar*>(block);
  gStartHeapSize = size;
  std::free(block);
#else
  (void)bytes;
#endif
}

void MakeStartHeapReady() {
#if defined(__linux__)
  // Free memory of the process's own heap: written or not, it is its own.
  if (uchar* begin = gStartHeapBegin.exchange(nullptr)) PopulateForWriting(begin, gStartHeapSize);
#endif
}

void ReleaseFreedMemory() {
#if defined(__GLIBC__)
  // The room goes back with the rest: it is not made ready after this.
  gStartHeapBegin = nullptr;
  if (gStartHeapKept.exchange(false)) mallopt(M_TRIM_THRESHOLD, kDefaultThreshold);
  malloc_trim(0);
#endif
#if defined(__linux__)
  TReadyPictures& ready = ReadyPictures();
  std::lock_guard<std::mutex> lock(ready.Lock);
  DropReadyPictures(ready);
#endif
}

void ReadFontConfiguration() {
  // The library keeps what it read as its current configuration (reading it
  // on two threads at once is safe as well).
  FcInit();
}

void FillFontList() { QFontDatabase::families(); }
}  // namespace platform
