#pragma once
// Skin data: the in-memory skin a window's frame and controls draw from. It
// inflates a stored skin, reads the container's pictures and the description
// text, builds its records, and tells the windows that the skin changed
// (notices 1225, 1226, 1227).
#include "skin/SkinRecords.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "skin/SkinDecoded.h"
#include "skin/StoredSkin.h"

// Optional table of interface strings; no window of this program sets one.
class TbsResourceStrData : public QObject {
  Q_OBJECT
public:
  using QObject::QObject;
};

class TbsSkinData : public QObject {
  Q_OBJECT
public:
  explicit TbsSkinData(QObject* owner = nullptr);
  ~TbsSkinData() override;

  // No skin is loaded (also while loading): every consumer draws its plain look.
  bool Empty() const { return FEmpty; }
  bool Changing() const { return FChanging; }

  bool EnableSkinEffects = true;

  // Setting a stored skin loads it at once (a null one is only stored). The
  // reference clears itself when the stored skin is destroyed.
  TbsCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
  void SetCompressedStoredSkin(TbsCompressedStoredSkin* skin);
  TbsResourceStrData* ResourceStrData() const { return FResourceStrData; }
  void SetResourceStrData(TbsResourceStrData* data);  // sends notice 1274

  // Loads a stored skin. An empty one changes nothing and sends nothing. A
  // container of a version above 3 leaves the skin empty after notice 1225.
  // A damaged one throws (EDecompressionError, EReadError, EConvertError)
  // and leaves the skin empty.
  void ReadStoredSkin(TbsCompressedStoredSkin* skin);
  // Frees every record and picture and sets the empty flag.
  void ResetSkin();

  // Position of the first record whose IDName equals `name` (letter case
  // counts), or -1.
  int FindObjectIndex(const QString& name) const;
  int FindControlIndex(const QString& name) const;
  int ObjectCount() const { return int(FObjects.size()); }
  int ControlCount() const { return int(FControls.size()); }
  TbsDataSkinObject* Object(int index) const;    // null when out of range
  TbsDataSkinControl* Control(int index) const;  // null when out of range
  // The first control record of the name when it is of class R, else null.
  template <class R>
  R* ControlRecord(const QString& name) const {
    return dynamic_cast<R*>(Control(FindControlIndex(name)));
  }
  template <class R>
  R* ObjectRecord(const QString& name) const {
    return dynamic_cast<R*>(Object(FindObjectIndex(name)));
  }

  // Sends window message `msg` (sender this, second parameter 1000) to the
  // owning window first, then to every other window of the application in
  // creation order; synchronously.
  void BroadcastSkinNotice(int msg);

  // The loaded skin.
  QString SkinName, SkinAuthor, AuthorEmail, AuthorURL, SkinComments;
  QString PictureName, InActivePictureName, MaskName;
  QStringList ActivePicturesNames;
  // The pictures: their sizes are known at once, their pixels are decoded
  // when first asked for (see TbsSkinPicture).
  const TbsSkinPicture& Picture() const { return FPicture; }
  const TbsSkinPicture& InActivePicture() const { return FInActivePicture; }
  const TbsSkinPicture& Mask() const { return FMask; }
  int ActivePictureCount() const { return int(FActivePictures.size()); }
  // The active picture at `index`, or a null picture for -1 and out of range.
  TbsSkinPicture ActivePicture(int index) const;
  TbsDataSkinFormInfo FormInfo;
  TbsDataSkinPopupWindow PopupWindow;
  TbsDataSkinHintWindow HintWindow;
  TbsDataSkinColors SkinColors;

private:
  void LoadContainer(const QByteArray& compressed, bool& tooNew);
  void LoadDescription(const TbsIniTable& ini);

  bool FEmpty = true;
  bool FChanging = false;
  QPointer<TbsCompressedStoredSkin> FCompressedStoredSkin;
  QPointer<TbsResourceStrData> FResourceStrData;
  TbsSkinPicture FPicture, FInActivePicture, FMask;
  QList<TbsSkinPicture> FActivePictures;
  std::shared_ptr<const TbsDecodedSkin> FDecoded;  // keeps the shared pictures decoded
  std::vector<std::unique_ptr<TbsDataSkinObject>> FObjects;
  std::vector<std::unique_ptr<TbsDataSkinControl>> FControls;
};
