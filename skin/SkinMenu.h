#pragma once
// A small popup menu drawn from the skin: the skin's popup-window picture is
// its body, the items sit in the picture's items area, and each item takes
// the look of the skin's "menuitem" object when the skin has one (else the
// skin's highlight colours). Without a skin it draws a plain raised box.
// The window frame opens one as its system menu.
#include "platform/Graphics.h"
#include "skin/SkinData.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

class QEventLoop;

struct TbsMenuEntry {
  QString Caption;  // "&" marks the accelerator letter
  bool Enabled = true;
  bool Divider = false;
};

class TbsSkinPopupMenu : public QWidget {
  Q_OBJECT
public:
  explicit TbsSkinPopupMenu(QWidget* owner = nullptr);
  ~TbsSkinPopupMenu() override;

  TbsSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TbsSkinData* data);

  // Adds an item and gives its index.
  int AddItem(const QString& caption, bool enabled = true);
  void AddDivider();
  int Count() const { return int(FEntries.size()); }
  const TbsMenuEntry& Entry(int index) const { return FEntries.at(size_t(index)); }

  // The menu's size for its items; the body never gets smaller than the
  // skin's popup picture allows.
  QSize MenuSize() const;
  // Where an item lies in the menu (null when out of range).
  QRect ItemRect(int index) const;
  // The enabled item under a point of the menu, or -1 (dividers and disabled
  // items are never chosen).
  int ItemAt(const QPoint& point) const;
  // The highlighted item, -1 for none.
  int Current() const { return FCurrent; }
  void SetCurrent(int index);
  // The menu's image as painted.
  QImage Render() const;

  // Shows the menu with its top-left corner at a screen point (moved to stay
  // inside the work area) and waits for the user: the chosen item's index,
  // or -1 when the menu was closed without a choice.
  int Exec(const QPoint& globalPos);
  // Closes an open menu with a choice (-1: none).
  void Finish(int chosen);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  struct TMetrics {
    QMargins Body;   // from the menu's edges to the items area
    int ItemHeight;  // one item
    int DividerHeight;
  };
  TMetrics Metrics() const;
  bool SkinnedBody() const;
  QFont ItemFont() const;
  // Moves the highlight to the next enabled item in `step`'s direction.
  void MoveCurrent(int step);

  QPointer<TbsSkinData> FSkinData;
  std::vector<TbsMenuEntry> FEntries;
  int FCurrent = -1;
  int FChosen = -1;
  QEventLoop* FLoop = nullptr;
};
