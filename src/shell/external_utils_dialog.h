// The External Utilities dialog (ExternUtilsBox): a path and an options field
// and a Run button for each of the five utilities, laid out in dialog units.
#pragma once

#include <QDialog>
#include <functional>

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
  // Runs row k of the dialog.
  using RowRunner = std::function<void(ExternalUtilsDialog& dialog, int k)>;

  // Builds the dialog and fills every row from the settings. A Run button
  // calls run, by default runExternalUtility, which hands over document,
  // lays what comes back out in view and tells failures through messages.
  ExternalUtilsDialog(QWidget* parent, MessageSink& messages, Document& document, View& view,
                      RowRunner run = {});

  // Dialog units to pixels with this dialog's font, as the platform the
  // resource was drawn for converts them.
  QRect dialogUnitsToPixels(int x, int y, int width, int height) const;

  // OK: takes every row into the settings, then closes.
  void accept() override;

 private:
  void addRow(int k);
  void addStatic(const QString& text, int x, int y, int width, int height);
  RowRunner run_;
  int averageCharWidth_ = 0;
  int charHeight_ = 0;
};
