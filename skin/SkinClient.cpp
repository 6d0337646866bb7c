#include "skin/SkinClient.h"

#include <QWidget>

QList<TbsSkinClient*> SkinClientsBelow(const QWidget* root) {
  QList<TbsSkinClient*> clients;
  for (QWidget* w : root->findChildren<QWidget*>())
    if (auto* client = qobject_cast<TbsSkinClient*>(w)) clients.append(client);
  return clients;
}

void GiveSkinToClients(const QWidget* root, TbsSkinData* data) {
  for (TbsSkinClient* client : SkinClientsBelow(root)) client->SetSkinData(data);
}
