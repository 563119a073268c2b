// The help window of F1: the keys and commands, where the program's files
// live and the command line.
#pragma once

#include <QDialog>
#include <string>

// The help text as HTML, naming the files as this run finds them;
// libraryDirectory holds the symbol libraries.
QString helpHtml(const std::string& libraryDirectory);

class HelpWindow : public QDialog {
 public:
  HelpWindow(QWidget* parent, const std::string& libraryDirectory);
  // The text shown, as plain text.
  QString text() const;
};
