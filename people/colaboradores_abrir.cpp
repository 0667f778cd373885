// Opening the collaborator window: its lists, the structure filter, the grid's styles and
// the list commands of the toolbar.
#include "data/binding.h"
#include "data/catalog.h"
#include "data/errors.h"
#include "data/session.h"
#include "data/styles.h"
#include "exchange/exportargrid.h"
#include "people/colaboradores.h"
#include "platform/dataset/datasetmodel.h"
#include "platform/dialogs/dialogs.h"
#include "platform/editors/dblookup.h"
#include "platform/grid/gridview.h"
#include "platform/report/imprimirgrid.h"
#include "shell/permisos.h"
#include "shell/ventanas.h"

#include <QLabel>

namespace orva::people {
namespace {

void Asignar(data::Dataset& dataset, const char* consulta) {
    if (!data::AsignarConsulta(&dataset, QLatin1String(consulta), QStringLiteral("UPDATE"), true))
        throw data::Exception(QStringLiteral("No se encontró la consulta SQL %1 de tipo UPDATE")
                                  .arg(QLatin1String(consulta)));
}

void Abrir(data::Dataset& dataset, const char* consulta, const QString& parametros,
           const QVariantList& valores) {
    Asignar(dataset, consulta);
    data::FiltrarConsulta(dataset, parametros, valores);
    dataset.open();
}

QColor Color(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

/// The font of the rows in paperwork.
QFont FuenteAjuste() {
    QFont fuente(QString::fromLatin1(data::estilos::fuente));
    fuente.setPixelSize(data::estilos::fuentePixeles);
    fuente.setBold(true);
    return fuente;
}

} // namespace

FiltroVisibilidad FiltroEstructuras(const QList<QPair<QString, QString>>& estructuras) {
    const auto pieza = [](const QString& id) {
        return QStringLiteral(" (IdEstructuraActual = ") + id + QStringLiteral(")");
    };
    FiltroVisibilidad f;
    if (estructuras.isEmpty()) {
        f.filtro = pieza(QStringLiteral("0"));
        f.etiqueta = QStringLiteral("ESTRUCTURAS ASIGNADAS: [ NINGUNA ]");
        return f;
    }
    QString nombres;
    for (qsizetype i = 0; i < estructuras.size(); ++i) {
        f.filtro += (i ? QStringLiteral(" or") : QString()) + pieza(estructuras[i].first);
        nombres += (i ? QStringLiteral(" ,") : QString()) + estructuras[i].second;
    }
    f.filtro += QStringLiteral(" or") + pieza(QStringLiteral("0"));
    f.etiqueta = QStringLiteral("ESTRUCTURAS ASIGNADAS: [") + nombres + QStringLiteral("]");
    return f;
}

void TfrmColaboradores::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!abierta_) {
        abierta_ = true;
        FormShow();
    }
}

void TfrmColaboradores::FormShow() {
    moduloActual_ = shell::ModuloActual();
    try {
        Abrir(uColaboradores, "master_personal",
              QStringLiteral("IdPersonal,IdMunicipio,IdSeccion,IdCodigoPostal,IdLocalidad,Activo"),
              {-1, -1, -1, -1, -1, -1});
        Abrir(zUsuariosEstructuras, "activ_usuarios_estructuras", QStringLiteral("IdUsuario"),
              {data::sesion().IdUsuarioActual});
        aplicarFiltroEstructuras();
        abrirListas();
    } catch (const std::exception& error) {
        platform::dialogs().error(data::errorText(error));
    }
    shell::AplicarPermisosBarras(this, moduloActual_);
    mostrarPanel(false);
}

