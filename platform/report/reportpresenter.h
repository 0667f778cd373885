#pragma once
// What happens to a prepared report that is to be shown: by default the modal preview
// window; tests (and batch work) put another presenter in its place.
#include "platform/report/preparedreport.h"

#include <functional>

namespace orva::platform::report {

using Presenter = std::function<void(const PreparedReport&)>;

/// Installs `presenter` (empty: the preview window again) and gives the previous one.
Presenter SetPresenter(Presenter presenter);

/// Shows the report through the installed presenter; returns when it is done with it.
void PresentReport(const PreparedReport& report);

} // namespace orva::platform::report
