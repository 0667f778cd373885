#include "xlsxread.h"

#include <QFile>
#include <QList>
#include <QXmlStreamReader>
#include <stdexcept>
#include <zip.h>

namespace orva::exchange::test {
namespace {

QByteArray entry(zip_t* archive, const char* name) {
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) != 0)
        return {};
    zip_file_t* file = zip_fopen(archive, name, 0);
    if (!file)
        throw std::runtime_error(std::string("cannot open ") + name);
    QByteArray data(static_cast<qsizetype>(stat.size), '\0');
    const zip_int64_t read = zip_fread(file, data.data(), stat.size);
    zip_fclose(file);
    if (read != static_cast<zip_int64_t>(stat.size))
        throw std::runtime_error(std::string("cannot read ") + name);
    return data;
}

/// Texts of the shared string table, in order.
QList<QString> sharedStrings(const QByteArray& xml) {
    QList<QString> out;
    QXmlStreamReader r(xml);
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == QLatin1String("si"))
            out << QString();
        else if (r.isStartElement() && r.name() == QLatin1String("t") && !out.isEmpty())
            out.last() += r.readElementText();
    }
    return out;
}

struct Styles {
    QList<QPair<int, int>> xfs; ///< number format id, font id
    QHash<int, QString> formats;
    QList<bool> boldFonts;
};

Styles styles(const QByteArray& xml) {
    Styles s;
    QXmlStreamReader r(xml);
    bool inCellXfs = false, inFonts = false;
    while (!r.atEnd()) {
        r.readNext();
        const auto name = r.name();
        if (r.isStartElement()) {
            const auto a = r.attributes();
            if (name == QLatin1String("numFmt"))
                s.formats[a.value("numFmtId").toInt()] = a.value("formatCode").toString();
            else if (name == QLatin1String("fonts"))
                inFonts = true;
            else if (name == QLatin1String("font") && inFonts)
                s.boldFonts << false;
            else if (name == QLatin1String("b") && inFonts && !s.boldFonts.isEmpty())
                s.boldFonts.last() = true;
            else if (name == QLatin1String("cellXfs"))
                inCellXfs = true;
            else if (name == QLatin1String("xf") && inCellXfs)
                s.xfs << qMakePair(a.value("numFmtId").toInt(), a.value("fontId").toInt());
        } else if (r.isEndElement()) {
            if (name == QLatin1String("fonts"))
                inFonts = false;
            else if (name == QLatin1String("cellXfs"))
                inCellXfs = false;
        }
    }
    return s;
}

} // namespace

QHash<QString, XlsxCell> readXlsxSheet(const QString& path) {
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        throw std::runtime_error("not a zip file");
    QByteArray sheet, shared, style;
    try {
        sheet = entry(archive, "xl/worksheets/sheet1.xml");
        shared = entry(archive, "xl/sharedStrings.xml");
        style = entry(archive, "xl/styles.xml");
    } catch (...) {
        zip_close(archive);
        throw;
    }
    zip_close(archive);
    if (sheet.isEmpty())
        throw std::runtime_error("no first sheet");

    const QList<QString> strings = sharedStrings(shared);
    const Styles st = styles(style);
    QHash<QString, XlsxCell> cells;
    QXmlStreamReader r(sheet);
    QString ref, type;
    XlsxCell cell;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == QLatin1String("c")) {
            ref = r.attributes().value("r").toString();
            type = r.attributes().value("t").toString();
            const int xf = r.attributes().value("s").toInt();
            cell = XlsxCell{};
            const QPair<int, int> x = st.xfs.value(xf);
            cell.format = x.first == 0 ? QStringLiteral("General")
                                       : st.formats.value(x.first, QStringLiteral("<interno>"));
            cell.bold = st.boldFonts.value(x.second);
        } else if (r.isStartElement() && r.name() == QLatin1String("v")) {
            const QString v = r.readElementText();
            if (type == QLatin1String("s")) {
                cell.text = strings.value(v.toInt());
            } else if (type == QLatin1String("str")) {
                cell.text = v;
            } else {
                cell.isNumber = true;
                cell.number = v.toDouble();
            }
        } else if (r.isStartElement() && r.name() == QLatin1String("t")) {
            cell.text += r.readElementText(); // inline string
        } else if (r.isEndElement() && r.name() == QLatin1String("c")) {
            cells.insert(ref, cell);
        }
    }
    if (r.hasError())
        throw std::runtime_error("broken sheet XML");
    return cells;
}

} // namespace orva::exchange::test
