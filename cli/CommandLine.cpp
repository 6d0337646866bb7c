#include "cli/CommandLine.h"

#include "cli/CommandDef.h"
#include "cli/Commands.h"
#include "cli/ParserTexts.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>

#ifndef MOMENTY_VERSION
#error "the build gives the program's version"
#endif

namespace cli {

namespace {

const QString kVersion = QStringLiteral("version");

struct TSubcommand {
  const char* Name;
  void (*Run)(const QStringList&, TOutcome&);
};

void RunCalc(const QStringList& args, TOutcome& out);

constexpr TSubcommand kCommands[] = {{"bolt", RunBolt}, {"nut", RunNut}, {"table", RunTable}, {"calc", RunCalc}};
constexpr TSubcommand kCalculations[] = {{"torque", RunCalcTorque}, {"preload", RunCalcPreload}};

template <std::size_t N>
QStringList Names(const TSubcommand (&list)[N]) {
  QStringList out;
  for (const TSubcommand& c : list) out << QString::fromLatin1(c.Name);
  return out;
}

// Hands what follows the first argument to the command it names; `missing`
// and `unknown` word the two failures ("не указана команда: ...").
template <std::size_t N>
void Dispatch(const TCommandDef& def, const TSubcommand (&list)[N], const QStringList& given, const QString& missing,
              const QString& unknown, TOutcome& out) {
  if (given.isEmpty()) Fail(kUsage, def, QStringLiteral("%1; допустимы: %2.").arg(missing, Joined(Names(list))));
  for (const TSubcommand& c : list)
    if (given.constFirst() == QLatin1String(c.Name)) return c.Run(given.mid(1), out);
  Fail(kUsage, def, QStringLiteral("%1 «%2»; допустимы: %3.").arg(unknown, given.constFirst(), Joined(Names(list))));
}

void RunProgram(const QStringList& args, TOutcome& out) {
  const TCommandDef& def = ProgramDef();
  QCommandLineParser parser;
  if (!ParseCommand(parser, def, args, out)) return;
  if (parser.isSet(kVersion)) {
    out.Out = VersionText();
    return;
  }
  Dispatch(def, kCommands, parser.positionalArguments(), QStringLiteral("не указана команда"),
           QStringLiteral("неизвестная команда"), out);
}

void RunCalc(const QStringList& args, TOutcome& out) {
  const TCommandDef& def = CalcDef();
  QCommandLineParser parser;
  if (!ParseCommand(parser, def, args, out)) return;
  Dispatch(def, kCalculations, parser.positionalArguments(), QStringLiteral("не указан вид расчёта"),
           QStringLiteral("неизвестный вид расчёта"), out);
}

// "  bolt диаметр класс соединение    фраза ..." for the list of commands.
QString CommandList(const QList<const TCommandDef*>& defs) {
  QStringList usages;
  for (const TCommandDef* s : defs) {
    QString u = s->Path;
    for (const TArgumentDef& a : s->Arguments) u += QLatin1Char(' ') + (a.Syntax.isEmpty() ? a.Name : a.Syntax);
    if (s->Arguments.isEmpty()) u += QStringLiteral(" параметры…");
    usages << u;
  }
  qsizetype width = 0;
  for (const QString& u : usages) width = std::max(width, u.size());
  QString out;
  for (qsizetype i = 0; i < defs.size(); ++i)
    out += QLatin1String("  ") + usages.at(i).leftJustified(width + 2) + defs.at(i)->Summary + QLatin1Char('\n');
  return out;
}

bool Write(std::FILE* stream, const QString& text) {
  if (text.isEmpty()) return true;
  const QByteArray bytes = text.toUtf8();
  const bool all = std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream) ==
                   static_cast<std::size_t>(bytes.size());
  return std::fflush(stream) == 0 && all && !std::ferror(stream);
}

// Qt's own notices (a locale it had to replace, a missing plugin folder) are
// not answers; standard error carries one line of ours or nothing.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg || type == QtCriticalMsg) Write(stderr, QStringLiteral("momenty: ") + message + QLatin1Char('\n'));
}

}  // namespace

