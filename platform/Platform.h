#pragma once
// The system services the program needs, on Qt. Nothing here knows about the
// rest of the program; the locale separators are kept by core/, the library
// below everything.
#include "core/Separators.h"

#include <QChar>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>

class QWidget;

namespace platform {

// --- Time -------------------------------------------------------------------
// Milliseconds since an arbitrary start, wrapping at 2^32.
std::uint32_t TickCount();
// High-resolution counter (nanoseconds).
std::int64_t PerformanceCounter();
// Tests drive time by hand; an empty function restores the real clock.
void SetTickSource(std::function<std::uint32_t()> source);
void SetCounterSource(std::function<std::int64_t()> source);

// --- Pseudo-random numbers ---------------------------------------------------
void Randomize();               // seed from the high-resolution counter
void SetRandSeed(std::uint32_t seed);
std::uint32_t RandSeed();
int Random(int range);          // 0 .. range-1 (0 when range <= 0)

// --- Sound ------------------------------------------------------------------
// The default beep. Tests may count beeps instead of hearing them.
void Beep();
void SetBeepHook(std::function<void()> hook);

// --- Events -----------------------------------------------------------------
// Runs `action` from the event loop once `window` (any window when null) has
// next been painted and the picture handed to the window system: for work
// that a window's first frame need not wait for. Should the window be hidden
// before it is painted, the action runs then; once it is destroyed, the
// action is dropped.
void AfterNextPaint(QWidget* window, std::function<void()> action);

// --- Memory -----------------------------------------------------------------
// Gives memory the program has freed back to the system (after start-up,
// whose pictures and buffers are gone once the first windows show), the
// start-up heap's unused part included.
void ReleaseFreedMemory();
// The start-up heap: start-up makes thousands of small allocations, and each
// fresh page the heap grows into costs a fault of its own on first touch. The
// heap is grown by `bytes` at once (on the main thread, before any other
// thread allocates) and kept grown until ReleaseFreedMemory; MakeStartHeapReady
// (once, on any thread) makes its pages ready in one go. Allocations of a
// picture's size still get mappings of their own.
void ReserveStartHeap(std::size_t bytes);
void MakeStartHeapReady();
// A new picture whose memory is made ready in one go before it is written:
// on some systems (virtual machines above all) the first touch of each fresh
// page costs many times more than writing it. Where the system cannot, it is
// an ordinary new picture.
QImage NewPicture(int width, int height, QImage::Format format);
// A new picture whose every byte is zero (transparent black where the format
// has alpha), made without writing it: on Linux its memory comes zero-filled
// from the system (made ready in one go, as NewPicture's is), so rows that
// are to stay zero are never written. Elsewhere it is a new picture cleared
// byte by byte.
QImage NewClearPicture(int width, int height, QImage::Format format);
// Makes ready, on the calling thread, the memory of `count` pictures of 32
// bits a pixel and the given size, zero-filled: the next such pictures
// NewPicture and NewClearPicture make take it instead of making their own
// ready then (while this runs, they make their own). What is not taken by
// ReleaseFreedMemory goes back to the system then.
void PrepareReadyPictures(int width, int height, int count);

// --- Fonts ------------------------------------------------------------------
// Reads the system's font configuration, which Qt's font database then finds
// ready. It takes milliseconds and needs no application object, so start-up
// reads it on a thread of its own.
void ReadFontConfiguration();
// Fills Qt's list of the system's fonts, which every thread shares: done on
// another thread while the first window is being made, it is ready when that
// window draws its first text. Needs the application object.
void FillFontList();

// --- Program file -----------------------------------------------------------
QString ProgramFileName();
// Folder of the running executable, with a trailing "/". Tests may point it
// at a temporary folder; an empty text restores the real one.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// --- Screen -----------------------------------------------------------------
// Work area (screen less panels) of the monitor that holds the widget, or of
// the primary monitor when the widget is null.
QRect WorkArea(const QWidget* widget = nullptr);
QRect WorkAreaAt(const QPoint& point);

// --- Locale -----------------------------------------------------------------
// The user's decimal and group separators, and their one override (tests set
// the Russian ones: ',' and U+00A0), are core's: read and set them here or there.
using core::DecimalSeparator;
using core::ThousandSeparator;
using core::SetLocaleSeparators;

// --- Stock icons ------------------------------------------------------------
enum class TStockIcon { Warning, Error, Information, Question };
QPixmap StockIcon(TStockIcon icon, int size = 32);

// --- Window animation -------------------------------------------------------
constexpr std::uint32_t AW_HOR_POSITIVE = 0x00000001;
constexpr std::uint32_t AW_HOR_NEGATIVE = 0x00000002;
constexpr std::uint32_t AW_VER_POSITIVE = 0x00000004;
constexpr std::uint32_t AW_VER_NEGATIVE = 0x00000008;
constexpr std::uint32_t AW_CENTER = 0x00000010;
constexpr std::uint32_t AW_HIDE = 0x00010000;
constexpr std::uint32_t AW_ACTIVATE = 0x00020000;
constexpr std::uint32_t AW_SLIDE = 0x00040000;
constexpr std::uint32_t AW_BLEND = 0x00080000;
// Shows (or with AW_HIDE hides) the window over `ms` milliseconds, moving
// in the direction the flags give (AW_HOR_POSITIVE: left to right). With
// AW_SLIDE the window's picture travels with the moving edge: it slides in
// from the edge it starts at (or out over the edge it goes to). Without it
// the window rolls: its picture stands still and is uncovered (or covered)
// from that edge. AW_CENTER expands it from its middle (collapses it
// towards it). The frames are layered pictures of the whole window, its own
// shape included; time runs on TickCount(). A shown window is not animated
// (with AW_ACTIVATE it comes to the front), nor is a hidden one hidden.
// Returns when done, true when the window was animated or hidden; messages
// keep being dispatched meanwhile.
bool AnimateWindow(QWidget* window, int ms, std::uint32_t flags);
// The frame of the animation with `shown` (0 .. 1) of the window seen, for
// showing: `picture` (the window as it looks, premultiplied ARGB) where it
// shows at that moment, transparent elsewhere. A hiding window's frame at
// progress f is the frame of the opposite direction with 1 - f shown.
QImage WindowAnimationFrame(const QImage& picture, double shown, std::uint32_t flags);

}  // namespace platform
