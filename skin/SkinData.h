#pragma once
// Skin data: the in-memory skin a window's frame and controls draw from.
#include <QObject>
#include <QString>

class TbsCompressedStoredSkin;

class TbsSkinData : public QObject {
  Q_OBJECT
public:
  explicit TbsSkinData(QObject* owner = nullptr);
  ~TbsSkinData() override;

  // No skin is loaded: every consumer draws its plain look.
  bool Empty() const { return FEmpty; }
  bool Changing() const { return FChanging; }

  bool EnableSkinEffects = true;

  int FindObjectIndex(const QString& name) const;
  int FindControlIndex(const QString& name) const;

private:
  bool FEmpty = true;
  bool FChanging = false;
};
