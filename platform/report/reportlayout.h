#pragma once
// Makes a report into pages: runs the master data band over its source, opens and
// closes groups when their conditions change, stretches bands to their texts, starts a
// new page when a band does not fit, and fills in the page numbers at the end.
#include "platform/report/preparedreport.h"
#include "platform/report/reportsource.h"

#include <vector>

namespace orva::platform::report {

/// Prepares every page of `report` in turn over `sources` (found by name). Raises
/// data::Exception when a master data band names a source that is not given.
PreparedReport PrepareReport(std::shared_ptr<const Report> report,
                             const std::vector<const ReportSource*>& sources,
                             const QString& title = {});

} // namespace orva::platform::report
