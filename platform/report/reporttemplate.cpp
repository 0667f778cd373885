#include "platform/report/reporttemplate.h"

#include "data/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>
#include <type_traits>

namespace orva::platform::report {
namespace {

QString& folderOverride() {
    static QString folder;
    return folder;
}

/// A template that does not read as one: the text names the file and the fault.
[[noreturn]] void fail(const QString& path, const QString& fault) {
    throw data::Exception(
        QStringLiteral("La plantilla de reporte «%1» no es válida: %2.").arg(path, fault));
}

class Reader {
public:
    explicit Reader(QString path) : path_(std::move(path)) {}

    Report read(const QJsonObject& root) {
        if (root.value(QLatin1String("formato")).toString() != QLatin1String("orva-reporte"))
            fail(path_, QStringLiteral("no es una plantilla de reporte (falta \"formato\": "
                                       "\"orva-reporte\")"));
        if (root.value(QLatin1String("version")).toInt(1) != 1)
            fail(path_, QStringLiteral("versión de formato desconocida"));
        Report report;
        report.name = root.value(QLatin1String("nombre")).toString();
        const QJsonArray pages = root.value(QLatin1String("paginas")).toArray();
        if (pages.isEmpty())
            fail(path_, QStringLiteral("no tiene páginas"));
        for (const QJsonValue& page : pages)
            report.pages.push_back(readPage(page.toObject()));
        return report;
    }

private:
    ReportPage readPage(const QJsonObject& o) {
        ReportPage page;
        page.name = o.value(QLatin1String("nombre")).toString();
        const QJsonValue paper = o.value(QLatin1String("papel"));
        if (paper.isString()) {
            const QString p = paper.toString().toLower();
            if (p == QLatin1String("carta")) {
                page.paperWidthMm = 215.9;
                page.paperHeightMm = 279.4;
            } else if (p == QLatin1String("oficio")) {
                page.paperWidthMm = 215.9;
                page.paperHeightMm = 340.0;
            } else if (p == QLatin1String("a4")) {
                page.paperWidthMm = 210.0;
                page.paperHeightMm = 297.0;
            } else {
                fail(path_, QStringLiteral("papel desconocido «%1»").arg(paper.toString()));
            }
        } else if (paper.isObject()) {
            page.paperWidthMm = positive(paper.toObject(), "ancho", page.paperWidthMm);
            page.paperHeightMm = positive(paper.toObject(), "alto", page.paperHeightMm);
        }
        const QString orientation = o.value(QLatin1String("orientacion")).toString();
        if (orientation == QLatin1String("horizontal"))
            page.landscape = true;
        else if (!orientation.isEmpty() && orientation != QLatin1String("vertical"))
            fail(path_, QStringLiteral("orientación desconocida «%1»").arg(orientation));
        const QJsonObject margins = o.value(QLatin1String("margenes")).toObject();
        page.marginLeftMm = number(margins, "izquierdo", page.marginLeftMm);
        page.marginTopMm = number(margins, "superior", page.marginTopMm);
        page.marginRightMm = number(margins, "derecho", page.marginRightMm);
        page.marginBottomMm = number(margins, "inferior", page.marginBottomMm);
        if (page.printableWidth() <= 0 ||
            page.heightMm() - page.marginTopMm - page.marginBottomMm <= 0)
            fail(path_, QStringLiteral("los márgenes no dejan espacio en la página"));
        for (const QJsonValue& band : o.value(QLatin1String("bandas")).toArray())
            page.bands.push_back(readBand(band.toObject()));
        return page;
    }

