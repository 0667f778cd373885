#include "platform/report/reportpresenter.h"

#include "platform/report/reportpreview.h"

#include <QApplication>

namespace orva::platform::report {
namespace {

Presenter& installed() {
    static Presenter presenter;
    return presenter;
}

} // namespace

Presenter SetPresenter(Presenter presenter) {
    return std::exchange(installed(), std::move(presenter));
}

void PresentReport(const PreparedReport& report) {
    if (installed()) {
        installed()(report);
        return;
    }
    ReportPreview preview(report, QApplication::activeWindow());
    preview.exec();
}

} // namespace orva::platform::report
