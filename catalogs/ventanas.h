#pragma once
// The fifteen catalog windows. Each is the catalog pattern with its own row of the
// catalog table; its form name is the key of that row.
#include "catalogs/ventanacatalogo.h"

namespace orva::catalogs {

class TfrmEstados : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmEstados";
    explicit TfrmEstados(QWidget* parent = nullptr);
};

class TfrmZonas : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmZonas";
    explicit TfrmZonas(QWidget* parent = nullptr);
};

class TfrmMunicipios : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmMunicipios";
    explicit TfrmMunicipios(QWidget* parent = nullptr);
};

class TfrmSecciones : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmSecciones";
    explicit TfrmSecciones(QWidget* parent = nullptr);
};

class TfrmLocalidades : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmLocalidades";
    explicit TfrmLocalidades(QWidget* parent = nullptr);
};

class TfrmCodigosPostales : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmCodigosPostales";
    explicit TfrmCodigosPostales(QWidget* parent = nullptr);
};

class TfrmCargos : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmCargos";
    explicit TfrmCargos(QWidget* parent = nullptr);
};

class TfrmStructuras : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmStructuras";
    explicit TfrmStructuras(QWidget* parent = nullptr);
};

class TfrmPartidos : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmPartidos";
    explicit TfrmPartidos(QWidget* parent = nullptr);
};

class TfrmCandidatos : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmCandidatos";
    explicit TfrmCandidatos(QWidget* parent = nullptr);
};

class TfrmCampanias : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmCampanias";
    explicit TfrmCampanias(QWidget* parent = nullptr);
};

class TfrmMotivos : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmMotivos";
    explicit TfrmMotivos(QWidget* parent = nullptr);
};

class TfrmGradoDeEstudios : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmGradoDeEstudios";
    explicit TfrmGradoDeEstudios(QWidget* parent = nullptr);
};

class TfrmEstadoCivil : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmEstadoCivil";
    explicit TfrmEstadoCivil(QWidget* parent = nullptr);
};

class TfrmTiposApoyos : public TfrmCatalogo {
    Q_OBJECT
public:
    static constexpr const char* Forma = "frmTiposApoyos";
    explicit TfrmTiposApoyos(QWidget* parent = nullptr);
};

} // namespace orva::catalogs
