// The real program with arguments, started with no display at all: it must
// answer without connecting to one, in UTF-8, with the right exit status.
#include "core/TorqueTables.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct TRun {
  int Status = -1;
  QByteArray Out;
  QByteArray Err;
};

// The environment with no DISPLAY, no Wayland, no platform choice: a window
// system connection would fail (and abort) there.
QProcessEnvironment NoDisplay(const QString& lang = QStringLiteral("C.UTF-8")) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_CTYPE"}) env.remove(QString::fromLatin1(v));
  env.insert("LANG", lang);
  return env;
}

TRun RunProgram(const QString& program, const QStringList& args, const QProcessEnvironment& env, const QString& outFile = {}) {
  QProcess p;
  p.setProcessEnvironment(env);
  if (!outFile.isEmpty()) p.setStandardOutputFile(outFile);
  p.start(program, args);
  TRun r;
  if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit) return r;
  r.Status = p.exitCode();
  r.Out = p.readAllStandardOutput();
  r.Err = p.readAllStandardError();
  return r;
}

TRun Started(const QStringList& args, const QString& lang = QStringLiteral("C.UTF-8"), const QString& outFile = {}) {
  return RunProgram(QStringLiteral(MOMENTY_BINARY), args, NoDisplay(lang), outFile);
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

// Without arguments the program loads its windows from the module beside it
// (the same relative place as in an installed copy) and runs them.
TEST(ProgramBinary, WithoutArgumentsTheWindowsModuleIsLoadedAndRuns) {
  QProcessEnvironment env = NoDisplay();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(MOMENTY_BINARY), {});
  ASSERT_TRUE(p.waitForStarted());
  const QString maps = QStringLiteral("/proc/%1/maps").arg(p.processId());
  const QString module = QFileInfo(QStringLiteral(MOMENTY_WINDOWS_MODULE)).canonicalFilePath();
  bool loaded = false;
  QElapsedTimer waited;
  waited.start();
  while (!loaded && p.state() == QProcess::Running && waited.elapsed() < 60000) {
    QFile f(maps);
    loaded = f.open(QIODevice::ReadOnly) && f.readAll().contains(module.toUtf8());
    if (!loaded) p.waitForFinished(50);
  }
  const bool stillRunning = p.state() == QProcess::Running;
  p.kill();
  p.waitForFinished();
  EXPECT_TRUE(loaded) << p.readAllStandardError().toStdString();
  EXPECT_TRUE(stillRunning) << "exit status " << p.exitCode();
}

// A copy of the program without its windows module, or with one that is no
// module at all: one Russian line naming the file, status 1, no crash. The
// command line does not need the module.
TEST(ProgramBinary, AMissingOrBrokenWindowsModuleIsReportedInOneLine) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString program = dir.filePath(QStringLiteral("bin/momenty"));
  ASSERT_TRUE(QDir().mkpath(QFileInfo(program).absolutePath()));
  ASSERT_TRUE(QFile::copy(QStringLiteral(MOMENTY_BINARY), program));
  const QString relative =
      QFileInfo(QStringLiteral(MOMENTY_BINARY)).absoluteDir().relativeFilePath(QStringLiteral(MOMENTY_WINDOWS_MODULE));
  const QString module = QDir::cleanPath(QFileInfo(program).canonicalPath() + QLatin1Char('/') + relative);

  const auto expectReported = [&](const char* situation) {
    SCOPED_TRACE(situation);
    const TRun r = RunProgram(program, {}, NoDisplay());
    EXPECT_EQ(r.Status, 1);
    EXPECT_TRUE(r.Out.isEmpty());
    const QString err = QString::fromUtf8(r.Err);
    EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << r.Err.toStdString();
    EXPECT_TRUE(err.endsWith(QLatin1Char('\n')));
    EXPECT_TRUE(err.startsWith(QStringLiteral("momenty: не удалось запустить окна программы: "))) << r.Err.toStdString();
    EXPECT_TRUE(err.contains(module)) << r.Err.toStdString();
  };
  expectReported("missing");

  ASSERT_TRUE(QDir().mkpath(QFileInfo(module).absolutePath()));
  QFile broken(module);
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a module\n");
  broken.close();
  expectReported("not a shared object");

  const TRun r = RunProgram(program, {"bolt", "M12", "8.8", "2"}, NoDisplay());
  EXPECT_EQ(r.Status, 0) << r.Err.toStdString();
}

}  // namespace
