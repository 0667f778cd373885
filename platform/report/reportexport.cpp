#include "platform/report/reportexport.h"

#include "data/errors.h"
#include "platform/xls/xlsbook.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace orva::platform::report {
namespace {

/// Average width of a character of the usual 9-point text, in units.
constexpr double kCharWidth = 7.0;

std::vector<const PreparedItem*> textItems(const PreparedBand& band) {
    std::vector<const PreparedItem*> items;
    for (const PreparedItem& item : band.items)
        if (item.object->kind == ObjectKind::Text)
            items.push_back(&item);
    std::stable_sort(items.begin(), items.end(), [](const PreparedItem* a, const PreparedItem* b) {
        return a->rect.left() < b->rect.left();
    });
    return items;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush())
        throw data::Exception(QStringLiteral("No se puede escribir el archivo «%1»: %2.")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
}

QString csvCell(const QString& text) {
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString oneLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

QString cssColor(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString px(double units) {
    return QString::number(units, 'f', 1) + QStringLiteral("px");
}

QString htmlItem(const PreparedItem& item) {
    const ReportObject& o = *item.object;
    const QRectF& r = item.rect;
    QString style = QStringLiteral("left:%1;top:%2;width:%3;height:%4;")
                        .arg(px(r.left()), px(r.top()), px(r.width()), px(r.height()));
    if (o.kind == ObjectKind::Line) {
        const bool vertical = r.height() > 1 && r.width() <= 1;
        style += QStringLiteral("border-%1:%2 solid %3;%4")
                     .arg(vertical ? QStringLiteral("left") : QStringLiteral("top"),
                          px(o.lineWidth), cssColor(o.color),
                          vertical ? QStringLiteral("width:0;") : QStringLiteral("height:0;"));
        return QStringLiteral("<div class=\"o\" style=\"%1\"></div>\n").arg(style);
    }
    if (o.kind == ObjectKind::Picture) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        o.picture.save(&buffer, "PNG");
        return QStringLiteral("<img class=\"o\" style=\"%1object-fit:contain;\" "
                              "src=\"data:image/png;base64,%2\">\n")
            .arg(style, QString::fromLatin1(png.toBase64()));
    }
    static const char* aligns[] = {"left", "center", "right", "justify"};
    style += QStringLiteral("font-family:'%1';font-size:%2pt;color:%3;text-align:%4;")
                 .arg(o.font.family())
                 .arg(o.font.pointSizeF())
                 .arg(cssColor(o.color), QLatin1String(aligns[static_cast<int>(o.hAlign)]));
    if (o.font.bold())
        style += QStringLiteral("font-weight:bold;");
    if (o.font.italic())
        style += QStringLiteral("font-style:italic;");
    if (o.font.underline())
        style += QStringLiteral("text-decoration:underline;");
    if (o.fill.isValid())
        style += QStringLiteral("background:%1;").arg(cssColor(o.fill));
    const auto border = [&](bool on, const char* side) {
        if (on)
            style += QStringLiteral("border-%1:%2 solid %3;")
                         .arg(QLatin1String(side), px(o.frame.width), cssColor(o.frame.color));
    };
    border(o.frame.left, "left");
    border(o.frame.top, "top");
    border(o.frame.right, "right");
    border(o.frame.bottom, "bottom");
    if (!o.wordWrap)
        style += QStringLiteral("white-space:nowrap;");
    QString text = item.text.toHtmlEscaped();
    text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return QStringLiteral("<div class=\"o t\" style=\"%1\">%2</div>\n").arg(style, text);
}

/// The Excel number format for a report display format.
QString excelFormat(const QString& displayFormat) {
    if (displayFormat.isEmpty())
        return {};
    if (displayFormat.startsWith(QLatin1Char('%'))) {
        static const QRegularExpression decimals(QStringLiteral("\\.(\\d+)"));
        const QRegularExpressionMatch m = decimals.match(displayFormat);
        const int d = m.hasMatch() ? m.captured(1).toInt() : 2;
        const QString fraction =
            d > 0 ? QStringLiteral(".") + QString(d, QLatin1Char('0')) : QString();
        const QChar kind = displayFormat.back().toLower();
        if (kind == QLatin1Char('m'))
            return QStringLiteral("$#,##0") + fraction;
        if (kind == QLatin1Char('n'))
            return QStringLiteral("#,##0") + fraction;
        return QStringLiteral("0") + fraction;
    }
    return displayFormat;
}

} // namespace

std::vector<std::vector<const PreparedItem*>> TableRows(const PreparedReport& report) {
    std::vector<std::vector<const PreparedItem*>> rows;
    bool captionsDone = false;
    for (const PreparedPage& page : report.pages) {
        bool captionsHere = false;
        for (const PreparedBand& band : page.bands) {
            if (band.kind == BandKind::PageHeader || band.kind == BandKind::PageFooter)
                continue;
            if (band.kind == BandKind::ColumnHeader) {
                if (captionsDone && !captionsHere)
                    continue;
                captionsHere = true;
            }
            std::vector<const PreparedItem*> items = textItems(band);
            if (!items.empty())
                rows.push_back(std::move(items));
        }
        captionsDone = captionsDone || captionsHere;
    }
    return rows;
}

void WriteCsv(const PreparedReport& report, const QString& path) {
    QString out;
    for (const auto& row : TableRows(report)) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += QLatin1Char(';');
            out += csvCell(row[i]->text);
        }
        out += QStringLiteral("\r\n");
    }
    writeFile(path, QByteArray("\xEF\xBB\xBF") + out.toUtf8());
}

