#pragma once
// The rules of a page: frame sides of text objects and line objects, with the pieces that
// continue one another (the bottom frames of the cells of one row) joined into one line.
// Drawn last, over fills and texts, by every output.
#include "platform/report/preparedreport.h"

#include <QColor>
#include <QLineF>
#include <vector>

namespace orva::platform::report {

struct PageLine {
    QLineF line; ///< units
    QColor color;
    double width = 1; ///< units
    Qt::PenStyle style = Qt::SolidLine;
};

std::vector<PageLine> PageLines(const PreparedPage& page);

} // namespace orva::platform::report
