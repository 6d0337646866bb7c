#include "skin/SkinData.h"

#include "platform/Exceptions.h"
#include "platform/Forms.h"
#include "platform/Messages.h"
#include "skin/SkinDecoded.h"
#include "skin/StoredSkin.h"

#include <QCoreApplication>

namespace {
// Reads "SKINOBJECTS" or "SKINCONTROLS": entries name:type, each making a
// record of the type's class that loads its keys from the section `name`.
template <class R, class Make>
void ReadRecordList(const TbsIniTable& ini, const QString& section, Make make,
                    std::vector<std::unique_ptr<R>>& list) {
  for (const QString& entry : ini.ReadList(section, QString())) {
    const qsizetype colon = entry.indexOf(QLatin1Char(':'));
    const QString name = colon < 0 ? QString() : entry.left(colon);
    const QString type = colon < 0 ? QString() : entry.mid(colon + 1);
    std::unique_ptr<R> record = make(type, name);
    if (!record) continue;  // a type that names no record class
    list.push_back(std::move(record));
    list.back()->LoadFromIni(ini);
  }
}
}  // namespace

TbsSkinData::TbsSkinData(QObject* owner) : QObject(owner) {
  // Colours are zero until the first reset gives them their defaults.
  SkinColors = TbsDataSkinColors{0, 0, 0, 0, 0, 0, 0, 0};
}

TbsSkinData::~TbsSkinData() {
  FEmpty = true;
  FObjects.clear();
  FControls.clear();
}

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* skin) {
  FCompressedStoredSkin = skin;
  if (skin) ReadStoredSkin(skin);
}

void TbsSkinData::SetResourceStrData(TbsResourceStrData* data) {
  FResourceStrData = data;
  BroadcastSkinNotice(WM_RESOURCESTRCHANGED);
}

TbsDataSkinObject* TbsSkinData::Object(int index) const {
  return index >= 0 && index < ObjectCount() ? FObjects[std::size_t(index)].get() : nullptr;
}

TbsDataSkinControl* TbsSkinData::Control(int index) const {
  return index >= 0 && index < ControlCount() ? FControls[std::size_t(index)].get() : nullptr;
}

int TbsSkinData::FindObjectIndex(const QString& name) const {
  for (int i = 0; i < ObjectCount(); ++i)
    if (FObjects[std::size_t(i)]->IDName == name) return i;
  return -1;
}

int TbsSkinData::FindControlIndex(const QString& name) const {
  for (int i = 0; i < ControlCount(); ++i)
    if (FControls[std::size_t(i)]->IDName == name) return i;
  return -1;
}

TbsSkinPicture TbsSkinData::ActivePicture(int index) const {
  return index >= 0 && index < ActivePictureCount() ? FActivePictures[index] : TbsSkinPicture();
}

void TbsSkinData::ResetSkin() {
  FObjects.clear();
  FControls.clear();
  FActivePictures.clear();
  PopupWindow.WindowPictureIndex = -1;
  PopupWindow.MaskPictureIndex = -1;
  HintWindow.WindowPictureIndex = -1;
  HintWindow.MaskPictureIndex = -1;
  ActivePicturesNames.clear();
  SkinColors.SetDefaults();
  FPicture = TbsSkinPicture();
  FInActivePicture = TbsSkinPicture();
  FMask = TbsSkinPicture();
  FDecoded.reset();
  PictureName.clear();
  InActivePictureName.clear();
  MaskName.clear();
  FEmpty = true;
}

void TbsSkinData::BroadcastSkinNotice(int msg) {
  // Collected first: a receiver may close or destroy windows.
  QList<QPointer<QObject>> targets;
  TForm* owner = qobject_cast<TForm*>(parent());
  if (owner) targets.append(owner);
  if (Application)
    for (TForm* form : Application->Forms())
      if (form != owner) targets.append(form);
  for (const QPointer<QObject>& target : targets) {
    if (!target) continue;
    TMessageEvent event(msg, this, 1000);
    QCoreApplication::sendEvent(target, &event);
  }
}

