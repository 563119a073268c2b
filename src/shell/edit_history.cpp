#include "shell/edit_history.h"

#include <utility>

#include "score/mus_file.h"

DataSnapshot takeSnapshot(const Document& document) {
  return {document.itemTable.fileImage, document.loadStatistics};
}

bool restoreSnapshot(const DataSnapshot& snapshot, Document& document, std::string* error) {
  if (!readMusImage(snapshot.image, document, error)) return false;
  document.loadStatistics = snapshot.statistics;
  return true;
}

void EditHistory::clear() {
  undo_.clear();
  redo_.clear();
  revision_ = 0;
  nextRevision_ = 1;
  savedRevision_ = 0;
}

void EditHistory::record(DataSnapshot before, const std::string& name) {
  undo_.push_back({std::move(before), name, revision_});
  if (undo_.size() > kMaxSteps) undo_.erase(undo_.begin());
  redo_.clear();
  revision_ = nextRevision_++;
}

std::string EditHistory::undoName() const {
  return undo_.empty() ? std::string() : undo_.back().name;
}

std::string EditHistory::redoName() const {
  return redo_.empty() ? std::string() : redo_.back().name;
}

DataSnapshot EditHistory::undo(DataSnapshot current) {
  Step step = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back({std::move(current), step.name, revision_});
  revision_ = step.revision;
  return std::move(step.data);
}

DataSnapshot EditHistory::redo(DataSnapshot current) {
  Step step = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back({std::move(current), step.name, revision_});
  revision_ = step.revision;
  return std::move(step.data);
}