void WriteHtml(const PreparedReport& report, const QString& path) {
    QString out =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>%1</title>\n<style>\n"
                       "body{background:#808080;margin:0;padding:12px;}\n"
                       ".pagina{position:relative;background:#fff;margin:0 auto 12px auto;"
                       "overflow:hidden;}\n"
                       ".o{position:absolute;box-sizing:border-box;}\n"
                       ".t{padding:%2 %3;overflow:hidden;}\n"
                       "@media print{body{background:none;padding:0}.pagina{margin:0;"
                       "page-break-after:always}}\n</style>\n</head>\n<body>\n")
            .arg(report.title.toHtmlEscaped(), px(1), px(2));
    for (const PreparedPage& page : report.pages) {
        out += QStringLiteral("<div class=\"pagina\" style=\"width:%1;height:%2;\">\n")
                   .arg(px(page.size().width()), px(page.size().height()));
        for (const PreparedBand& band : page.bands)
            for (const PreparedItem& item : band.items)
                out += htmlItem(item);
        out += QStringLiteral("</div>\n");
    }
    out += QStringLiteral("</body>\n</html>\n");
    writeFile(path, out.toUtf8());
}

void WriteText(const PreparedReport& report, const QString& path) {
    QString out;
    for (std::size_t p = 0; p < report.pages.size(); ++p) {
        const PreparedPage& page = report.pages[p];
        if (p > 0)
            out += QStringLiteral("\f\n");
        double origin = page.size().width();
        for (const PreparedBand& band : page.bands)
            for (const PreparedItem& item : band.items)
                if (item.object->kind == ObjectKind::Text && !item.text.isEmpty())
                    origin = std::min(origin, item.rect.left());
        for (const PreparedBand& band : page.bands) {
            // Objects of a band at one height make one line.
            std::map<int, std::vector<const PreparedItem*>> lines;
            for (const PreparedItem* item : textItems(band))
                if (!item->text.isEmpty())
                    lines[qRound(item->rect.top())].push_back(item);
            for (const auto& [top, items] : lines) {
                QString line;
                for (const PreparedItem* item : items) {
                    const int column = qRound((item->rect.left() - origin) / kCharWidth);
                    if (line.size() < column)
                        line += QString(column - line.size(), QLatin1Char(' '));
                    else if (!line.isEmpty())
                        line += QLatin1Char(' ');
                    QString text = oneLine(item->text);
                    if (item->object->hAlign == HAlign::Right) {
                        const int room = qRound(item->rect.width() / kCharWidth);
                        if (text.size() < room)
                            text = QString(room - text.size(), QLatin1Char(' ')) + text;
                    }
                    line += text;
                }
                while (line.endsWith(QLatin1Char(' ')))
                    line.chop(1);
                out += line + QLatin1Char('\n');
            }
        }
    }
    writeFile(path, out.toUtf8());
}

void WriteXls(const PreparedReport& report, const QString& path) {
    xls::XlsBook book;
    QString sheet = report.title;
    sheet.remove(QRegularExpression(QStringLiteral("[\\[\\]:*?/\\\\]")));
    sheet = sheet.left(31).trimmed();
    book.addSheet(sheet.isEmpty() ? QStringLiteral("Reporte") : sheet);
    const auto rows = TableRows(report);
    std::vector<double> widths;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const PreparedItem& item = *rows[r][c];
            const int row = static_cast<int>(r), column = static_cast<int>(c);
            const QVariant& v = item.value;
            xls::CellStyle style;
            style.bold = item.object->font.bold();
            if (v.typeId() == QMetaType::QDate) {
                book.writeDate(row, column, v.toDate(), style);
            } else if (v.typeId() == QMetaType::QDateTime) {
                book.writeDateTime(row, column, v.toDateTime(), style);
            } else if (v.isValid() && !v.isNull() && v.typeId() != QMetaType::QString &&
                       v.canConvert<double>()) {
                style.numberFormat = excelFormat(item.object->displayFormat);
                book.writeNumber(row, column, v.toDouble(), style);
            } else {
                book.writeText(row, column, item.text, style);
            }
            if (rows[r].size() > 1) {
                if (widths.size() <= c)
                    widths.resize(c + 1, 0);
                widths[c] = std::max(widths[c], item.rect.width() / kCharWidth);
            }
        }
    }
    for (std::size_t c = 0; c < widths.size(); ++c)
        book.setColumnWidth(static_cast<int>(c), std::max(4.0, widths[c]));
    book.save(path);
}

} // namespace orva::platform::report
