#pragma once
// The command line: with arguments the program answers on standard output
// and ends, with Qt Core only and no display.
#include <QString>
#include <QStringList>

namespace cli {

// Exit statuses.
inline constexpr int kAnswered = 0;
inline constexpr int kNoAnswer = 1;  // a valid question without an answer (the standard defines none, no result)
inline constexpr int kUsage = 2;     // the question is wrongly put

struct TOutcome {
  int Status = kAnswered;
  QString Out;  // for standard output
  QString Err;  // for standard error: one line, or nothing
};

// Answers the arguments that follow the program name. Uses the application
// object for the parser's own texts when there is one; writes nothing itself.
TOutcome Execute(const QStringList& args);

// The program's entry with arguments: a core application, Execute, and the
// texts written out as UTF-8. Returns the exit status.
int Main(int argc, char** argv);

}  // namespace cli
