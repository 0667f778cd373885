#include "catalogs/ventanas.h"

#include "catalogs/tabla.h"

namespace orva::catalogs {

TfrmEstados::TfrmEstados(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmZonas::TfrmZonas(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmMunicipios::TfrmMunicipios(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmSecciones::TfrmSecciones(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmLocalidades::TfrmLocalidades(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmCodigosPostales::TfrmCodigosPostales(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmCargos::TfrmCargos(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmStructuras::TfrmStructuras(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmPartidos::TfrmPartidos(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmCandidatos::TfrmCandidatos(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmCampanias::TfrmCampanias(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmMotivos::TfrmMotivos(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmGradoDeEstudios::TfrmGradoDeEstudios(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmEstadoCivil::TfrmEstadoCivil(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

TfrmTiposApoyos::TfrmTiposApoyos(QWidget* parent)
    : TfrmCatalogo(BuscarCatalogo(QString::fromLatin1(Forma)), parent) {}

} // namespace orva::catalogs
