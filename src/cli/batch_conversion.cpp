#include "cli/batch_conversion.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "cli/output_names.h"
#include "cli/page_conversion.h"
#include "cli/paths.h"
#include "cli/progress_bar.h"
#include "cli/qt_conversions.h"
#include "library/library_table.h"
#include "score/score_input.h"

namespace fs = std::filesystem;

namespace {

constexpr int kInterruptedStatus = 130;

// Set by Ctrl-C or a termination request: workers finish the page in hand,
// so no temporary file is left behind, and take no more. Lock-free, so the
// signal handler may set it.
std::atomic<bool> stopRequested = false;
static_assert(std::atomic<bool>::is_always_lock_free);

void requestStop(int) { stopRequested = true; }

// Catches SIGINT and SIGTERM for the lifetime of the batch; a second signal
// ends the program at once.
class StopSignals {
 public:
  StopSignals() {
    stopRequested = false;
    struct sigaction action = {};
    action.sa_handler = requestStop;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousInterrupt_);
    sigaction(SIGTERM, &action, &previousTerminate_);
  }
  ~StopSignals() {
    sigaction(SIGINT, &previousInterrupt_, nullptr);
    sigaction(SIGTERM, &previousTerminate_, nullptr);
  }
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

 private:
  struct sigaction previousInterrupt_ = {};
  struct sigaction previousTerminate_ = {};
};

int fail(std::ostream& err, const std::string& message) {
  err << "melibron: " << message << "\n";
  return 1;
}

std::string extensionOf(OutputFormat format) {
  switch (format) {
    case OutputFormat::kPmx: return ".pmx";
    case OutputFormat::kMus: return ".mus";
    case OutputFormat::kSvg: return ".svg";
    case OutputFormat::kPdf: return ".pdf";
    case OutputFormat::kOps: return ".ops";
    case OutputFormat::kPng: break;
  }
  return ".png";
}

bool convertPage(const PageJob& job, const CommandLine& line, std::string* error) {
  Document document;
  if (!openScore(job.input, document, error)) return false;
  std::error_code status;
  fs::create_directories(fs::path(job.output).parent_path(), status);  // subfolders of a walk
  if (!writeConversion(job.output, document, line.format, line.page, error)) {
    *error = messageAboutFile(job.output, *error);
    return false;
  }
  return true;
}

void convertPages(const std::vector<PageJob>& jobs, std::atomic<size_t>& next,
                  const CommandLine& line, BatchProgress& progress) {
  for (size_t index = next++; index < jobs.size() && !stopRequested; index = next++) {
    std::string error;
    if (convertPage(jobs[index], line, &error)) {
      progress.pageConverted();
    } else {
      progress.pageFailed(error);
    }
  }
}

// -j, else one per core, and never more than there are pages. Each worker
// reads every page into a document of its own and lays it out in a view of
// its own; the symbol libraries, loaded before, are only read.
int workerCount(const CommandLine& line, size_t pages) {
  int wanted = line.jobs > 0 ? line.jobs : static_cast<int>(std::thread::hardware_concurrency());
  return static_cast<int>(std::min<size_t>(std::max(wanted, 1), pages));
}

int exitStatus(const BatchProgress& progress) {
  if (stopRequested) return kInterruptedStatus;
  return progress.failed() > 0 ? 1 : 0;
}

int convertToFolder(const CommandLine& line, const std::vector<PageInput>& pages,
                    std::ostream& err) {
  std::vector<PageJob> jobs;
  std::string error;
  if (!planOutputs(pages, line.output, extensionOf(line.format), &jobs, &error)) {
    return fail(err, error);
  }
  std::error_code status;
  fs::create_directories(line.output, status);
  if (status) return fail(err, line.output + ": " + status.message());
  BatchProgress progress(err, progressStyleFor(err, line.quiet), static_cast<int>(jobs.size()));
  std::atomic<size_t> next = 0;
  std::vector<std::thread> workers;
  for (int worker = 1; worker < workerCount(line, jobs.size()); ++worker) {
    workers.emplace_back(convertPages, std::cref(jobs), std::ref(next), std::cref(line),
                         std::ref(progress));
  }
  convertPages(jobs, next, line, progress);
  for (std::thread& worker : workers) worker.join();
  progress.finish(stopRequested);
  return exitStatus(progress);
}

int convertToBook(const CommandLine& line, const std::vector<PageInput>& pages, std::ostream& err) {
  std::vector<std::string> inputs;
  inputs.reserve(pages.size());
  for (const PageInput& page : pages) inputs.push_back(page.path);
  BatchProgress progress(err, progressStyleFor(err, line.quiet), static_cast<int>(inputs.size()));
  auto writePdfBook = qtConversions().writePdfBook;
  if (writePdfBook == nullptr) return fail(err, kNeedsQtProgram);
  std::string error;
  bool written = writePdfBook(
      inputs, line.output, line.page, progress, [] { return stopRequested.load(); }, &error);
  progress.finish(stopRequested);
  if (!written && !error.empty()) fail(err, messageAboutFile(line.output, error));
  return written ? 0 : std::max(1, exitStatus(progress));
}

}  // namespace

bool isBatchConversion(const CommandLine& line) {
  if (isFolderOutput(line.output)) return true;
  return line.format == OutputFormat::kPdf && namesSeveralPages(line.files);
}

int convertBatch(const CommandLine& line, std::ostream& err) {
  std::vector<PageInput> pages;
  std::string error;
  if (!collectPages(line.files, line.recursive, &pages, &error)) return fail(err, error);
  if (pages.empty()) return fail(err, "no .mus or .pmx pages found");
  // Loaded once for all workers, which only read them.
  if (isPageFormat(line.format) && !loadLibraries(libraryDirectory(line.libOption), &error)) {
    return fail(err, error);
  }
  StopSignals stopSignals;
  bool book = !isFolderOutput(line.output);
  return book ? convertToBook(line, pages, err) : convertToFolder(line, pages, err);
}
