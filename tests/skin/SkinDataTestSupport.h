#pragma once
// Small skin containers built in the tests: every byte of them is known.
#include "platform/Forms.h"
#include "platform/Messages.h"
#include "skin/SkinBmp.h"
#include "skin/StoredSkin.h"

#include <QImage>
#include <QtEndian>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace skintest {

inline QByteArray Int32(qint32 v) {
  QByteArray b(4, '\0');
  qToLittleEndian<qint32>(v, b.data());
  return b;
}

// A w x h BMP file of one colour at 24 bpp, or of palette index 0 (that
// colour) at 1, 4 or 8 bpp.
inline QByteArray Bmp(int w, int h, int bits, QRgb color = qRgb(10, 20, 30)) {
  if (bits == 24) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(color);
    return WriteBmp(img, 24);
  }
  QImage img(w, h, QImage::Format_Indexed8);
  img.setColorTable({color, qRgb(255, 255, 255)});
  img.fill(0);
  return WriteBmp(img, bits);
}

// version, three flagged pictures (nullopt: flag 1), for version 2 two more,
// the active pictures, the description text.
struct TContainer {
  qint32 Version = 3;
  std::optional<QByteArray> Picture, InActive, Mask;
  std::optional<QByteArray> Extra1, Extra2;  // written only for version 2
  QList<QByteArray> Active;
  std::optional<qint32> Count;               // overrides the active picture count
  QByteArray Text;

  QByteArray Bytes() const {
    QByteArray out = Int32(Version);
    auto flagged = [&](const std::optional<QByteArray>& pic) {
      out.append(char(pic ? 0 : 1));
      if (pic) out.append(*pic);
    };
    flagged(Picture);
    flagged(InActive);
    flagged(Mask);
    if (Version == 2) {
      flagged(Extra1);
      flagged(Extra2);
    }
    out.append(Int32(Count ? *Count : qint32(Active.size())));
    for (const QByteArray& a : Active) out.append(a);
    out.append(Text);
    return out;
  }
};

inline std::unique_ptr<TbsCompressedStoredSkin> Stored(const QByteArray& container) {
  auto skin = std::make_unique<TbsCompressedStoredSkin>();
  skin->LoadCompressedData(skinstream::Deflate(container, 9));
  return skin;
}

// The description of a skin with every required section and nothing else.
inline QByteArray MinimalText(const QByteArray& extra = {}) {
  return "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n"
         "[SKINCONTROLS]\r\ncount=0\r\n" + extra;
}

// Records the window messages that reach the windows it watches, in order.
class TNoticeRecorder : public QObject {
public:
  std::vector<std::pair<QString, int>> Seen;
  std::vector<long> Params;
  std::vector<QObject*> Senders;
  void Watch(QObject* window) { window->installEventFilter(this); }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == TMessageEvent::EventType()) {
      auto* m = static_cast<TMessageEvent*>(event);
      Seen.emplace_back(watched->objectName(), m->Msg);
      Params.push_back(m->LParam);
      Senders.push_back(m->WParam);
    }
    return false;
  }
};

}  // namespace skintest