void TfrmColaboradores::aplicarFiltroEstructuras() {
    QList<QPair<QString, QString>> estructuras;
    for (zUsuariosEstructuras.first(); !zUsuariosEstructuras.eof(); zUsuariosEstructuras.next())
        estructuras << qMakePair(
            zUsuariosEstructuras.fieldByName(QStringLiteral("IdEstructura")).asString(),
            zUsuariosEstructuras.fieldByName(QStringLiteral("NombreEstructura")).asString());
    const FiltroVisibilidad f = FiltroEstructuras(estructuras);
    if (estructuras.isEmpty())
        platform::dialogs().error(
            QStringLiteral("El administrador no ha asignado Estructuras para este Usuario!"));
    cxLblEstructuras->setText(f.etiqueta);
    uColaboradores.setFiltered(false);
    uColaboradores.setFilter(f.filtro);
    uColaboradores.setFiltered(true);
}

void TfrmColaboradores::abrirListas() {
    // Sections and localities: active rows only; postal codes and municipalities: all.
    Abrir(uCodigosPostales, "master_codigo_postal", QStringLiteral("IdCodigoPostal,EActivo"),
          {-1, -1});
    Abrir(uMunicipios, "master_municipios", QStringLiteral("IdMunicipio"), {-1});
    Abrir(uSecciones, "activ_secciones", QStringLiteral("IdSeccion,IdMunicipio,EActivo"),
          {-1, -1, QStringLiteral("Si")});
    Abrir(uLocalidades, "master_localidades",
          QStringLiteral("IdLocalidad,IdMunicipio,IdSeccion,EActivo"),
          {-1, -1, -1, QStringLiteral("Si")});
    const struct {
        platform::DbLookup* lista;
        data::Dataset* dataset;
        const char* llave;
        const char* texto;
    } listas[] = {
        {lcbCodigoPostal, &uCodigosPostales, "IdCodigoPostal", "SCodigoPostal"},
        {lcbMunicipio, &uMunicipios, "IdMunicipio", "SDescripcion"},
        {lcbSeccion, &uSecciones, "IdSeccion", "SSeccion"},
        {lcbLocalidad, &uLocalidades, "IdLocalidad", "SLocalidad"},
    };
    for (const auto& l : listas)
        if (!l.lista->model() || l.lista->model()->parent() != l.dataset)
            l.lista->setLookup(new platform::DatasetModel(l.dataset, l.dataset),
                               QLatin1String(l.llave), {QLatin1String(l.texto)});
}

void TfrmColaboradores::instalarEstilos() {
    // Fingerprint and photo columns carry their level colours; rows in paperwork stand
    // out with the highlight colour and font. Installed before any row is loaded: a new
    // styler repaints every row, which with fitted row heights measures them all.
    const int huella = cxGridViewColaboradores->column(QStringLiteral("sHuella"));
    const int foto = cxGridViewColaboradores->column(QStringLiteral("sFoto"));
    data::Dataset* lista = &uColaboradores;
    cxGridViewColaboradores->setCellStyle(
        [lista, huella, foto](int fila, int columna, platform::CellStyle& estilo) {
            if (columna == huella)
                estilo.background = Color(data::estilos::cxstylNiv2);
            else if (columna == foto)
                estilo.background = Color(data::estilos::cxstylNiv4);
            const int tramite = lista->fieldIndex(QStringLiteral("ETramiteINE"));
            if (tramite >= 0 && fila < lista->recordCount() &&
                lista->valueAt(fila, tramite).toString() == u"Si") {
                estilo.background = Color(data::estilos::cxstylNiv5);
                estilo.font = FuenteAjuste();
            }
        });
}

void TfrmColaboradores::btnRefreshClick() {
    try {
        if (uColaboradores.isActive())
            uColaboradores.refresh();
    } catch (const std::exception& error) {
        platform::dialogs().error(data::errorText(error));
    }
}

void TfrmColaboradores::btnExportaClick() {
    try {
        exchange::ExportarGridExcel(*cxGridViewColaboradores);
    } catch (const std::exception& error) {
        platform::dialogs().error(data::errorText(error));
    }
}

void TfrmColaboradores::btnPrinterClick() {
    try {
        platform::ImprimirGrid(*cxGridViewColaboradores,
                               QStringLiteral("Catálogo de Colaboradores"));
    } catch (const std::exception& error) {
        platform::dialogs().error(data::errorText(error));
    }
}

} // namespace orva::people
