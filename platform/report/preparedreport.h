#pragma once
// A report made into pages: every band printed, with its objects placed on the page and
// their texts final. The preview, the printer and every export read this.
#include "platform/report/reportmodel.h"

#include <QVariant>
#include <memory>
#include <vector>

namespace orva::platform::report {

struct PreparedItem {
    const ReportObject* object = nullptr; ///< kind and appearance (kept by the report)
    QRectF rect;                          ///< on the page, in units
    QString text;                         ///< text objects: the final text
    QVariant value;                       ///< objects bound to a field: the value itself
};

struct PreparedBand {
    BandKind kind = BandKind::MasterData;
    QRectF rect; ///< on the page, in units
    std::vector<PreparedItem> items;
};

struct PreparedPage {
    double widthMm = 0;
    double heightMm = 0;
    bool landscape = false;
    std::vector<PreparedBand> bands;
    QSizeF size() const { return {widthMm * kUnitsPerMm, heightMm * kUnitsPerMm}; }
};

struct PreparedReport {
    std::shared_ptr<const Report> report; ///< owns the objects the items point to
    QString title;                        ///< names exported files and the preview
    std::vector<PreparedPage> pages;
};

} // namespace orva::platform::report
