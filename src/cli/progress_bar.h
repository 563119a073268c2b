// Progress and failures of a batch conversion, written to standard error.
#pragma once

#include <chrono>
#include <mutex>
#include <ostream>
#include <string>

// The bar's text: "  37/200 pages [######--------------]  41.2 pages/s  4 s left";
// before the first page there is no rate to show.
std::string progressLine(int done, int total, double seconds);

// A duration for people: "12 s", "3 min 05 s", "2 h 07 min".
std::string durationText(double seconds);

enum class ProgressStyle {
  kBar,           // a terminal: the bar redrawn in place, failures above it
  kFailuresOnly,  // a file or pipe: one line per failure
  kQuiet,         // nothing
};

// The style for writing to err, --quiet given or not: the bar only when err
// is standard error and that is a terminal.
ProgressStyle progressStyleFor(const std::ostream& err, bool quiet);

// Counts pages as workers finish them; safe to call from any thread.
class BatchProgress {
 public:
  BatchProgress(std::ostream& err, ProgressStyle style, int total);

  void pageConverted();
  // message: "<path>: <reason>", written as "melibron: <message>".
  void pageFailed(const std::string& message);
  // Removes the bar and writes the summary unless quiet: what was converted
  // and what failed, and what was left when the batch was interrupted.
  void finish(bool interrupted);

  int converted() const;
  int failed() const;

 private:
  void drawBar(bool always);  // with mutex_ held
  void clearBar();            // with mutex_ held

  std::ostream& err_;
  ProgressStyle style_;
  int total_;
  int converted_ = 0;
  int failed_ = 0;
  bool barShown_ = false;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastDrawn_;
  mutable std::mutex mutex_;
};
