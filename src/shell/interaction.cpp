#include "shell/interaction.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

const char* openFileFilters() {
  // Qt matches these patterns without regard to case, so *.MUS finds .mus too.
  return "MUS Files (*.MUS);;DRW Files (*.DRW);;PMX Files (*.PMX);;All Files (*.*)";
}

void WidgetInteraction::showMessage(const Message& message) {
  QMessageBox box(
      message.icon == MessageIcon::kExclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
      QString::fromStdString(message.caption), QString::fromStdString(message.text),
      QMessageBox::Ok, owner_);
  box.exec();
}

std::string WidgetInteraction::chooseFileToOpen(const std::string& startDirectory) {
  QString path =
      QFileDialog::getOpenFileName(owner_, QString(), QString::fromStdString(startDirectory),
                                   QString::fromLatin1(openFileFilters()));
  return path.toStdString();
}

std::string WidgetInteraction::chooseFileToSave(const std::string& suggestedPath,
                                                const std::string& filter,
                                                const std::string& extension) {
  QFileDialog dialog(owner_, QString(), QString::fromStdString(suggestedPath),
                     QString::fromStdString(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QString::fromStdString(extension));
  dialog.selectFile(QString::fromStdString(suggestedPath));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}

SaveChoice WidgetInteraction::askToSave(const std::string& question) {
  QMessageBox box(QMessageBox::Warning, "MELIBRON", QString::fromStdString(question),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner_);
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save: return SaveChoice::kSave;
    case QMessageBox::Discard: return SaveChoice::kDiscard;
    default: return SaveChoice::kCancel;
  }
}

void WidgetInteraction::runModal(QDialog& dialog) { dialog.exec(); }
