// Writing output files so that a failure leaves nothing half-written.
#pragma once

#include <QByteArray>
#include <string>

// Writes bytes to path through a temporary file beside it (the core's
// replaceFileContents); false with *error set to the system's reason on failure.
bool saveBytes(const std::string& path, const QByteArray& bytes, std::string* error);
