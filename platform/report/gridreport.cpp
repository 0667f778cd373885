#include "platform/report/gridreport.h"

#include "data/errors.h"

namespace orva::platform::report {
namespace {

constexpr int kTagJustified = 7;
constexpr int kTagMoney = 8;
const QString kMoneyFormat = QStringLiteral("%2.2m");
constexpr double kHeaderTop = 500;
constexpr double kHeaderHeight = 25;
constexpr double kGroupHeight = 25;
constexpr double kDataHeight = 30;
constexpr double kCellHeight = 18;

QFont arial(double points) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

QString fieldExpression(const QString& field) {
    return QStringLiteral("%1.\"%2\"").arg(kGridSourceName, field);
}

QString direction(const GridColumnInfo& column) {
    return column.sort == SortState::Ascending ? QStringLiteral("asc") : QStringLiteral("desc");
}

/// Grey of a group level: the outermost lightest.
QColor groupFill(int level) {
    if (level == 0)
        return QColor(224, 224, 224);
    if (level == 1)
        return QColor(177, 177, 177);
    return QColor(208, 214, 215);
}

void placeRule(ReportObject& rule, double top) {
    rule.bounds = QRectF(0, top, 100, 1);
    rule.fullWidth = true;
}

} // namespace

QString BuildGridReport(Report& report, const QList<GridColumnInfo>& visible,
                        const QList<GridColumnInfo>& grouped, const QString& title) {
    ReportObject* titleObject = report.findObject(kTitleObject);
    ReportObject rule;
    if (!titleObject || !report.takeObject(kRuleObject, rule) || report.pages.empty())
        throw data::Exception(
            QStringLiteral("La plantilla de reporte no tiene los objetos «%1» y «%2».")
                .arg(kTitleObject, kRuleObject));
    titleObject->text = title;

    ReportPage& first = report.pages.front();
    first.landscape = false;
    double total = 0;
    for (const GridColumnInfo& column : visible)
        total += column.width;
    // Wider than the portrait page between its margins: landscape. Wider still than the
    // landscape page: the columns are narrowed to fit rather than cut off at the edge.
    if (total > first.printableWidth())
        first.landscape = true;
    ReportPage& page = report.pages.back();
    const double room = page.printableWidth();
    const double scale = total > room && total > 0 ? room / total : 1.0;

    // Column header band with the captions and the rule under them.
    Band header;
    header.name = QStringLiteral("Header1");
    header.kind = BandKind::ColumnHeader;
    header.top = kHeaderTop;
    header.height = kHeaderHeight;
    header.stretch = true;
    double edge = 0;
    for (const GridColumnInfo& column : visible) {
        const double width = column.width * scale;
        ReportObject caption;
        caption.name = QStringLiteral("Cabecera%1").arg(header.objects.size() + 1);
        caption.text = column.caption;
        caption.bounds = QRectF(edge - 1, 2, width, kHeaderHeight);
        caption.hAlign = HAlign::Left;
        caption.font = arial(9);
        caption.color = QColor(0, 1, 94);
        header.objects.push_back(caption);
        edge += width;
    }
    placeRule(rule, header.height + 10);
    header.objects.push_back(rule);
    page.bands.push_back(header);

    // Group headers, outermost first.
    QString sort;
    double top = kHeaderTop + kHeaderHeight;
    for (int level = 0; level < grouped.size(); ++level) {
        const GridColumnInfo& column = grouped[level];
        Band group;
        group.name = QStringLiteral("GroupHeader%1").arg(level + 1);
        group.kind = BandKind::GroupHeader;
        group.top = top;
        group.height = kGroupHeight;
        group.condition = fieldExpression(column.fieldName);
        ReportObject text;
        text.name = QStringLiteral("Grupo%1").arg(level + 1);
        text.text =
            QStringLiteral("%1: [%2]").arg(column.caption, fieldExpression(column.fieldName));
        text.bounds = QRectF(0, 0, 100, kGroupHeight);
        text.fullWidth = true;
        text.stretch = StretchMode::MaxHeight;
        text.font = arial(10);
        text.hAlign = HAlign::Left;
        text.fill = groupFill(level);
        group.objects.push_back(text);
        page.bands.push_back(group);
        sort += QStringLiteral("%1 %2,").arg(column.fieldName, direction(column));
        top += kGroupHeight;
    }

    // The data band: one cell per visible column.
    Band master;
    master.name = QStringLiteral("MasterData1");
    master.kind = BandKind::MasterData;
    master.top = top;
    master.dataSet = kGridSourceName;
    master.stretch = true;
    double height = kDataHeight;
    edge = 0;
    for (const GridColumnInfo& column : visible) {
        const double width = column.width * scale;
        ReportObject cell;
        cell.name = QStringLiteral("Dato%1").arg(master.objects.size() + 1);
        if (!column.fieldName.isEmpty()) {
            cell.dataSet = kGridSourceName;
            cell.dataField = column.fieldName;
        }
        cell.stretch = StretchMode::MaxHeight;
        cell.bounds = QRectF(edge - 1, 0, width, kCellHeight);
        cell.font = arial(9);
        cell.frame.bottom = true;
        cell.frame.width = 0.5;
        cell.frame.style = Qt::SolidLine;
        if (column.tag == kTagJustified)
            cell.hAlign = HAlign::Justify;
        else if (column.tag == kTagMoney)
            cell.displayFormat = kMoneyFormat;
        height = std::max(height, cell.bounds.height());
        master.objects.push_back(cell);
        sort += QStringLiteral("%1 %2,").arg(column.fieldName, direction(column));
        edge += width;
    }
    master.height = height;
    page.bands.push_back(master);
    top += height;

    for (int level = 0; level < grouped.size(); ++level) {
        Band footer;
        footer.name = QStringLiteral("GroupFooter%1").arg(level + 1);
        footer.kind = BandKind::GroupFooter;
        footer.top = top + level;
        footer.height = 0;
        page.bands.push_back(footer);
    }

    sort.chop(1);
    return sort;
}

QString DatasetOrder(const QString& sortText, const QStringList& datasetFields) {
    QStringList items;
    for (const QString& item : sortText.split(QLatin1Char(','))) {
        const QStringList words = item.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() == 2 && datasetFields.contains(words[0], Qt::CaseInsensitive))
            items << words.join(QLatin1Char(' '));
    }
    return items.join(QStringLiteral(", "));
}

} // namespace orva::platform::report
