#include "platform/report/imprimirgrid.h"

#include "data/dataset.h"
#include "data/errors.h"
#include "platform/dataset/datasetmodel.h"
#include "platform/grid/gridview.h"
#include "platform/report/datasetsource.h"
#include "platform/report/gridreport.h"
#include "platform/report/reportlayout.h"
#include "platform/report/reportpresenter.h"
#include "platform/report/reporttemplate.h"

namespace orva::platform {

void ImprimirGrid(GridView& view, const QString& titulo) {
    using namespace report;
    auto* model = qobject_cast<DatasetModel*>(view.model());
    data::Dataset* dataset = model ? model->dataset() : nullptr;
    if (!dataset)
        throw data::Exception(QStringLiteral(
            "La lista no está enlazada a un conjunto de datos; no se puede imprimir."));

    auto built = std::make_shared<Report>(
        ReadTemplate(TemplatePath(kGridTemplate), {kTitleObject, kRuleObject}));
    const QString sort =
        BuildGridReport(*built, view.visibleColumns(), view.groupedColumns(), titulo);

    // The rows come out in the printed order and the dataset keeps it afterwards (also
    // through refreshes): the dataset orders its rows itself, without reading them again.
    // Columns without a field have nothing to order by and are left out of that order.
    if (dataset->isActive())
        dataset->setOrderBy(DatasetOrder(sort, dataset->fieldNames()));

    // What the grid shows: rows its find panel or filter row hide are not printed.
    DatasetSource source(*dataset, kGridSourceName);
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(dataset->recordCount()));
    const GridModel* grid = view.gridModel();
    for (int row = 0; row < dataset->recordCount(); ++row)
        if (grid->positionOf(row) >= 0)
            rows.push_back(row);
    source.setRows(std::move(rows));

    const PreparedReport prepared = PrepareReport(built, {&source}, titulo);
    PresentReport(prepared);
}

} // namespace orva::platform
