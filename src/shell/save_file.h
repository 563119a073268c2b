// Writing output files so that a failure leaves nothing half-written.
#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <string>

// Opens file for writing into a temporary file beside its target. Returns
// false with *error set to the system's reason when that is impossible.
bool openForSaving(QSaveFile& file, std::string* error);

// Renames the temporary file over the target. Returns false with *error set
// (and nothing left behind) when any write or the rename failed.
bool finishSaving(QSaveFile& file, std::string* error);

// Writes bytes to path through a temporary file; false with *error set on failure.
bool saveBytes(const std::string& path, const QByteArray& bytes, std::string* error);
