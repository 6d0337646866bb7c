// momenty bolt / momenty nut: the sentence of the bolt or nut window for one
// choice, or its torque range alone, or both as JSON.
#include "cli/CommandDef.h"
#include "cli/Commands.h"
#include "cli/Input.h"
#include "core/TorqueTables.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace cli {

namespace {

const QString kTorque = QStringLiteral("torque");
const QString kJson = QStringLiteral("json");

// What sets the two commands apart.
struct TFastener {
  const TCommandDef& (*Def)();
  const char* Key;  // for JSON
  const QString* Noun;
  QStringList (*Classes)();
  std::optional<QString> (*MaxTorque)(const QString&, const QString&);
  const char* ClassWhat;  // what the class argument is, for error lines
};

// Diameters as a thread is written: "M6", "M8", ...
QStringList Threads() {
  QStringList out;
  for (const QString& d : torque::Diameters()) out << QLatin1Char('M') + d;
  return out;
}

TCommandDef MakeDef(const QString& path, const QString& noun, const QString& classArg, const QString& classText,
                      const QStringList& classes, const QString& example) {
  TCommandDef s;
  s.Path = path;
  s.Summary = QStringLiteral("фраза для чертежа: момент затяжки ") + noun;
  s.Description =
      QStringLiteral("Печатает фразу для технических требований чертежа, которую окно %1\n"
                     "копирует в буфер обмена для этого выбора: момент затяжки %2 от наименьшего\n"
                     "до наибольшего по классу соединения СТБ 1879-2008.\n"
                     "Где стандарт не даёт наименьшего момента, печатается то, что пишет окно\n"
                     "(«%3» или «%4»), в стандартный поток ошибок — пояснение,\n"
                     "код возврата 1.\n"
                     "Пример:\n"
                     "  %5")
          .arg(path == QLatin1String("bolt") ? QStringLiteral("болтов") : QStringLiteral("гаек"), noun,
               torque::kNotDefined, torque::kNotRegulated, example);
  s.Arguments = {
      {QStringLiteral("диаметр"),
       QStringLiteral("Номинальный диаметр резьбы: ") + Joined(Threads()) + QStringLiteral(" (можно без «M»)."),
       {}},
      {classArg, classText + Joined(classes) + QLatin1Char('.'), {}},
      {QStringLiteral("соединение"),
       QStringLiteral("Класс соединения по СТБ 1879-2008: ") + Joined(torque::JointClasses()) + QLatin1Char('.'),
       {}},
  };
  s.Options = {
      {{kTorque}, {}, QStringLiteral("Только диапазон момента в Н·м: наименьший и наибольший через пробел, или один наибольший, где стандарт не даёт наименьшего.")},
      {{kJson}, {}, QStringLiteral("Один объект JSON: входные данные (fastener, diameter, class, joint), max, min (null, где не определён) и sentence.")},
  };
  return s;
}

const TFastener kBolt{&BoltDef, "bolt", &torque::kBoltNoun, torque::BoltClasses, torque::BoltMaxTorque,
                      "класс прочности болта"};
const TFastener kNut{&NutDef, "nut", &torque::kNutNoun, torque::NutGroups, torque::NutMaxTorque,
                     "группа классов прочности гайки"};

bool IsWording(const QString& value) { return value == torque::kNotDefined || value == torque::kNotRegulated; }

// The joint classes whose row holds a minimum for this maximum.
QStringList DefinedJoints(const QString& max) {
  QStringList out;
  for (const QString& j : torque::JointClasses())
    if (const auto v = torque::JointRange(max, j); v && !IsWording(*v)) out << j;
  return out;
}

QString Pick(const TCommandDef& def, const QStringList& given, int index, const QStringList& items,
             const QString& what, const QStringList& shown) {
  if (index >= given.size())
    Fail(kUsage, def, QStringLiteral("не хватает аргумента: %1; допустимы: %2.").arg(what, Joined(shown)));
  if (const auto item = FindItem(given.at(index), items)) return *item;
  Fail(kUsage, def, QStringLiteral("%1 «%2» не из таблицы; допустимы: %3.").arg(what, given.at(index), Joined(shown)));
}

void Run(const TFastener& f, const QStringList& args, TOutcome& out) {
  const TCommandDef& def = f.Def();
  QCommandLineParser parser;
  if (!ParseCommand(parser, def, args, out)) return;
  const QStringList given = parser.positionalArguments();
  const QStringList classes = f.Classes();
  const QString d = Pick(def, given, 0, torque::Diameters(), QStringLiteral("номинальный диаметр резьбы"), Threads());
  const QString c = Pick(def, given, 1, classes, QString::fromUtf8(f.ClassWhat), classes);
  const QString j = Pick(def, given, 2, torque::JointClasses(), QStringLiteral("класс соединения"),
                         torque::JointClasses());
  if (given.size() > 3)
    Fail(kUsage, def, QStringLiteral("лишний аргумент «%1»; нужны три: диаметр, класс, соединение.").arg(given.at(3)));
  if (parser.isSet(kTorque) && parser.isSet(kJson))
    Fail(kUsage, def, QStringLiteral("--torque и --json не сочетаются; укажите один из них."));

  // Every pair of list items has a row in both tables.
  const std::optional<QString> max = f.MaxTorque(d, c);
  const std::optional<QString> value = max ? torque::JointRange(*max, j) : std::nullopt;
  const std::optional<QString> text = max ? torque::ResultText(*f.Noun, *max, j) : std::nullopt;
  if (!max || !value || !text) Fail(kNoAnswer, def, QStringLiteral("в таблицах нет строки для этого выбора."));
  const bool ranged = !IsWording(*value);

  if (parser.isSet(kTorque)) {
    out.Out = (ranged ? *value + QLatin1Char(' ') + *max : *max) + QLatin1Char('\n');
  } else if (parser.isSet(kJson)) {
    QJsonObject o;
    o.insert(QStringLiteral("fastener"), QString::fromLatin1(f.Key));
    o.insert(QStringLiteral("diameter"), d);
    o.insert(QStringLiteral("class"), c);
    o.insert(QStringLiteral("joint"), j);
    o.insert(QStringLiteral("max"), max->toInt());
    o.insert(QStringLiteral("min"), ranged ? QJsonValue(value->toInt()) : QJsonValue(QJsonValue::Null));
    o.insert(QStringLiteral("sentence"), *text);
    out.Out = QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
  } else {
    out.Out = *text + QLatin1Char('\n');
  }
  if (!ranged) {
    const QStringList defined = DefinedJoints(*max);
    out.Status = kNoAnswer;
    out.Err = CommandName(def) +
              QStringLiteral(": M%1, %2, класс соединения %3: «%4» по СТБ 1879-2008; момент определён для классов соединения: %5.")
                  .arg(d, c, j, *value, Joined(defined)) +
              QLatin1Char('\n');
  }
}

}  // namespace

const TCommandDef& BoltDef() {
  static const TCommandDef s =
      MakeDef(QStringLiteral("bolt"), torque::kBoltNoun, QStringLiteral("класс"),
               QStringLiteral("Класс прочности болта по ГОСТ 1759.4: "), torque::BoltClasses(),
               QStringLiteral("momenty bolt M12 8.8 2"));
  return s;
}

const TCommandDef& NutDef() {
  static const TCommandDef s =
      MakeDef(QStringLiteral("nut"), torque::kNutNoun, QStringLiteral("группа"),
               QStringLiteral("Группа классов прочности гайки по ГОСТ 1759.4: "), torque::NutGroups(),
               QStringLiteral("momenty nut M12 '6;8' 2    (в оболочке группу с «;» берите в кавычки)"));
  return s;
}

void RunBolt(const QStringList& args, TOutcome& out) { Run(kBolt, args, out); }
void RunNut(const QStringList& args, TOutcome& out) { Run(kNut, args, out); }

}  // namespace cli
