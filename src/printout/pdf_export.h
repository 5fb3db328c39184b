#pragma once

#include "core/printing.h"

#include <QString>

// Writes a print job to a PDF file of the job's paper; no printer is needed. The file
// is replaced only once every page is written, so a stopped or failed export leaves
// what was there before.
namespace PdfExport {

enum class Outcome { Written, Stopped, Failed };

// error: the reason of a failure.
Outcome write(const PrintJob &job, const QString &path, QString *error,
              const PrintService::Progress &progress = {});

} // namespace PdfExport
