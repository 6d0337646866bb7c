#pragma once
// The bolt window: maximum tightening torque of a bolt by thread diameter
// and strength class, and the allowed range for a joint class worded for the
// drawing. Its components and handlers are those of every table window.
#include "tables/TableWindow.h"

class TForm_Bolty : public TTableWindow {
  Q_OBJECT
public:
  explicit TForm_Bolty(QWidget* parent = nullptr);

  void FormShow(TObject* Sender);
};

extern TForm_Bolty* Form_Bolty;
