// The File Info dialog (Fileinfobox): counts and trailer values of the loaded
// file, shown read-only.
#pragma once

#include <QDialog>

#include "score/document.h"

// Control ids of the value fields.
constexpr int kItemCountField = 230;
constexpr int kFirstCodeCountField = 200;  // codes 1..18 in 200..217
constexpr int kFileSizeField = 232;
constexpr int kScoreVersionField = 233;
constexpr int kSerialNumberField = 234;
constexpr int kUnitsField = 235;

class FileInfoDialog : public QDialog {
 public:
  // Builds the dialog filled with the values of the document.
  FileInfoDialog(QWidget* parent, const Document& document);
};