    Band readBand(const QJsonObject& o) {
        static const std::pair<const char*, BandKind> kinds[] = {
            {"titulo", BandKind::ReportTitle},
            {"encabezado_pagina", BandKind::PageHeader},
            {"encabezado_columnas", BandKind::ColumnHeader},
            {"encabezado_grupo", BandKind::GroupHeader},
            {"datos", BandKind::MasterData},
            {"pie_grupo", BandKind::GroupFooter},
            {"resumen", BandKind::ReportSummary},
            {"pie_pagina", BandKind::PageFooter}};
        Band band;
        band.name = o.value(QLatin1String("nombre")).toString();
        band.kind = choose(o, "tipo", kinds, "tipo de banda");
        band.top = number(o, "arriba", 0);
        band.height = number(o, "alto", 0);
        band.stretch = o.value(QLatin1String("ajustar")).toBool(false);
        band.condition = o.value(QLatin1String("condicion")).toString();
        band.dataSet = o.value(QLatin1String("origen")).toString();
        for (const QJsonValue& object : o.value(QLatin1String("objetos")).toArray())
            band.objects.push_back(readObject(object.toObject()));
        return band;
    }

    ReportObject readObject(const QJsonObject& o) {
        static const std::pair<const char*, ObjectKind> kinds[] = {{"texto", ObjectKind::Text},
                                                                   {"linea", ObjectKind::Line},
                                                                   {"imagen", ObjectKind::Picture}};
        static const std::pair<const char*, HAlign> hAligns[] = {{"izquierda", HAlign::Left},
                                                                 {"centro", HAlign::Center},
                                                                 {"derecha", HAlign::Right},
                                                                 {"justificado", HAlign::Justify}};
        static const std::pair<const char*, VAlign> vAligns[] = {
            {"arriba", VAlign::Top}, {"centro", VAlign::Center}, {"abajo", VAlign::Bottom}};
        static const std::pair<const char*, StretchMode> stretches[] = {
            {"no", StretchMode::None},
            {"texto", StretchMode::ActualHeight},
            {"maximo", StretchMode::MaxHeight}};
        ReportObject object;
        object.name = o.value(QLatin1String("nombre")).toString();
        object.kind = choose(o, "tipo", kinds, "tipo de objeto");
        object.bounds = QRectF(number(o, "izquierda", 0), number(o, "arriba", 0),
                               number(o, "ancho", 0), number(o, "alto", 0));
        object.fullWidth = o.value(QLatin1String("anchoBanda")).toBool(false);
        object.text = o.value(QLatin1String("texto")).toString();
        object.dataSet = o.value(QLatin1String("origen")).toString();
        object.dataField = o.value(QLatin1String("campo")).toString();
        object.displayFormat = o.value(QLatin1String("formato")).toString();
        if (o.contains(QLatin1String("fuente"))) {
            const QJsonObject f = o.value(QLatin1String("fuente")).toObject();
            object.font =
                QFont(f.value(QLatin1String("familia")).toString(QStringLiteral("Arial")));
            object.font.setPointSizeF(positive(f, "puntos", 10));
            object.font.setBold(f.value(QLatin1String("negrita")).toBool(false));
            object.font.setItalic(f.value(QLatin1String("cursiva")).toBool(false));
            object.font.setUnderline(f.value(QLatin1String("subrayado")).toBool(false));
        }
        object.color = color(o, "color", Qt::black);
        object.fill = color(o, "fondo", QColor());
        object.hAlign = choose(o, "alineacion", hAligns, "alineación", HAlign::Left);
        object.vAlign = choose(o, "vertical", vAligns, "alineación vertical", VAlign::Top);
        object.wordWrap = o.value(QLatin1String("partirLineas")).toBool(true);
        object.stretch = choose(o, "ajuste", stretches, "ajuste", StretchMode::None);
        if (o.contains(QLatin1String("marco")))
            object.frame = readFrame(o.value(QLatin1String("marco")).toObject());
        object.lineWidth = positive(o, "grosor", 1);
        object.keepAspect = o.value(QLatin1String("proporcion")).toBool(true);
        if (object.kind == ObjectKind::Line)
            object.color = color(o, "color", Qt::black);
        if (object.kind == ObjectKind::Picture && o.contains(QLatin1String("archivo"))) {
            const QString file =
                QFileInfo(path_).dir().filePath(o.value(QLatin1String("archivo")).toString());
            if (!object.picture.load(file))
                fail(path_, QStringLiteral("no se puede leer la imagen «%1»").arg(file));
        }
        return object;
    }

