#pragma once
// The nut window: the twin of the bolt window for nuts, by nut class group.
// Unlike the bolt window it has no show handler.
#include "tables/TableWindow.h"

class TForm_Gayki : public TTableWindow {
  Q_OBJECT
public:
  explicit TForm_Gayki(QWidget* parent = nullptr);
};

extern TForm_Gayki* Form_Gayki;
