#pragma once
// Report templates: JSON files of our own format (resources/Reportes/README.md), read
// into a Report the program then completes. Errors carry a Spanish text.
#include "platform/report/reportmodel.h"

#include <QString>
#include <QStringList>

namespace orva::platform::report {

/// The folder of report templates: the one set by SetReportsFolder(), else the
/// environment variable ORVA_REPORTES_DIR, else "Reportes" beside the program.
QString ReportsFolder();
/// Points ReportsFolder() elsewhere; empty goes back to the default.
void SetReportsFolder(const QString& folder);
/// The file of a template by name ("ReporteGeneral" → <folder>/ReporteGeneral.json).
QString TemplatePath(const QString& name);

/// Reads a template file. Raises data::Exception when the file is missing, cannot be
/// read, is not a template, or lacks any of `requiredObjects`.
Report ReadTemplate(const QString& path, const QStringList& requiredObjects = {});

} // namespace orva::platform::report
