// Runs the fidelity program and reads the figures it prints.
#pragma once

#include <QProcess>
#include <QStringList>
#include <cstdio>
#include <string>

struct FidelityFigures {
  bool printed = false;  // the program exited 0 with the figures line
  double recall = 0;
  double precision = 0;
  int dx = 0;
  int dy = 0;
  int dpi = 0;
  std::string errors;  // its standard error, for failure messages
};

inline FidelityFigures runFidelity(const QStringList& arguments) {
  QProcess process;
  process.start(FIDELITY_EXECUTABLE, arguments);
  FidelityFigures figures;
  if (!process.waitForFinished(300000)) return figures;
  const std::string output = process.readAllStandardOutput().toStdString();
  figures.errors = process.readAllStandardError().toStdString();
  figures.printed =
      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
      std::sscanf(output.c_str(), "recall %lf precision %lf shift %d %d dpi %d", &figures.recall,
                  &figures.precision, &figures.dx, &figures.dy, &figures.dpi) == 5;
  return figures;
}
