// The External Utilities dialog (ExternUtilsBox): a path and an options field
// and a Run button for each of the five utilities, laid out in dialog units.
#pragma once

#include <QDialog>

#include "score/document.h"
#include "shell/settings.h"
#include "view/view.h"

class MessageSink;

// Control ids; row k (0..4) adds k.
constexpr int kUtilityPathField = 350;
constexpr int kUtilityOptionsField = 400;
constexpr int kUtilityRunButton = 300;

class ExternalUtilsDialog : public QDialog {
 public:
  // Builds the dialog and fills every row from the settings. A run hands
  // over document and lays what comes back out in view; its failures are
  // told through messages.
  ExternalUtilsDialog(QWidget* parent, MessageSink& messages, Document& document, View& view);

  // Dialog units to pixels with this dialog's font, as the platform the
  // resource was drawn for converts them.
  QRect dialogUnitsToPixels(int x, int y, int width, int height) const;

  // OK: takes every row into the settings, then closes.
  void accept() override;

 private:
  void addRow(int k);
  void addStatic(const QString& text, int x, int y, int width, int height);
  MessageSink& messages_;
  Document& document_;
  View& view_;
  int averageCharWidth_ = 0;
  int charHeight_ = 0;
};
