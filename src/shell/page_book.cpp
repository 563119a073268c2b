#include "shell/page_book.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "score/score_input.h"
#include "shell/save_file.h"

bool writePdfBook(const std::vector<std::string>& inputs, const std::string& path,
                  const PageOptions& requested, BatchProgress& progress,
                  const std::function<bool()>& stop, std::string* error) {
  PageOptions options = drawingOptions(PageFormat::kPdf, requested);
  QBuffer file;
  file.open(QIODevice::WriteOnly);
  QPdfWriter writer(&file);
  setUpPdfWriter(writer, options);
  QPainter painter;
  for (const std::string& input : inputs) {
    if (stop()) break;
    std::string reason;
    Document document;
    if (!openScore(input, document, &reason)) {
      progress.pageFailed(reason);
      continue;
    }
    if (progress.failed() == 0) {
      // Beginning the painter opens the first page.
      bool begun = painter.isActive() ? writer.newPage() : painter.begin(&writer);
      if (!begun) {
        *error = "the PDF could not be started";
        return false;
      }
      View view;
      layoutPage(document, view, options);
      paintPage(painter, document, view, QSize(writer.width(), writer.height()), options.antialias);
    }
    progress.pageConverted();
  }
  if (painter.isActive()) painter.end();
  int failed = progress.failed();
  if (failed > 0) {
    *error = "not written: " + std::to_string(failed) + " of " + std::to_string(inputs.size()) +
             (inputs.size() == 1 ? " page" : " pages") + " failed";
    return false;
  }
  if (stop()) {
    error->clear();
    return false;
  }
  return saveBytes(path, file.data(), error);
}
