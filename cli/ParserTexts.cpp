#include "cli/ParserTexts.h"

#include <QCoreApplication>

#include <cstring>

namespace cli {

namespace {

constexpr struct {
  const char* English;
  const char* Russian;
} kTexts[] = {
    {"Usage: %1", "Использование: %1"},
    {"[options]", "[параметры]"},
    {"Options:", "Параметры:"},
    {"Arguments:", "Аргументы:"},
    {"Missing value after '%1'.", "не указано значение параметра «%1»."},
    {"Unexpected value after '%1'.", "параметр «%1» не принимает значения."},
    {"Unknown option '%1'.", "неизвестный параметр «%1»."},
    {"Unknown options: %1.", "неизвестные параметры: %1."},
};

}  // namespace

TParserTexts::TParserTexts() {
  if (QCoreApplication::instance()) FInstalled = QCoreApplication::installTranslator(this);
}

TParserTexts::~TParserTexts() {
  if (FInstalled && QCoreApplication::instance()) QCoreApplication::removeTranslator(this);
}

QString TParserTexts::translate(const char* context, const char* sourceText, const char*, int) const {
  if (!context || !sourceText || std::strcmp(context, "QCommandLineParser") != 0) return {};
  for (const auto& t : kTexts)
    if (std::strcmp(sourceText, t.English) == 0) return QString::fromUtf8(t.Russian);
  return {};
}

}  // namespace cli
