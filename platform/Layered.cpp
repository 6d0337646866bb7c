#include "platform/Layered.h"

#include "platform/Platform.h"

#include "platform/WindowSystem.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstring>
#include <memory>
#include <utility>

namespace platform {

namespace {

// Shows one picture, painted as it is: premultiplied pixels replace what is
// under them (the translucent layer), opaque ones are simply drawn.
class TPictureView : public QWidget {
public:
  TPictureView(QWidget* parent, Qt::WindowFlags flags, QPainter::CompositionMode mode)
      : QWidget(parent, flags), FMode(mode) {}

  void SetPicture(const QImage& picture) {
    FPicture = picture;
    update();
  }
  // A picture of which only `changed` differs from the one shown before.
  void SetPicture(const QImage& picture, const QRegion& changed) {
    FPicture = picture;
    if (!changed.isEmpty()) update(changed);
  }
  // Lets go of the picture without repainting, so that its owner may write
  // the next one into the same memory.
  void ReleasePicture() { FPicture = QImage(); }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setCompositionMode(FMode);
    p.drawImage(0, 0, FPicture);
  }

private:
  QPainter::CompositionMode FMode;
  QImage FPicture;
};

// The translucent top-level that shows a layered window's picture.
class TLayerSurface : public TPictureView {
public:
  TLayerSurface()
      : TPictureView(nullptr,
                     Qt::Tool | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                         Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint,
                     QPainter::CompositionMode_Source) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setObjectName(QStringLiteral("LayerSurface"));
  }
};

