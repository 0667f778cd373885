#pragma once
// The collaborator window: every person the organisation deals with, registered, edited,
// deleted and looked up; the list shows the people of the user's structures and those
// who have none. Its operations live in one file per job:
//   colaboradores.cpp            layout
//   colaboradores_abrir.cpp      opening, structure filter, list commands, grid style
//   colaboradores_edicion.cpp    add, edit, cancel, paperwork rules, look-ups, fingerprint
//   colaboradores_guardar.cpp    validation and saving
//   colaboradores_eliminar.cpp   deleting
//   colaboradores_foto.cpp       photo buttons
//   codigopostal_rapido.cpp      the "+" beside the postal code
#include "data/dataset.h"
#include "people/fotopendiente.h"
#include "platform/editors/recordbinder.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>

class QLabel;
class QPushButton;
class QSplitter;

namespace orva::platform {
class DbDateEdit;
class DbEdit;
class DbLookup;
class DbMaskEdit;
class DbSwitch;
class DatasetModel;
class GridView;
} // namespace orva::platform

namespace orva::shell {
class TFrmBarraInferior;
class TFrmBarraSuperior;
} // namespace orva::shell

namespace orva::people {

class ListaFija;
class TfrmMostrarFoto;

/// The structure filter of the list and the label that names the structures.
struct FiltroVisibilidad {
    QString filtro;   ///< " (IdEstructuraActual = 3) or (IdEstructuraActual = 0)"
    QString etiqueta; ///< "ESTRUCTURAS ASIGNADAS: [A ,B]"
};

/// The filter for the user's structures (ids and names in order) plus people without a
/// current structure; "[ NINGUNA ]" when the user has none.
FiltroVisibilidad FiltroEstructuras(const QList<QPair<QString, QString>>& estructuras);

class TfrmColaboradores : public QWidget {
    Q_OBJECT
public:
    explicit TfrmColaboradores(QWidget* parent = nullptr);
    ~TfrmColaboradores() override;

    /// Downloads the stored photo of a person; the local path, or empty text (the user
    /// was told why).
    QString MostrarFoto(const QString& sParamCodigo, const QString& sParamURL);

    /// Whether the window is adding or editing a person.
    bool editando() const;
    const FotoPendiente& fotoPendiente() const { return foto_; }
    const QString& accion() const { return sAccion; }

    // Toolbars and filter bar
    shell::TFrmBarraSuperior* FrmBarraSuperior1;
    shell::TFrmBarraInferior* FrmBarraInferior1;
    QLabel* cxLblEstructuras;
    QPushButton* cxButton2;      ///< "Ver Foto" (viewer window)
    QPushButton* cxBuscarHuella; ///< "Validar Huella"
    // List
    platform::GridView* cxGridViewColaboradores;
    QSplitter* cxSplitDatos;
    // Data panel
    QWidget* PanelDatos;
    platform::DbEdit* cxCodigo;
    platform::DbEdit* cxNombre;
    platform::DbEdit* cxAPaterno;
    platform::DbEdit* cxAMaterno;
    ListaFija* cxGenero;
    platform::DbDateEdit* cxFechaNacimiento;
    platform::DbEdit* cxINE;
    platform::DbMaskEdit* cxDateVigencia;
    QPushButton* cxBuscar;     ///< "Encontrar Colaborador"
    QPushButton* cxValidarINE; ///< "Validar INE": no action
    platform::DbSwitch* cxTramite;
    platform::DbEdit* cxCurp;
    platform::DbMaskEdit* cxTelefono;
    platform::DbEdit* cxCorreo;
    platform::DbSwitch* cxActivo;
    platform::DbEdit* cxDomicilio;
    platform::DbLookup* lcbCodigoPostal;
    QPushButton* cxButton1; ///< "+" beside the postal code
    platform::DbLookup* lcbMunicipio;
    platform::DbLookup* lcbSeccion;
    platform::DbLookup* lcbLocalidad;
    QLabel* bImagen;
    QPushButton* btnVer;
    QPushButton* btnCargar;
    QPushButton* cxHuella;

    // Datasets
    data::Dataset uColaboradores;
    data::Dataset zUsuariosEstructuras;
    data::Dataset uCodigosPostales;
    data::Dataset uMunicipios;
    data::Dataset uSecciones;
    data::Dataset uLocalidades;

public slots:
    void FormShow();
    void btnAddClick();
    void btnEditClick();
    void btnPostClick();
    void btnCancelClick();
    void btnDeleteClick();
    void btnRefreshClick();
    void btnExportaClick();
    void btnPrinterClick();
    void cxBuscarClick();
    void cxINEExit();
    void cxTramitePropertiesChange();
    void cxDateVigenciaExit();
    void cxButton1Click();
    void lcbMunicipioPropertiesChange();
    void lcbSeccionPropertiesChange();
    void btnCargarClick();
    void btnVerClick();
    void cxButton2Click();
    void cxHuellaClick();
    void cxBuscarHuellaClick();
    /// The fingerprint search found a person: the list goes to that person when shown.
    void MarcarColaboradorEncontrado(int idPersonal);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void crearBarraFiltro();
    void crearLista();
    void instalarEstilos();
    QWidget* crearPanelDatos();
    void conectar();

    void abrirListas();
    void aplicarFiltroEstructuras();
    void mostrarPanel(bool visible);
    void volverANavegar();
    void cargarEditores();
    /// Whether another person already has the voter key of the box (all people).
    bool claveRegistrada(const QString& ine, qlonglong excepto) const;
    /// The duplicate check of a save: tells the user and marks the box.
    bool ineDuplicadaAlGuardar();
    void pintarINE(std::uint32_t color);
    void guardar();
    void refrescarAsignaciones();
    void restaurarEdicion(const QVariantMap& valores, bool agregando);
    void mostrarImagen(const QString& path);
    /// Empties the photo box, which then shows its empty text.
    void limpiarImagen();
    void agregarCodigoPostal();

    QString sAccion;
    QString moduloActual_;
    QString ineLeido_; ///< the voter key as last read from the server
    FotoPendiente foto_;
    platform::RecordBinder binder_;
    platform::DatasetModel* modelo_ = nullptr;
    QPointer<TfrmMostrarFoto> visor_;
    bool abierta_ = false;
};

} // namespace orva::people
