// The real program with arguments, started with no display at all: it must
// answer without connecting to one, in UTF-8, with the right exit status.
#include "core/TorqueTables.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct TRun {
  int Status = -1;
  QByteArray Out;
  QByteArray Err;
};

// Runs the program with `args` and no DISPLAY, no Wayland, no platform
// choice: a window system connection would fail (and abort) there.
TRun Started(const QStringList& args, const QString& lang = QStringLiteral("C.UTF-8"), const QString& outFile = {}) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_CTYPE"}) env.remove(QString::fromLatin1(v));
  env.insert("LANG", lang);
  QProcess p;
  p.setProcessEnvironment(env);
  if (!outFile.isEmpty()) p.setStandardOutputFile(outFile);
  p.start(QStringLiteral(MOMENTY_BINARY), args);
  TRun r;
  if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit) return r;
  r.Status = p.exitCode();
  r.Out = p.readAllStandardOutput();
  r.Err = p.readAllStandardError();
  return r;
}

TEST(ProgramBinary, AnswersWithoutADisplayWithEachExitStatus) {
  const QString sentence = *torque::ResultText(torque::kBoltNoun, *torque::BoltMaxTorque("12", "8.8"), "2");
  TRun r = Started({"bolt", "M12", "8.8", "2"});
  EXPECT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_EQ(r.Out, sentence.toUtf8() + '\n');  // UTF-8 bytes
  EXPECT_TRUE(r.Err.isEmpty()) << r.Err.toStdString();

  r = Started({"bolt", "M6", "5.8", "4"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Out, torque::kNotDefined.toUtf8() + '\n');
  EXPECT_EQ(r.Err.count('\n'), 1) << r.Err.toStdString();

  r = Started({"bolt", "M13", "8.8", "2"});
  EXPECT_EQ(r.Status, 2);
  EXPECT_TRUE(r.Out.isEmpty());
  EXPECT_EQ(r.Err.count('\n'), 1) << r.Err.toStdString();
  EXPECT_TRUE(QString::fromUtf8(r.Err).contains(QStringLiteral("«M13»")));

  r = Started({"--version"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_TRUE(r.Out.startsWith("momenty 4.2\n"));
}

TEST(ProgramBinary, CyrillicArgumentsAndOutputWorkUnderAnAsciiLocaleToo) {
  // Qt replaces a non-UTF-8 locale and says so; that notice is no answer.
  const TRun r = Started({"bolt", QStringLiteral("М12"), "8,8", "2"}, QStringLiteral("C"));
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, torque::ResultText(torque::kBoltNoun, *torque::BoltMaxTorque("12", "8.8"), "2")->toUtf8() + '\n');
  EXPECT_TRUE(r.Err.isEmpty()) << r.Err.toStdString();
}

TEST(ProgramBinary, AnAnswerThatCannotBeWrittenIsNotReportedAsSuccess) {
  const TRun r = Started({"table", "pneumatic"}, QStringLiteral("C.UTF-8"), QStringLiteral("/dev/full"));
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Err.count('\n'), 1) << r.Err.toStdString();
}

}  // namespace
