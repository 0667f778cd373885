#pragma once
// The report preview: a modal window showing the prepared pages at a zoom, with page
// navigation, printing and the exports. Files are chosen through the dialogs service and
// errors shown through it.
#include "platform/report/preparedreport.h"

#include <QDialog>

class QLabel;
class QScrollArea;
class QSpinBox;
class QComboBox;

namespace orva::platform::report {

enum class ExportFormat { Pdf, Png, Jpeg, Tiff, Csv, Html, Text, Xls };

/// Spanish name, file filter (dialogs-service form) and extension of an export.
struct ExportKind {
    ExportFormat format;
    QString name;
    QString filter;
    QString extension;
};
const QList<ExportKind>& ExportKinds();

/// Writes the report in that format to `path` (raises data::Exception on failure).
void ExportReport(const PreparedReport& report, ExportFormat format, const QString& path);

class PageView;

class ReportPreview : public QDialog {
    Q_OBJECT
public:
    static constexpr double kDefaultZoom = 1.25;

    explicit ReportPreview(const PreparedReport& report, QWidget* parent = nullptr);

    int pageCount() const;
    /// 1-based page shown.
    int currentPage() const { return page_; }
    void showPage(int page);
    double zoom() const { return zoom_; }
    void setZoom(double zoom);

    /// Asks for a file through the dialogs service and writes the report there; false
    /// when the user cancelled or the writing failed (the error is shown).
    bool exportTo(ExportFormat format);
    /// The print dialog, then the printer.
    void print();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateStatus();

    const PreparedReport& report_;
    int page_ = 1;
    double zoom_ = kDefaultZoom;
    PageView* view_;
    QScrollArea* scroll_;
    QSpinBox* pageBox_;
    QLabel* pageCountLabel_;
    QComboBox* zoomBox_;
};

} // namespace orva::platform::report
