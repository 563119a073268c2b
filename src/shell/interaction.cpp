#include "shell/interaction.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

const char* openFileFilters() {
  // Qt matches these patterns without regard to case, so *.MUS finds .mus too.
  return "MUS Files (*.MUS);;DRW Files (*.DRW);;PMX Files (*.PMX);;All Files (*.*)";
}

void WidgetInteraction::showMessage(const Message& message) {
  QMessageBox box(message.icon == MessageIcon::kExclamation ? QMessageBox::Warning
                                                            : QMessageBox::NoIcon,
                  QString::fromStdString(message.caption), QString::fromStdString(message.text),
                  QMessageBox::Ok, owner_);
  box.exec();
}

std::string WidgetInteraction::chooseFileToOpen(const std::string& startDirectory) {
  QString path = QFileDialog::getOpenFileName(owner_, QString(),
                                              QString::fromStdString(startDirectory),
                                              QString::fromLatin1(openFileFilters()));
  return path.toStdString();
}

void WidgetInteraction::runModal(QDialog& dialog) { dialog.exec(); }
