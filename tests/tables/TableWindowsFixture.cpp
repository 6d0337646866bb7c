#include "tests/tables/TableWindowsFixture.h"

#include "tables/Unit_Bolty.h"
#include "tables/Unit_Gayki.h"

#include <QCoreApplication>

TForm* TableWindowsFixture::Opener = nullptr;

void TableWindowsFixture::CreateWindows() {
  Opener = new TForm;
  Opener->setObjectName(QStringLiteral("Opener"));
  Form_Bolty = new TForm_Bolty;
  Form_Gayki = new TForm_Gayki;
  Form_Bolty->SetOpener(Opener);
  Form_Gayki->SetOpener(Opener);
}

void TableWindowsFixture::DestroyWindows() {
  delete Form_Gayki;
  Form_Gayki = nullptr;
  delete Form_Bolty;
  Form_Bolty = nullptr;
  delete Opener;
  Opener = nullptr;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
