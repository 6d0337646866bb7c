#include "app/UnitInfTQR.h"

#include "forms/WindowParts.h"

#include <QVBoxLayout>

TFormInfTQR* FormInfTQR = nullptr;

QStringList AboutText() {
  return {
      QStringLiteral(" Это приложение:"),
      QStringLiteral(" - помогает выбрать моменты затяжки "),
      QStringLiteral(" резьбовых соединений согласно СТБ 1879-2008;"),
      QStringLiteral(" - помогает производить расчёт момента"),
      QStringLiteral(" затяжки и усилия других резьб;"),
      QStringLiteral(" - подсказывает моменты затяжки в детали"),
      QStringLiteral(" пневмокомпонентов;"),
      QStringLiteral(" - даёт возможность вставки результата в буфер"),
      QStringLiteral(" обмена а далее нпример в AutoCAD."),
      QStringLiteral(" Использовался СТБ 1879-2008 и справочник"),
      QStringLiteral("\"Основы конструирования\" под. ред. П. Н. Учаева"),
      QStringLiteral("том 2 страницы 174 и 131."),
      QString(),
      QStringLiteral(" Разработал: команда проекта."),
      QStringLiteral(" Город: не указан"),
      QStringLiteral(" Телефон: не указан"),
      QStringLiteral(" E-mail: не указан"),
      QStringLiteral(" Приму любые замечания и предложения."),
      QString(),
      QStringLiteral(" Последнее обновление 29.10.2019г."),
  };
}

TFormInfTQR::TFormInfTQR(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("FormInfTQR"));
  SetCaption(QStringLiteral("Информация о программе"));
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
  bsSkinForm1 = CreateSkinFrame(this, bsSkinData1, biSystemMenu, {});
  bsSkinForm1->SetSizeable(true);  // the one window with a sizeable frame
  SetClientSize(455, 413);

  // The text fills the client area, in its own font and colour.
  bsSkinTextLabel1 = new TbsSkinTextLabel(Client());
  bsSkinTextLabel1->setObjectName(QStringLiteral("bsSkinTextLabel1"));
  bsSkinTextLabel1->SetSkinData(bsSkinData1);
  bsSkinTextLabel1->UseSkinFont = false;
  bsSkinTextLabel1->SetFont(TFont::Make(QStringLiteral("MS Sans Serif"), -16, fsBold, clBlue));
  bsSkinTextLabel1->SetBounds(0, 0, 455, 413);
  // It keeps filling the client area when the window is sized.
  auto* fill = new QVBoxLayout(Client());
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(bsSkinTextLabel1);
  bsSkinTextLabel1->SetLines(AboutText());

  // The skin comes last, so that its change notices reach every control.
  bsCompressedStoredSkin1 = AttachStoredSkin(this, bsSkinData1, QStringLiteral("CyberObject.skn"));
}
