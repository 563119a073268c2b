// Undo and redo of the edits made to the loaded data, and whether the data
// differs from what was last opened or saved.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "score/document.h"

// A document as a whole: its file image (which holds every parameter) and
// the statistics of the file it came from.
struct DataSnapshot {
  std::vector<uint8_t> image;
  LoadStatistics statistics;
};

// The document's data now.
DataSnapshot takeSnapshot(const Document& document);

// Makes snapshot the document's data; false with *error when its image
// cannot be read, leaving the document as it was.
bool restoreSnapshot(const DataSnapshot& snapshot, Document& document, std::string* error);

class EditHistory {
 public:
  static constexpr size_t kMaxSteps = 200;

  // Forgets every step: a file was opened (or nothing is loaded); the data
  // counts as saved.
  void clear();
  // An edit named name changed the data from before to what is loaded now.
  // The steps undone before it cannot be redone any more; the oldest steps
  // beyond kMaxSteps are forgotten.
  void record(DataSnapshot before, const std::string& name);

  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // The names of the steps Undo and Redo would take ("" when none).
  std::string undoName() const;
  std::string redoName() const;
  // Exchanges the loaded data, given as current, for the data before the
  // last step (undo) or after the last undone one (redo), and returns it.
  // Must not be called when there is no such step.
  DataSnapshot undo(DataSnapshot current);
  DataSnapshot redo(DataSnapshot current);

  // The data now is what the file holds.
  void markSaved() { savedRevision_ = revision_; }
  // True when the data differs from the file: some step lies between them.
  bool modified() const { return revision_ != savedRevision_; }

 private:
  struct Step {
    DataSnapshot data;  // the data on the other side of the step
    std::string name;
    int revision;  // the revision that data has
  };
  std::vector<Step> undo_;
  std::vector<Step> redo_;
  int revision_ = 0;
  // Revisions are never reused, so data saved on a branch of steps that
  // was dropped is never taken for the data now.
  int nextRevision_ = 1;
  int savedRevision_ = 0;
};
