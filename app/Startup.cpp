#include "app/Startup.h"

#include "app/UnitDBtqrZastavka.h"
#include "app/UnitInfTQR.h"
#include "app/Unit_Glav_Moment.h"
#include "app/Unit_Pnevmo.h"
#include "calc/Unit_Calcule.h"
#include "calc/Unit_DrugieRezby.h"
#include "tables/Unit_Bolty.h"
#include "tables/Unit_Gayki.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

const QString kApplicationTitle = QStringLiteral("Моменты затяжки резьбовых соединений по СТБ 1879-2008");

void SetProgramIdentity() {
  QCoreApplication::setApplicationName(QStringLiteral(MOMENTY_PROGRAM));
  QGuiApplication::setDesktopFileName(QStringLiteral(MOMENTY_APP_ID));
  // Every size the icon is drawn at; the window system picks among them.
  QIcon icon;
  for (const QFileInfo& file : QDir(QStringLiteral(":/icon")).entryInfoList(QDir::Files))
    icon.addFile(file.filePath());
  QApplication::setWindowIcon(icon);
}

void CreateForms() {
  FormDBtqrZastavka = new TFormDBtqrZastavka;
  Form_Glav_Moment = new TForm_Glav_Moment;
  FormInfTQR = new TFormInfTQR;
  Form_Bolty = new TForm_Bolty;
  Form_Gayki = new TForm_Gayki;
  Form_DrugieRezby = new TForm_DrugieRezby;
  Form_Calcule = new TForm_Calcule;
  Form_Pnevmo = new TForm_Pnevmo;

  // The main window opens the working windows; each goes back to it when it
  // closes (and the note window hides it when it opens the calculation window).
  TWorkingForm* const working[] = {Form_Bolty, Form_Gayki, Form_DrugieRezby, Form_Pnevmo};
  for (TWorkingForm* w : working) w->SetOpener(Form_Glav_Moment);
}

namespace {
template <class T>
void Destroy(T*& form) {
  delete form;
  form = nullptr;
}
}  // namespace

void DestroyForms() {
  Destroy(Form_Pnevmo);
  Destroy(Form_Calcule);
  Destroy(Form_DrugieRezby);
  Destroy(Form_Gayki);
  Destroy(Form_Bolty);
  Destroy(FormInfTQR);
  Destroy(Form_Glav_Moment);
  Destroy(FormDBtqrZastavka);
}