    Frame readFrame(const QJsonObject& o) {
        static const std::pair<const char*, Qt::PenStyle> styles[] = {
            {"solido", Qt::SolidLine}, {"guiones", Qt::DashLine}, {"puntos", Qt::DotLine}};
        Frame frame;
        QStringList sides;
        const QJsonValue v = o.value(QLatin1String("lados"));
        if (v.isString())
            sides = v.toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
        else
            for (const QJsonValue& side : v.toArray())
                sides << side.toString();
        for (QString side : sides) {
            side = side.trimmed();
            if (side == QLatin1String("todos"))
                frame.left = frame.top = frame.right = frame.bottom = true;
            else if (side == QLatin1String("izquierdo"))
                frame.left = true;
            else if (side == QLatin1String("superior"))
                frame.top = true;
            else if (side == QLatin1String("derecho"))
                frame.right = true;
            else if (side == QLatin1String("inferior"))
                frame.bottom = true;
            else
                fail(path_, QStringLiteral("lado de marco desconocido «%1»").arg(side));
        }
        frame.width = positive(o, "grosor", 1);
        frame.color = color(o, "color", Qt::black);
        frame.style = choose(o, "estilo", styles, "estilo de marco", Qt::SolidLine);
        return frame;
    }

    template <typename T, std::size_t N>
    T choose(const QJsonObject& o, const char* key, const std::pair<const char*, T> (&names)[N],
             const char* what, std::type_identity_t<std::optional<T>> fallback = std::nullopt) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() && fallback)
            return *fallback;
        const QString text = v.toString();
        for (const auto& [name, value] : names)
            if (text == QLatin1String(name))
                return value;
        fail(path_, QStringLiteral("%1 desconocido «%2»").arg(QString::fromUtf8(what), text));
    }

    double number(const QJsonObject& o, const char* key, double fallback) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            return fallback;
        if (!v.isDouble())
            fail(path_, QStringLiteral("«%1» debe ser un número").arg(QLatin1String(key)));
        return v.toDouble();
    }

    double positive(const QJsonObject& o, const char* key, double fallback) {
        const double n = number(o, key, fallback);
        if (n <= 0)
            fail(path_, QStringLiteral("«%1» debe ser mayor que cero").arg(QLatin1String(key)));
        return n;
    }

    QColor color(const QJsonObject& o, const char* key, const QColor& fallback) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            return fallback;
        QColor c;
        if (v.isArray() && v.toArray().size() == 3)
            c = QColor(v.toArray().at(0).toInt(), v.toArray().at(1).toInt(),
                       v.toArray().at(2).toInt());
        else if (v.isString())
            c = QColor::fromString(v.toString());
        if (!c.isValid())
            fail(path_, QStringLiteral("color no válido en «%1»").arg(QLatin1String(key)));
        return c;
    }

    QString path_;
};

} // namespace

QString ReportsFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    const QString env = qEnvironmentVariable("ORVA_REPORTES_DIR");
    if (!env.isEmpty())
        return env;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Reportes");
}

void SetReportsFolder(const QString& folder) {
    folderOverride() = folder;
}

QString TemplatePath(const QString& name) {
    return QDir(ReportsFolder()).filePath(name + QStringLiteral(".json"));
}

Report ReadTemplate(const QString& path, const QStringList& requiredObjects) {
    QFile file(path);
    if (!file.exists())
        throw data::Exception(QStringLiteral("No se encontró la plantilla de reporte «%1».")
                                  .arg(QDir::toNativeSeparators(path)));
    if (!file.open(QIODevice::ReadOnly))
        throw data::Exception(QStringLiteral("No se puede leer la plantilla de reporte «%1»: %2.")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (document.isNull())
        fail(QDir::toNativeSeparators(path),
             QStringLiteral("%1 (posición %2)").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        fail(QDir::toNativeSeparators(path), QStringLiteral("no es un objeto JSON"));
    Report report = Reader(QDir::toNativeSeparators(path)).read(document.object());
    for (const QString& name : requiredObjects)
        if (!report.findObject(name))
            throw data::Exception(
                QStringLiteral("La plantilla de reporte «%1» no tiene el objeto «%2».")
                    .arg(QDir::toNativeSeparators(path), name));
    return report;
}

} // namespace orva::platform::report
