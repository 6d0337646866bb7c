// The frame's system menu: restore, minimise, roll up and close, drawn from
// the menus' skin; opened by the system-menu button or Alt+Space.
#include "skin/SkinForm.h"

#include "skin/SkinMenu.h"

std::vector<TbsSkinForm::TSysMenuItem> TbsSkinForm::SystemMenuItems() const {
  const bool restorable = FForm->isMinimized() || FForm->isMaximized() || FRolledUp;
  std::vector<TSysMenuItem> items{{TbsStdCommand::cmRestore, QStringLiteral("&Восстановить"), restorable},
                                  {TbsStdCommand::cmMinimize, QStringLiteral("&Свернуть"), !FForm->isMinimized()}};
  if (FBorderIcons & biRollUp)
    items.push_back({TbsStdCommand::cmRollUp, QStringLiteral("Свернуть в &заголовок"), !FRolledUp});
  items.push_back({TbsStdCommand::cmDefault, QString(), false});  // divider
  items.push_back({TbsStdCommand::cmClose, QStringLiteral("&Закрыть"), true});
  return items;
}

void TbsSkinForm::SystemMenuCommand(TbsStdCommand command) {
  switch (command) {
    case TbsStdCommand::cmRestore:
      if (FRolledUp)
        SetRolledUp(false);
      else
        FForm->showNormal();
      break;
    case TbsStdCommand::cmMinimize:
      FForm->showMinimized();
      break;
    case TbsStdCommand::cmRollUp:
      SetRolledUp(true);
      break;
    case TbsStdCommand::cmClose:
      FForm->Close();
      break;
    default:
      break;
  }
}

void TbsSkinForm::ShowSystemMenu(const QPoint& globalPos) {
  if (FSysMenu) return;  // already open
  const std::vector<TSysMenuItem> items = SystemMenuItems();
  auto* menu = new TbsSkinPopupMenu(FForm);
  menu->setObjectName(QStringLiteral("bsSkinSysMenu"));
  menu->setAccessibleName(QStringLiteral("Системное меню"));
  menu->SetSkinData(MenusSkinData ? MenusSkinData : FSkinData.data());
  for (const TSysMenuItem& item : items) {
    if (item.Command == TbsStdCommand::cmDefault)
      menu->AddDivider();
    else
      menu->AddItem(item.Caption, item.Enabled);
  }
  FSysMenu = menu;
  QPointer<TForm> form(FForm);
  QPointer<TbsSkinForm> self(this);
  const int chosen = menu->Exec(globalPos);
  delete menu;
  if (!form || !self) return;
  if (chosen >= 0 && chosen < int(items.size())) SystemMenuCommand(items[size_t(chosen)].Command);
}

void TbsSkinForm::ShowSystemMenuFromKeyboard() {
  // Below the system-menu button, or below the caption's left end.
  QRect r = ButtonRect(TbsStdCommand::cmSysMenu);
  if (r.isNull()) r = QRect(FForm->NonClientMargins().left(), 0, 1, FForm->NonClientMargins().top());
  InvokeHandler([&] { ShowSystemMenu(FForm->mapToGlobal(r.bottomLeft() + QPoint(0, 1))); });
}
