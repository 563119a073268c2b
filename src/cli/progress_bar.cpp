#include "cli/progress_bar.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>

namespace {

constexpr int kBarWidth = 20;
// Often enough to look alive, rarely enough to cost nothing.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr char kEraseLine[] = "\r\033[K";

std::string twoDigits(long value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02ld", value);
  return text;
}

// A line that wraps could not be erased in place; it is cut to the
// terminal's width instead.
size_t terminalColumns() {
  winsize size = {};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) return 80;
  return size.ws_col;
}

}  // namespace

std::string durationText(double seconds) {
  long total = std::lround(std::max(seconds, 0.0));
  if (total < 60) return std::to_string(total) + " s";
  if (total < 3600) return std::to_string(total / 60) + " min " + twoDigits(total % 60) + " s";
  return std::to_string(total / 3600) + " h " + twoDigits(total / 60 % 60) + " min";
}

std::string progressLine(int done, int total, double seconds) {
  int filled = total > 0 ? static_cast<int>(static_cast<long long>(kBarWidth) * done / total) : 0;
  std::string line = "  " + std::to_string(done) + "/" + std::to_string(total) + " pages [" +
                     std::string(filled, '#') + std::string(kBarWidth - filled, '-') + "]";
  if (done == 0 || seconds <= 0) return line;
  double rate = done / seconds;
  char text[32];
  std::snprintf(text, sizeof text, "  %.1f pages/s", rate);
  return line + text + "  " + durationText((total - done) / rate) + " left";
}

ProgressStyle progressStyleFor(const std::ostream& err, bool quiet) {
  if (quiet) return ProgressStyle::kQuiet;
  bool terminal = &err == &std::cerr && isatty(STDERR_FILENO);
  return terminal ? ProgressStyle::kBar : ProgressStyle::kFailuresOnly;
}

BatchProgress::BatchProgress(std::ostream& err, ProgressStyle style, int total)
    : err_(err), style_(style), total_(total), start_(std::chrono::steady_clock::now()) {
  std::lock_guard lock(mutex_);
  drawBar(true);
}

void BatchProgress::pageConverted() {
  std::lock_guard lock(mutex_);
  ++converted_;
  drawBar(converted_ + failed_ == total_);
}

void BatchProgress::pageFailed(const std::string& message) {
  std::lock_guard lock(mutex_);
  ++failed_;
  if (style_ == ProgressStyle::kQuiet) return;
  clearBar();
  err_ << "melibron: " << message << "\n";
  drawBar(true);
}

void BatchProgress::finish(bool interrupted) {
  std::lock_guard lock(mutex_);
  if (style_ == ProgressStyle::kQuiet) return;
  clearBar();
  err_ << "melibron: " << converted_ << (converted_ == 1 ? " page" : " pages") << " converted, "
       << failed_ << " failed";
  if (interrupted) err_ << ", " << total_ - converted_ - failed_ << " left (interrupted)";
  err_ << "\n";
  err_.flush();
}

int BatchProgress::converted() const {
  std::lock_guard lock(mutex_);
  return converted_;
}

int BatchProgress::failed() const {
  std::lock_guard lock(mutex_);
  return failed_;
}

void BatchProgress::drawBar(bool always) {
  if (style_ != ProgressStyle::kBar) return;
  auto now = std::chrono::steady_clock::now();
  if (!always && now - lastDrawn_ < kRedrawInterval) return;
  lastDrawn_ = now;
  double seconds = std::chrono::duration<double>(now - start_).count();
  std::string line = progressLine(converted_ + failed_, total_, seconds);
  line.resize(std::min(line.size(), terminalColumns() - 1));
  err_ << kEraseLine << line;
  err_.flush();
  barShown_ = true;
}

void BatchProgress::clearBar() {
  if (!barShown_) return;
  err_ << kEraseLine;
  barShown_ = false;
}
