#include "reporttestkit.h"

#include "platform/report/reporttemplate.h"
#include "support/testdb.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <stdexcept>

namespace orva::test {
namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        throw std::runtime_error(QStringLiteral("falló %1 %2: %3")
                                     .arg(program, arguments.join(QLatin1Char(' ')),
                                          QString::fromUtf8(process.readAllStandardError()))
                                     .toStdString());
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

void UseSourceTemplates() {
    platform::report::SetReportsFolder(QString::fromStdString(sourceDir()) +
                                       QStringLiteral("/resources/Reportes"));
}

platform::GridColumnInfo Column(const QString& field, const QString& caption, int width, int tag,
                                platform::SortState sort) {
    platform::GridColumnInfo c;
    c.fieldName = field;
    c.caption = caption;
    c.width = width;
    c.tag = tag;
    c.sort = sort;
    return c;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString ReadText(const QString& path) {
    return QString::fromUtf8(ReadBytes(path));
}

QString PdfText(const QString& path) {
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

QSizeF PdfPageSize(const QString& path) {
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

int PdfPages(const QString& path) {
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

int Count(const QString& text, const QString& needle) {
    return static_cast<int>(text.count(needle));
}

} // namespace orva::test
