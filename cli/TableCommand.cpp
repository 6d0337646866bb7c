// momenty table bolt|nut|pneumatic: a whole table of the program.
#include "cli/CommandDef.h"
#include "cli/Commands.h"
#include "cli/Input.h"
#include "cli/TableFormat.h"
#include "core/PneumaticData.h"
#include "core/TorqueTables.h"

namespace cli {

namespace {

const QString kJoint = QStringLiteral("joint");
const QString kFormat = QStringLiteral("format");
const QString kBoltTable = QStringLiteral("bolt");
const QString kNutTable = QStringLiteral("nut");
const QString kPneumaticTable = QStringLiteral("pneumatic");

QStringList TableNames() { return {kBoltTable, kNutTable, kPneumaticTable}; }

// The maximum torques by diameter and class, or for a joint class the ranges
// "min…max" (the fixed wording where the standard gives no minimum).
TTextTable TorqueTable(bool nut, const QString& joint) {
  const QStringList classes = nut ? torque::NutGroups() : torque::BoltClasses();
  const auto maxTorque = nut ? torque::NutMaxTorque : torque::BoltMaxTorque;
  const QString& noun = nut ? torque::kNutNoun : torque::kBoltNoun;
  TTextTable t;
  t.Title = joint.isEmpty()
                ? QStringLiteral("Наибольший момент затяжки %1, Н·м, по классу прочности ГОСТ 1759.4").arg(noun)
                : QStringLiteral("Момент затяжки %1 от…до, Н·м, класс соединения %2 по СТБ 1879-2008").arg(noun, joint);
  t.Header << QStringLiteral("Диаметр") << classes;
  for (const QString& d : torque::Diameters()) {
    QStringList row{QLatin1Char('M') + d};
    for (const QString& c : classes) {
      const QString max = maxTorque(d, c).value_or(QString());
      if (joint.isEmpty()) {
        row << max;
        continue;
      }
      const QString min = torque::JointRange(max, joint).value_or(QString());
      const bool wording = min == torque::kNotDefined || min == torque::kNotRegulated;
      row << (wording ? min : min + QStringLiteral("…") + max);
    }
    t.Rows << row;
  }
  return t;
}

TTextTable PneumaticTable() {
  TTextTable t;
  t.Title = PneumaticTitle();
  t.Header << QStringLiteral("Группа") << PneumaticHeader();
  int group = 0;
  for (const TFittingGroup& g : PneumaticGroups()) {
    ++group;
    for (const TFittingRow& r : g.Rows) t.Rows << QStringList{QString::number(group), r.Name, r.Designation, r.Torque, r.Wrench};
  }
  return t;
}

}  // namespace

const TCommandDef& TableDef() {
  static const TCommandDef s = [] {
    TCommandDef c;
    c.Path = QStringLiteral("table");
    c.Summary = QStringLiteral("таблица целиком");
    c.Description = QStringLiteral(
        "Печатает таблицу целиком: bolt и nut — наибольшие моменты затяжки болтов и гаек по\n"
        "диаметру и классу прочности, с --joint — диапазоны «наименьший…наибольший» для класса\n"
        "соединения; pneumatic — моменты затяжки деталей пневмоарматуры.\n"
        "CSV по RFC 4180: строка заголовка, поля через запятую, строки через CR LF; поле с запятой,\n"
        "точкой с запятой или кавычкой берётся в кавычки, так что десятичная запятая всегда стоит\n"
        "внутри кавычек. LibreOffice Calc с русской локалью читает его с разделителем «запятая».");
    c.Arguments = {{QStringLiteral("таблица"), QStringLiteral("Какая таблица: ") + Joined(TableNames()) + QLatin1Char('.'),
                    TableNames().join(QLatin1Char('|'))}};
    c.Options = {
        {{QStringLiteral("j"), kJoint}, QStringLiteral("класс"),
         QStringLiteral("Диапазоны для класса соединения ") + Joined(torque::JointClasses()) +
             QStringLiteral(" (только bolt и nut).")},
        {{QStringLiteral("f"), kFormat}, QStringLiteral("формат"),
         QStringLiteral("Вид вывода: ") + Joined(TableFormatNames()) + QStringLiteral("; по умолчанию text.")},
    };
    return c;
  }();
  return s;
}

void RunTable(const QStringList& args, TOutcome& out) {
  const TCommandDef& def = TableDef();
  QCommandLineParser parser;
  if (!ParseCommand(parser, def, args, out)) return;
  const QStringList given = parser.positionalArguments();
  if (given.isEmpty())
    Fail(kUsage, def, QStringLiteral("не указана таблица; допустимы: %1.").arg(Joined(TableNames())));
  const std::optional<QString> name = FindItem(given.constFirst(), TableNames());
  if (!name)
    Fail(kUsage, def,
         QStringLiteral("нет таблицы «%1»; допустимы: %2.").arg(given.constFirst(), Joined(TableNames())));
  if (given.size() > 1)
    Fail(kUsage, def, QStringLiteral("лишний аргумент «%1»; нужна одна таблица.").arg(given.at(1)));

  TTableFormat format = TTableFormat::Text;
  if (parser.isSet(kFormat)) {
    const auto f = FindTableFormat(parser.value(kFormat));
    if (!f)
      Fail(kUsage, def,
           QStringLiteral("вид вывода «%1» не известен; допустимы: %2.").arg(parser.value(kFormat), Joined(TableFormatNames())));
    format = *f;
  }
  QString joint;
  if (parser.isSet(kJoint)) {
    if (*name == kPneumaticTable)
      Fail(kUsage, def, QStringLiteral("--joint относится только к таблицам bolt и nut."));
    const auto j = FindItem(parser.value(kJoint), torque::JointClasses());
    if (!j)
      Fail(kUsage, def,
           QStringLiteral("класс соединения «%1» не из таблицы; допустимы: %2.")
               .arg(parser.value(kJoint), Joined(torque::JointClasses())));
    joint = *j;
  }
  const TTextTable table = *name == kPneumaticTable ? PneumaticTable() : TorqueTable(*name == kNutTable, joint);
  out.Out = Written(table, format);
}

}  // namespace cli
