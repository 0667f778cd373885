#include "catalogs/registro.h"

#include "catalogs/ventanas.h"
#include "shell/ventanas.h"

namespace orva::catalogs {
namespace {

template <class Ventana> void registrar() {
    shell::RegistrarVentana(QString::fromLatin1(Ventana::Forma),
                            [] { return static_cast<QWidget*>(new Ventana); });
}

} // namespace

void RegistrarCatalogos() {
    registrar<TfrmEstados>();
    registrar<TfrmZonas>();
    registrar<TfrmMunicipios>();
    registrar<TfrmSecciones>();
    registrar<TfrmLocalidades>();
    registrar<TfrmCodigosPostales>();
    registrar<TfrmCargos>();
    registrar<TfrmStructuras>();
    registrar<TfrmPartidos>();
    registrar<TfrmCandidatos>();
    registrar<TfrmCampanias>();
    registrar<TfrmMotivos>();
    registrar<TfrmGradoDeEstudios>();
    registrar<TfrmEstadoCivil>();
    registrar<TfrmTiposApoyos>();
}

} // namespace orva::catalogs
