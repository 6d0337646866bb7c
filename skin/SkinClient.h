#pragma once
// What every control that draws from a window's skin offers the window frame
// and the code that builds a window: which skin data it draws from, a way to
// give it one, and the two skin notices. The frame finds its controls
// through this interface alone, whatever their widget class.
#include <QList>
#include <QtPlugin>

class QWidget;
class TbsSkinData;

class TbsSkinClient {
public:
  virtual ~TbsSkinClient() = default;

  // The skin data the control draws from (null: none, the plain look).
  virtual TbsSkinData* SkinData() const = 0;
  // Draws from `data` from now on; a loaded skin takes effect at once.
  virtual void SetSkinData(TbsSkinData* data) = 0;
  // The skin is about to change: nothing taken from its records is used
  // until SkinChanged.
  virtual void SkinWillChange() = 0;
  // The skin has changed: the control looks its record up again and repaints.
  virtual void SkinChanged() = 0;
};

#define TbsSkinClient_iid "org.momenty.TbsSkinClient"
Q_DECLARE_INTERFACE(TbsSkinClient, TbsSkinClient_iid)

// The skin clients among the widgets below `root`, depth first (a container
// comes before what it holds); `root` itself is not among them.
QList<TbsSkinClient*> SkinClientsBelow(const QWidget* root);

// Gives every skin client below `root` the skin data `data`.
void GiveSkinToClients(const QWidget* root, TbsSkinData* data);