void TbsSkinData::ReadStoredSkin(TbsCompressedStoredSkin* skin) {
  if (!skin || skin->IsStoredEmpty()) return;
  FEmpty = true;
  FChanging = true;
  BroadcastSkinNotice(WM_SKINCHANGING);
  ResetSkin();
  bool tooNew = false;
  try {
    LoadContainer(skin->CompressedData(), tooNew);
  } catch (...) {
    // Nothing half-read stays behind: the skin is empty, as before a load.
    ResetSkin();
    FChanging = false;
    throw;
  }
  if (tooNew) {
    FChanging = false;
    return;
  }
  FEmpty = false;
  BroadcastSkinNotice(WM_SKINCHANGED);
  FChanging = false;
  BroadcastSkinNotice(WM_SKINCHANGEDONE);
}

void TbsSkinData::LoadContainer(const QByteArray& compressed, bool& tooNew) {
  // The pictures are shared with every window that carries the same skin;
  // the records below are this window's own.
  FDecoded = DecodeStoredSkin(compressed);
  if (FDecoded->TooNew) {
    tooNew = true;
    FDecoded.reset();
    return;
  }
  FPicture = FDecoded->Picture;
  FInActivePicture = FDecoded->InActivePicture;
  FMask = FDecoded->Mask;
  FActivePictures = FDecoded->ActivePictures;

  TbsIniTable ini;
  ini.SetText(FDecoded->Description);
  LoadDescription(ini);

  // The masks are read for the shapes as soon as the windows and controls
  // take the skin; the other pictures wait until they are drawn.
  QList<int> masks{PopupWindow.MaskPictureIndex, HintWindow.MaskPictureIndex};
  for (const auto& c : FControls)
    if (const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(c.get())) masks.append(custom->MaskPictureIndex);
  FDecoded->DecodeNow(masks);
}

void TbsSkinData::LoadDescription(const TbsIniTable& ini) {
  const QString version = QStringLiteral("VERSION");
  SkinName = ini.ReadString(version, QStringLiteral("skinname"));
  SkinAuthor = ini.ReadString(version, QStringLiteral("skinauthor"));
  AuthorEmail = ini.ReadString(version, QStringLiteral("authoremail"));
  AuthorURL = ini.ReadString(version, QStringLiteral("authorurl"));
  SkinComments = ini.ReadString(version, QStringLiteral("skincomments"));

  const QString pictures = QStringLiteral("PICTURES");
  PictureName = ini.ReadString(pictures, QStringLiteral("picture"));
  InActivePictureName = ini.ReadString(pictures, QStringLiteral("inactivepicture"));
  MaskName = ini.ReadString(pictures, QStringLiteral("mask"));
  ActivePicturesNames = ini.ReadList(pictures, QStringLiteral("activepictures"));

  FormInfo = TbsDataSkinFormInfo();
  FormInfo.LoadFromIni(ini, !MaskName.isEmpty());
  PopupWindow = TbsDataSkinPopupWindow();
  PopupWindow.LoadFromIni(ini);
  HintWindow = TbsDataSkinHintWindow();
  HintWindow.LoadFromIni(ini);
  SkinColors.SetDefaults();
  SkinColors.LoadFromIni(ini);

  ReadRecordList(ini, QStringLiteral("SKINOBJECTS"), CreateObjectRecord, FObjects);
  ReadRecordList(ini, QStringLiteral("SKINCONTROLS"), CreateControlRecord, FControls);

  // A record's skin rectangle is cut to the picture it lies in.
  const auto clip = [](TRect& r, const TbsSkinPicture& picture) {
    if (!picture.isNull()) r = r.ClippedTo(picture.width(), picture.height());
  };
  for (const auto& o : FObjects)
    clip(o->SkinRect, o->SkinRectInAPicture ? ActivePicture(o->ActivePictureIndex) : FPicture);
  for (const auto& c : FControls) clip(c->SkinRect, ActivePicture(c->PictureIndex));
}
