#pragma once
// Prepared pages written straight into a PDF file. Texts use the standard fonts every PDF
// reader has (Helvetica for Arial and other sans-serif faces, Times, Courier) in the
// Windows Latin encoding, which holds Spanish; they are not embedded, so a long list
// stays small and is written fast. Lines break where the preview breaks them: the
// standard faces have the metrics of the ones the preview measures with.
#include "platform/report/preparedreport.h"

namespace orva::platform::report {

/// Writes every page to a PDF file; raises data::Exception when it cannot be written.
void WritePdf(const PreparedReport& report, const QString& path);

} // namespace orva::platform::report
