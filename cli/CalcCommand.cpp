// momenty calc torque / momenty calc preload: the two calculations of the
// calculation window, on the numbers its fields and lists would hold.
#include "cli/CommandDef.h"
#include "cli/Commands.h"
#include "cli/Input.h"
#include "core/CalcData.h"
#include "core/DecimalText.h"
#include "core/NumberFormat.h"
#include "core/ThreadCalc.h"

namespace cli {

namespace {

const QString kPlain = QStringLiteral("plain");

// A typed number: the window's field rounds it to `Decimals` digits; `Zero`
// says whether the calculation takes a zero (the upper box refuses it).
struct TNumberOption {
  const char* Name;
  const char* ValueName;
  const char* What;
  int Decimals;
  bool Zero;
};
// A number from one of the window's lists.
struct TListOption {
  const char* Name;
  const char* ValueName;
  const char* What;
  QStringList (*Items)();
};

constexpr TNumberOption kStrength{"strength", "кгс/мм²", "предел прочности материала на растяжение, кгс/мм²",
                                  field_decimals::kStrength, false};
constexpr TNumberOption kOuterMm{"dn", "мм", "наружный диаметр опорной поверхности, мм", field_decimals::kOuterMm, false};
constexpr TNumberOption kInnerMm{"dv", "мм", "внутренний диаметр опорной поверхности, мм", field_decimals::kInnerMm, false};
constexpr TNumberOption kFrictionUpper{"mu", "коэф.", "коэффициент трения по опорной поверхности",
                                       field_decimals::kFriction, false};
constexpr TNumberOption kMeanMm{"d2", "мм", "средний диаметр резьбы, мм", field_decimals::kMeanMm, false};
constexpr TListOption kPitchMm{"pitch", "мм", "шаг резьбы, мм", [] { return ItemList(kPitchesMm); }};
constexpr TListOption kDiameterMm{"d", "мм", "номинальный диаметр резьбы, мм",
                                  [] { return ItemList(kNominalDiameters); }};

constexpr TNumberOption kTorque{"torque", "Н·м", "момент затяжки, Н·м", field_decimals::kTorque, true};
constexpr TNumberOption kOuterM{"dn", "м", "наружный диаметр опорной поверхности, м", field_decimals::kBearingM, true};
constexpr TNumberOption kInnerM{"dv", "м", "внутренний диаметр опорной поверхности, м", field_decimals::kBearingM, true};
constexpr TNumberOption kFrictionLower{"mu", "коэф.", "коэффициент трения по опорной поверхности",
                                       field_decimals::kFriction, true};
constexpr TListOption kPitchM{"pitch", "м", "шаг резьбы, м", [] { return ItemList(kPitchesM); }};
constexpr TListOption kMeanM{"d2", "м", "средний диаметр резьбы, м", [] { return ItemList(kMeanDiametersM); }};

QString Name(const char* name) { return QString::fromLatin1(name); }
QString Dashed(const char* name) { return QStringLiteral("--") + Name(name); }

TOptionDef Describe(const TNumberOption& o) {
  return {{Name(o.Name)}, QString::fromUtf8(o.ValueName),
          QString::fromUtf8(o.What).replace(0, 1, QString::fromUtf8(o.What).at(0).toUpper()) +
              QStringLiteral(" (берётся с %1 знаками после запятой%2).")
                  .arg(o.Decimals)
                  .arg(o.Zero ? QString() : QStringLiteral(", не ноль"))};
}

TOptionDef Describe(const TListOption& o) {
  QString what = QString::fromUtf8(o.What);
  what[0] = what.at(0).toUpper();
  return {{Name(o.Name)}, QString::fromUtf8(o.ValueName),
          what + QStringLiteral(", из списка окна: ") + Joined(o.Items(), false, QStringLiteral("; ")) +
              QLatin1Char('.')};
}

TOptionDef PlainOption(const QString& what) {
  return {{kPlain}, {}, QStringLiteral("Только числа, с точкой и без разделения разрядов, по одному в строке: ") + what + QLatin1Char('.')};
}

QString Missing(const char* name, const char* what) {
  return QStringLiteral("не указан параметр %1 (%2).").arg(Dashed(name), QString::fromUtf8(what));
}

double NumberValue(const TCommandDef& def, const QCommandLineParser& parser, const TNumberOption& o) {
  if (!parser.isSet(Name(o.Name))) Fail(kUsage, def, Missing(o.Name, o.What));
  const QString text = parser.value(Name(o.Name));
  const std::optional<double> v = ReadDecimal(text);
  if (!v)
    Fail(kUsage, def,
         QStringLiteral("значение «%1» параметра %2 не число; пишите, например, 0,14 или 0.14.").arg(text, Dashed(o.Name)));
  const double kept = numtext::RoundedToDecimals(*v, o.Decimals);
  if (kept == 0 && !o.Zero)
    Fail(kUsage, def,
         QStringLiteral("%1 (%2) не может быть нулём; число берётся с %3 знаками после запятой.")
             .arg(Dashed(o.Name), QString::fromUtf8(o.What))
             .arg(o.Decimals));
  return kept;
}

double ListValue(const TCommandDef& def, const QCommandLineParser& parser, const TListOption& o) {
  if (!parser.isSet(Name(o.Name))) Fail(kUsage, def, Missing(o.Name, o.What));
  const QString text = parser.value(Name(o.Name));
  const std::optional<QString> item = FindNumberItem(text, o.Items());
  if (!item)
    Fail(kUsage, def,
         QStringLiteral("%1 «%2» не из списка окна; допустимы: %3.")
             .arg(Dashed(o.Name), text, Joined(o.Items(), false, QStringLiteral("; "))));
  return ListNumber(*item);
}

const QString kMaterial = QStringLiteral("material");

double Strength(const TCommandDef& def, const QCommandLineParser& parser) {
  const bool typed = parser.isSet(Name(kStrength.Name));
  const bool chosen = parser.isSet(kMaterial);
  if (typed && chosen) Fail(kUsage, def, QStringLiteral("укажите --material или --strength, не оба."));
  if (typed) return NumberValue(def, parser, kStrength);
  if (!chosen)
    Fail(kUsage, def,
         QStringLiteral("не указан материал: --material с названием (%1) или --strength с пределом прочности, кгс/мм².")
             .arg(Joined(MaterialItems(), true)));
  const QString name = parser.value(kMaterial);
  const std::optional<QString> item = FindItem(name, MaterialItems());
  if (!item)
    Fail(kUsage, def,
         QStringLiteral("материал «%1» не из списка окна; допустимы: %2.").arg(name, Joined(MaterialItems(), true)));
  return kMaterials[static_cast<std::size_t>(MaterialItems().indexOf(*item))].Sigma;
}

QString Plain(double value) { return FormatResult(value, QLatin1Char('.'), QChar()); }

void RefuseArguments(const TCommandDef& def, const QCommandLineParser& parser) {
  if (!parser.positionalArguments().isEmpty())
    Fail(kUsage, def,
         QStringLiteral("лишний аргумент «%1»; все значения задаются параметрами.")
             .arg(parser.positionalArguments().constFirst()));
}

}  // namespace

const TCommandDef& CalcTorqueDef() {
  static const TCommandDef s = [] {
    TCommandDef c;
    c.Path = QStringLiteral("calc torque");
    c.Summary = QStringLiteral("сила и момент затяжки по пределу прочности");
    c.Description = QStringLiteral(
        "Расчёт верхней части окна расчёта, для резьб вне таблиц: по пределу прочности\n"
        "материала, шагу и диаметрам резьбы, диаметрам опорной поверхности и коэффициенту\n"
        "трения — наибольшая растягивающая сила болта, кг, и наибольший момент затяжки, Н·м.\n"
        "Ответ — те же две строки, что в окне, с разделителями чисел локали; --plain даёт\n"
        "только числа. Числа пишутся с «,» или «.»; как и поля окна, программа берёт их с\n"
        "указанным у параметра числом знаков после запятой.\n"
        "Пример:\n"
        "  momenty calc torque --material \"Сталь 35 нормализованная\" --pitch 1,5 -d 10\n"
        "    --d2 9,026 --dn 16 --dv 10,5 --mu 0,14");
    TOptionDef material{{kMaterial}, QStringLiteral("название"),
                         QStringLiteral("Материал из списка окна: ") + Joined(MaterialItems(), true) +
                             QStringLiteral("; вместо --strength.")};
    TOptionDef strength = Describe(kStrength);
    strength.Description.chop(1);
    strength.Description += QStringLiteral("; вместо --material.");
    TOptionDef diameter = Describe(kDiameterMm);
    diameter.Names.append(QStringLiteral("diameter"));
    c.Options = {material,         strength,         Describe(kPitchMm), diameter,
                 Describe(kMeanMm), Describe(kOuterMm), Describe(kInnerMm), Describe(kFrictionUpper),
                 PlainOption(QStringLiteral("сила, кг, затем момент, Н·м"))};
    return c;
  }();
  return s;
}

const TCommandDef& CalcPreloadDef() {
  static const TCommandDef s = [] {
    TCommandDef c;
    c.Path = QStringLiteral("calc preload");
    c.Summary = QStringLiteral("усилие затяжки по моменту затяжки");
    c.Description = QStringLiteral(
        "Расчёт нижней части окна расчёта: осевое усилие затяжки, Н, которое даёт момент\n"
        "затяжки, по шагу и среднему диаметру резьбы, диаметрам опорной поверхности и\n"
        "коэффициенту трения; всё в единицах СИ, длины в метрах. Ответ — та же строка, что в\n"
        "окне, с разделителями чисел локали; --plain даёт только число. Числа пишутся с «,»\n"
        "или «.» и берутся, как в полях окна, с указанным числом знаков; нуль допустим.\n"
        "Пример:\n"
        "  momenty calc preload --torque 50 --pitch 0,0015 --d2 0,009026 --dn 0,016\n"
        "    --dv 0,0105 --mu 0,14");
    c.Options = {Describe(kTorque),  Describe(kPitchM), Describe(kMeanM),
                 Describe(kOuterM),  Describe(kInnerM), Describe(kFrictionLower),
                 PlainOption(QStringLiteral("усилие, Н"))};
    return c;
  }();
  return s;
}

void RunCalcTorque(const QStringList& args, TOutcome& out) {
  const TCommandDef& def = CalcTorqueDef();
  QCommandLineParser parser;
  if (!ParseCommand(parser, def, args, out)) return;
  RefuseArguments(def, parser);
  // In the order the window checks its inputs.
  TStrengthInputs in;
  in.Sigma = Strength(def, parser);
  in.OuterBearing = NumberValue(def, parser, kOuterMm);
  in.InnerBearing = NumberValue(def, parser, kInnerMm);
  in.Friction = NumberValue(def, parser, kFrictionUpper);
  in.Pitch = ListValue(def, parser, kPitchMm);
  in.Diameter = ListValue(def, parser, kDiameterMm);
  in.MeanDiameter = NumberValue(def, parser, kMeanMm);
  const std::optional<TStrengthResult> r = TorqueFromStrength(in);
  if (!r) Fail(kNoAnswer, def, QStringLiteral("при этих значениях расчёт не даёт результата."));
  out.Out = parser.isSet(kPlain) ? Plain(r->Force) + QLatin1Char('\n') + Plain(r->Torque) + QLatin1Char('\n')
                                 : ForceResultLine(r->Force) + QLatin1Char('\n') + TorqueResultLine(r->Torque) +
                                       QLatin1Char('\n');
}

void RunCalcPreload(const QStringList& args, TOutcome& out) {
  const TCommandDef& def = CalcPreloadDef();
  QCommandLineParser parser;
  if (!ParseCommand(parser, def, args, out)) return;
  RefuseArguments(def, parser);
  TPreloadInputs in;
  in.Torque = NumberValue(def, parser, kTorque);
  in.OuterBearing = NumberValue(def, parser, kOuterM);
  in.InnerBearing = NumberValue(def, parser, kInnerM);
  in.Friction = NumberValue(def, parser, kFrictionLower);
  in.Pitch = ListValue(def, parser, kPitchM);
  in.MeanDiameter = ListValue(def, parser, kMeanM);
  const std::optional<double> f = PreloadFromTorque(in);
  if (!f) Fail(kNoAnswer, def, QStringLiteral("при этих значениях расчёт не даёт результата (делитель формулы равен нулю)."));
  out.Out = (parser.isSet(kPlain) ? Plain(*f) : PreloadResultLine(*f)) + QLatin1Char('\n');
}

}  // namespace cli