const TCommandDef& ProgramDef() {
  static const TCommandDef s = [] {
    TCommandDef c;
    c.Description =
        QStringLiteral(
            "Моменты затяжки резьбовых соединений по СТБ 1879-2008, версия %1.\n"
            "Без аргументов открывает окно программы. С командой отвечает в стандартный вывод\n"
            "(UTF-8) теми же числами и фразами, что и окна, и завершается; окно и дисплей не нужны.\n"
            "\n"
            "Команды (у каждой своя справка: momenty команда --help):\n")
            .arg(QStringLiteral(MOMENTY_VERSION)) +
        CommandList({&BoltDef(), &NutDef(), &TableDef(), &CalcTorqueDef(), &CalcPreloadDef()}) +
        QStringLiteral(
            "\n"
            "Коды возврата: 0 — ответ дан; 1 — на верный вопрос ответа нет (стандарт не определяет\n"
            "момент для сочетания, расчёт не даёт результата); 2 — вопрос задан неверно (неизвестная\n"
            "команда или параметр, нет значения, не число, нет в таблице или списке). Что не так и что\n"
            "допустимо, пишется одной строкой в стандартный поток ошибок.");
    c.Arguments = {{QStringLiteral("команда"), QStringLiteral("bolt, nut, table или calc."), {}}};
    c.Options = {{{QStringLiteral("v"), kVersion}, {}, QStringLiteral("Показать версию и стандарты, которым следует программа.")}};
    c.TakesCommand = true;
    return c;
  }();
  return s;
}

const TCommandDef& CalcDef() {
  static const TCommandDef s = [] {
    TCommandDef c;
    c.Path = QStringLiteral("calc");
    c.Summary = QStringLiteral("расчёты окна расчёта для других резьб");
    c.Description = QStringLiteral("Расчёты окна расчёта для резьб вне таблиц:\n") +
                    CommandList({&CalcTorqueDef(), &CalcPreloadDef()}).replace(QStringLiteral("calc "), QString());
    c.Description.chop(1);
    c.Arguments = {{QStringLiteral("расчёт"), QStringLiteral("torque или preload."), QStringLiteral("torque|preload")}};
    c.TakesCommand = true;
    return c;
  }();
  return s;
}

QString VersionText() {
  return QStringLiteral(
             "momenty %1\n"
             "Моменты затяжки резьбовых соединений по СТБ 1879-2008\n"
             "Стандарты: СТБ 1879-2008 (классы соединений, наименьшие моменты затяжки),\n"
             "ГОСТ 1759.4 (классы прочности болтов и гаек, наибольшие моменты затяжки).\n")
      .arg(QStringLiteral(MOMENTY_VERSION));
}

TOutcome Execute(const QStringList& args) {
  const TParserTexts texts;
  TOutcome out;
  try {
    RunProgram(args, out);
  } catch (const TFailure& f) {
    out = {f.Status, {}, f.Line + QLatin1Char('\n')};
  } catch (const std::exception& e) {
    out = {kNoAnswer, {}, QStringLiteral("momenty: внутренняя ошибка: ") + QString::fromLocal8Bit(e.what()) + QLatin1Char('\n')};
  } catch (...) {
    out = {kNoAnswer, {}, QStringLiteral("momenty: внутренняя ошибка.\n")};
  }
  return out;
}

int Main(int argc, char** argv) {
  qInstallMessageHandler(QuietMessages);
  const QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("momenty"));
  QCoreApplication::setApplicationVersion(QStringLiteral(MOMENTY_VERSION));
  const TOutcome o = Execute(QCoreApplication::arguments().mid(1));
  const bool written = Write(stdout, o.Out);
  Write(stderr, o.Err);
  if (written) return o.Status;
  Write(stderr, QStringLiteral("momenty: не удалось записать ответ в стандартный вывод.\n"));
  return o.Status == kAnswered ? kNoAnswer : o.Status;
}

}  // namespace cli
