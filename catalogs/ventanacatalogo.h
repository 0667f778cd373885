#pragma once
// The catalog window: a grid of every row of one catalog, the data panel for the row
// being added or edited, the record toolbars and the module rights. Everything a window
// has of its own comes from its row of the catalog table (tabla.h).
#include "catalogs/definicion.h"

#include <QWidget>
#include <functional>

class QLabel;
class QSplitter;

namespace orva::data {
class Dataset;
}
namespace orva::platform {
class GridView;
}
namespace orva::shell {
class TFrmBarraSuperior;
}

namespace orva::catalogs {

class ListasCatalogo;
class ModeloCatalogo;
class PanelCatalogo;

class TfrmCatalogo : public QWidget {
    Q_OBJECT
public:
    /// `def` must outlive the window (the rows of TablaCatalogos() do).
    explicit TfrmCatalogo(const DefCatalogo& def, QWidget* parent = nullptr);
    ~TfrmCatalogo() override;

    const DefCatalogo& definicion() const { return def_; }

    // Handlers, wired to the toolbars' buttons of the same names.
    void FormShow();
    void FormClose();
    void btnAddClick();
    void btnEditClick();
    void btnPostClick();
    void btnCancelClick();
    void btnDeleteClick();
    void btnRefreshClick();
    void btnExportaClick();
    void btnPrinterClick();

    /// The editor of a field in the data panel, nullptr when there is none.
    QWidget* editor(const QString& campo) const;
    /// The lookup list of a field (IdPais), nullptr when there is none.
    data::Dataset* lista(const QString& campo) const;

    QLabel* lblTitulo;
    shell::TFrmBarraSuperior* FrmBarraSuperior1;
    platform::GridView* cxGrid;
    QSplitter* cxSplitDatos;
    PanelCatalogo* PanelDatos;
    data::Dataset* uDatos;

    /// "Agrega", "Edita" or "Elimina" while that operation runs; it starts the log text.
    QString sOpcion;
    /// The module key taken from ModuloActual when the window is shown.
    QString btnPermisos;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void cargar();
    void declararColumnas();
    /// Grid off, data panel and splitter shown, toolbar in its editing state; then the
    /// row prepared (appended or put in edit) and shown in the editors, `foco` focused
    /// and the operation word set. A failure goes back to browsing and is shown.
    void editar(const std::function<void()>& preparar, const QString& foco, const QString& opcion);
    /// Grid on, data panel hidden, toolbar browsing, rights again, no operation.
    void volverANavegar();
    void mostrarPanel(bool visible);
    void enfocar(const QString& campo);
    /// The first failing save check: its message shown and its editor focused.
    bool validar();
    void nuevaLlaveYCodigo();
    /// After the server refused a save: the typed values back in a row being edited.
    void recuperarEdicion(bool agregando, int fila);
    /// The operation word, the log label, the logged value, " - ", the name.
    QString textoBitacora(const QString& opcion);
    /// Runs a handler's work; any error is shown with `prefijo` before its text.
    void protegido(const std::function<void()>& trabajo, const QString& prefijo = {});

    const DefCatalogo& def_;
    ListasCatalogo* listas_;
    ModeloCatalogo* modelo_;
    bool mostrada_ = false;
};

} // namespace orva::catalogs