// Without a compositor: the child that shows the opaque picture over the
// window's own painting.
class TLayerPicture : public TPictureView {
public:
  explicit TLayerPicture(QWidget* window) : TPictureView(window, {}, QPainter::CompositionMode_SourceOver) {
    setObjectName(QStringLiteral("LayerPicture"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
};

// A shape that shows nothing of a window (an empty region would remove the
// shape altogether).
const QRegion kNothing(-1, -1, 1, 1);

// Everything a layered window carries; a child object of the window, so it
// goes away with it.
class TLayerState : public QObject {
public:
  explicit TLayerState(QWidget* window) : QObject(window), FWindow(window) {
    setObjectName(QStringLiteral("LayerState"));
    FSavedOpacity = window->windowOpacity();
    FOpaque = !CompositorRunning();
    window->installEventFilter(this);
    AskForBackdrop();
  }

  ~TLayerState() override { Unlayer(); }

  // Closes the layer and gives the window back its own look; the last frame
  // stays readable.
  void Unlayer() {
    delete FSurface;
    delete FPicture;
    if (FWindow) {
      FWindow->removeEventFilter(this);
      if (FTransparent) FWindow->setWindowOpacity(FSavedOpacity);
      if (FShaped) {
        if (FSavedMask.isEmpty())
          FWindow->clearMask();
        else
          FWindow->setMask(FSavedMask);
      }
    }
    FTransparent = false;
    FShaped = false;
    FReading.reset();
    FBackdrop = QImage();
    Layered = false;
  }

  void Relayer() {
    if (Layered) return;
    Layered = true;
    Count = 0;
    Frame = QImage();
    FComposed = false;
    Flags = 0;
    FOpaque = !CompositorRunning();
    if (FWindow) {
      FSavedOpacity = FWindow->windowOpacity();
      FWindow->installEventFilter(this);
    }
    AskForBackdrop();
  }

  // `differs`, when given: where the picture may differ from the one pushed
  // before it.
  void Push(const QPoint& origin, const QImage& frame, int flags, const QRegion* differs = nullptr) {
    // The picture shown until now, held only while the new one is composed.
    const QImage previous = std::exchange(Frame, QImage());
    const bool likePrevious = FComposed && flags == Flags && origin == Origin;
    KeepFrame(frame);
    Flags = flags;
    Origin = origin;
    ++Count;
    if (FOpaque) {
      ShowOpaque(likePrevious ? previous : QImage(), likePrevious ? differs : nullptr);
      return;
    }
    if (!FSurface) FSurface = new TLayerSurface;
    // What the surface paints: the premultiplied picture, or the colours alone.
    QImage shown(Frame.constBits(), Frame.width(), Frame.height(), Frame.bytesPerLine(),
                 (flags & ULW_ALPHA) ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    FSurface->SetPicture(shown.copy());
    FSurface->setGeometry(QRect(origin, Frame.size()));
    if (FWindow && FWindow->isVisible()) ShowSurface();
    // The window's own painting no longer shows through.
    if (FWindow && !FTransparent) {
      FWindow->setWindowOpacity(0.0);
      FTransparent = true;
    }
  }

  QWidget* Surface() const { return FOpaque ? static_cast<QWidget*>(FPicture) : FSurface; }

  bool Layered = true;
  QImage Frame;
  int Flags = 0;
  QPoint Origin;
  int Count = 0;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Sent before the window is mapped: what is behind it is still on screen.
    if (watched == FWindow && FOpaque && event->type() == QEvent::Show) TakeBackdrop();
    if (watched == FWindow && FSurface && Count > 0) {
      if (event->type() == QEvent::Show) ShowSurface();
      else if (event->type() == QEvent::Hide) FSurface->hide();
    }
    return false;
  }

private:
  // The frame shares the caller's picture: should the caller draw into it
  // again, its picture becomes a copy of its own then, and this one stays
  // as pushed. An effect that draws its frames into two pictures in turn
  // pushes each without a copy.
  void KeepFrame(const QImage& frame) { Frame = frame; }

  void ShowSurface() {
    if (FSurface->isVisible()) return;
    FSurface->show();
    if (FWindow && FSurface->windowHandle() && FWindow->windowHandle())
      FSurface->windowHandle()->setTransientParent(FWindow->windowHandle());
    FSurface->raise();
  }

  // A window made layered while hidden is about to be shown: what is behind
  // it is asked for at once, and the X server copies it while the window's
  // first picture is drawn. Once the program is back in its event loop the
  // reading is no longer just before the showing, and is let go.
  void AskForBackdrop() {
    FReading.reset();
    if (!FOpaque || !FWindow || FWindow->isVisible()) return;
    FReading = std::make_unique<TScreenAreaReading>(FWindow->frameGeometry());
    QTimer::singleShot(0, this, [this] { FReading.reset(); });
  }

  // The screen behind the window, while it is not shown yet. Until its
  // first picture the window shows nothing.
  void TakeBackdrop() {
    const QRect r = FWindow->frameGeometry();
    QScreen* screen = FWindow->screen() ? FWindow->screen() : QGuiApplication::primaryScreen();
    FBackdrop = QImage();
    const std::unique_ptr<TScreenAreaReading> reading = std::move(FReading);
    if (screen) {
      const QRect sg = screen->geometry();
      if (sg.contains(r)) FBackdrop = reading && reading->Area() == r ? reading->Take() : GrabScreenArea(r);
      if (FBackdrop.isNull())
        FBackdrop = screen->grabWindow(0, r.x() - sg.x(), r.y() - sg.y(), r.width(), r.height()).toImage();
      if (FBackdrop.size() != r.size()) FBackdrop = QImage();  // partly off the screen
      else if (FBackdrop.format() != QImage::Format_RGB32) FBackdrop.convertTo(QImage::Format_RGB32);
    }
    FBackdropOrigin = r.topLeft();
    FComposed = false;
    if (Count == 0) Shape(kNothing);
  }

  // The picture opaque, in the window's own place and shape. `previous`:
  // the picture composed last, when it was pushed with the same flags and
  // origin over the same backdrop (its rows that recur need no blending).
  void ShowOpaque(const QImage& previous, const QRegion* differs) {
    if (!FWindow) return;
    const QRect rect(Origin, Frame.size());
    QImage behind;
    const QRect within = rect.translated(-FBackdropOrigin);
    if (!FBackdrop.isNull() && FBackdrop.rect().contains(within)) {
      // A view of that part of the backdrop, not a copy.
      const uchar* first = FBackdrop.constScanLine(within.top()) + std::size_t(within.left()) * 4;
      behind = QImage(first, within.width(), within.height(), FBackdrop.bytesPerLine(), FBackdrop.format());
    }
    if (!FPicture) FPicture = new TLayerPicture(FWindow);
    FPicture->ReleasePicture();  // the new picture goes into the same memory
    ComposeOpaque(Frame, Flags, behind, FShown, previous, differs);
    FComposed = true;
    const QPoint at = Origin - FWindow->geometry().topLeft();
    // Where the picture stays in place only the rows that changed are
    // painted again: most frames of an effect change a few bands.
    const QRect place(at, Frame.size());
    if (FPicture->geometry() == place && FPicture->isVisible()) {
      FPicture->SetPicture(FShown.Image, FShown.Changed);
    } else {
      FPicture->setGeometry(place);
      FPicture->SetPicture(FShown.Image);
    }
    FPicture->show();
    FPicture->raise();
    Shape(FShown.Shape.isEmpty() ? kNothing : FShown.Shape.translated(at));
  }

  void Shape(const QRegion& shape) {
    if (FShaped && FWindow->mask() == shape) return;  // most frames keep their shape
    if (!FShaped) FSavedMask = FWindow->mask();
    FShaped = true;
    FWindow->setMask(shape);
  }

  QPointer<QWidget> FWindow;
  QPointer<TLayerSurface> FSurface;
  QPointer<TLayerPicture> FPicture;
  qreal FSavedOpacity = 1.0;
  bool FTransparent = false;
  bool FOpaque = false;  // no compositor: the window shows the picture itself
  std::unique_ptr<TScreenAreaReading> FReading;  // what is behind, on its way
  QImage FBackdrop;
  QPoint FBackdropOrigin;
  TOpaqueFrame FShown;
  bool FComposed = false;  // FShown holds Frame over the present backdrop
  QRegion FSavedMask;
  bool FShaped = false;
};

TLayerState* StateOf(const QWidget* window) {
  if (!window) return nullptr;
  return window->findChild<TLayerState*>(QStringLiteral("LayerState"), Qt::FindDirectChildrenOnly);
}

}  // namespace

void SetLayered(QWidget* window, bool layered) {
  if (!window) return;
  TLayerState* state = StateOf(window);
  if (layered) {
    if (state) state->Relayer();
    else new TLayerState(window);
  } else if (state) {
    state->Unlayer();
  }
}

bool IsLayered(const QWidget* window) {
  const TLayerState* state = StateOf(window);
  return state && state->Layered;
}

namespace {
bool Update(QWidget* window, const QPoint& origin, const QImage& image, int flags, const QRegion* differs) {
  TLayerState* state = StateOf(window);
  if (!state || !state->Layered || image.isNull() || image.depth() != 32) return false;
  if (!(flags & (ULW_ALPHA | ULW_OPAQUE))) return false;
  state->Push(origin, image, flags, differs);
  return true;
}
}  // namespace

bool UpdateLayeredWindow(QWidget* window, const QPoint& origin, const QImage& image, int flags) {
  return Update(window, origin, image, flags, nullptr);
}

bool UpdateLayeredWindow(QWidget* window, const QPoint& origin, const QImage& image, int flags,
                         const QRegion& differs) {
  return Update(window, origin, image, flags, &differs);
}

QImage LayeredFrame(const QWidget* window) {
  const TLayerState* state = StateOf(window);
  return state ? state->Frame : QImage();
}

int LayeredFlags(const QWidget* window) {
  const TLayerState* state = StateOf(window);
  return state ? state->Flags : 0;
}

QPoint LayeredOrigin(const QWidget* window) {
  const TLayerState* state = StateOf(window);
  return state ? state->Origin : QPoint();
}

int LayeredUpdateCount(const QWidget* window) {
  const TLayerState* state = StateOf(window);
  return state ? state->Count : 0;
}

QWidget* LayerWidget(const QWidget* window) {
  const TLayerState* state = StateOf(window);
  return state ? state->Surface() : nullptr;
}

bool CanShowLayeredAlpha(const QWidget* window) {
  return CompositorRunning() || (window && !window->isVisible());
}

}  // namespace platform
