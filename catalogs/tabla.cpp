#include "catalogs/tabla.h"

#include "data/errors.h"

namespace orva::catalogs {
namespace {

using enum Carga;
using enum TipoEditor;

DefEditor nombre(const QString& campo, const QString& etiqueta) {
    return {campo, etiqueta, Texto};
}

DefEditor lista(const QString& campo, const QString& etiqueta) {
    return {campo, etiqueta, Lista};
}

const DefEditor activo{QStringLiteral("EActivo"), QStringLiteral("Activo"), Activo};

/// A parent list read with its key -1 (every row).
DefLista padre(const QString& campo, const QString& origen, Carga carga, const QString& muestra,
               const QString& columna, const QString& titulo, const QVariant& inicial = {}) {
    return {campo, origen, carga, campo, {}, muestra, columna, titulo, inicial};
}

/// A parent list of active rows only (key -1, EActivo "Si").
DefLista padreActivo(const QString& campo, const QString& origen, const QString& muestra,
                     const QString& columna, const QString& titulo) {
    return {campo,
            origen,
            Consulta,
            campo + QStringLiteral(",EActivo"),
            {-1, QStringLiteral("Si")},
            muestra,
            columna,
            titulo,
            {}};
}

QList<DefCatalogo> construir() {
    QList<DefCatalogo> t;
    t << DefCatalogo{
        .forma = "frmEstados",
        .titulo = "Estados",
        .etiqueta = "CATALOGO DE ESTADOS",
        .tabla = "master_estado",
        .carga = TextoTabla,
        .filtro = "IdEstado,IdPais,Activo",
        .llave = "IdEstado",
        .codigo = "SCodigo",
        .nombre = "SEstado",
        .tituloNombre = "Estado",
        .listas = {padre("IdPais", "master_pais", TextoTabla, "SPais", "Paises", "País", 71)},
        .editores = {lista("IdPais", "País"), nombre("SEstado", "Estado"), activo},
        .validaciones = {{"IdPais", "Debes seleccionar un Pais"},
                         {"SEstado", "Coloca un nombre valido en Estado"}},
        .bitacora = " Estado - Código: ",
        .valorBitacora = "SCodigo",
        .tituloImpresion = "Catálogo de Estados",
        .enter = TeclaEnter::Editores,
    };
    t << DefCatalogo{
        .forma = "frmZonas",
        .titulo = "Zonas",
        .etiqueta = "CATALOGO DE ZONAS",
        .tabla = "activ_zonas",
        .carga = Consulta,
        .filtro = "IdZona, IdEstado, EActivo",
        .llave = "IdZona",
        .codigo = "SCodigo",
        .nombre = "SDescripcion",
        .tituloNombre = "Zona",
        .listas = {padre("IdEstado", "master_estado", Consulta, "SEstado", "Estado", "Estado", 53)},
        .editores = {lista("IdEstado", "Estado"), nombre("SDescripcion", "Zona"), activo},
        .validaciones = {{"IdEstado", "Debes seleccionar un Estado"},
                         {"SDescripcion", "Coloca una Zona Valida"}},
        .bitacora = " Zona - Código: ",
        .valorBitacora = "SCodigo",
        .avisoEliminar =
            "No se puede eliminar la zona porque está relacionada con otros registros.",
        .tituloImpresion = "Catálogo de Zonas",
        .enter = TeclaEnter::Editores,
    };
    t << DefCatalogo{
        .forma = "frmMunicipios",
        .titulo = "Municipios",
        .etiqueta = "CATALOGO DE MUNICIPIOS",
        .tabla = "master_municipios",
        .carga = Consulta,
        .filtro = "IdMunicipio, IdEstado, EActivo ",
        .llave = "IdMunicipio",
        .codigo = "SCodigo",
        .nombre = "SDescripcion",
        .tituloNombre = "Municipio",
        .listas = {padre("IdEstado", "master_estado", Consulta, "SEstado", "Estado", "Estado", 53)},
        .editores = {lista("IdEstado", "Estado"), nombre("SDescripcion", "Municipio"), activo},
        .validaciones = {{"SDescripcion", "Coloca nombre Valido"},
                         {"IdEstado", "Debes seleccionar una Estado"}},
        .bitacora = " Municipio - Código: ",
        .valorBitacora = "SCodigo",
        .avisoEliminar = "No se puede eliminar el elemento seleccionado porque está relacionado "
                         "con otros registros.",
        .tituloImpresion = "Catálogo de Municipios",
        .enter = TeclaEnter::Ventana,
    };
    t << DefCatalogo{
        .forma = "frmSecciones",
        .titulo = "Secciones",
        .etiqueta = "CATÁLOGO DE SECCIONES",
        .tabla = "activ_secciones",
        .carga = Consulta,
        .filtro = "IdSeccion,IdMunicipio,EActivo",
        .llave = "IdSeccion",
        .nombre = "SSeccion",
        .tituloNombre = "Sección",
        .listas = {padre("IdMunicipio", "master_municipios", Consulta, "SDescripcion", "Municipio",
                         "Municipio")},
        .editores = {lista("IdMunicipio", "Municipio"), nombre("SSeccion", "Sección"), activo},
        .validaciones = {{"SSeccion", "Coloca en nombre de la Sección"},
                         {"IdMunicipio", "Debes seleccionar un municipio"}},
        .bitacora = " Sección - ID: ",
        .valorBitacora = "IdSeccion",
        .avisoEliminar =
            "No se puede eliminar la sección porque está relacionada con otros registros.",
        .enter = TeclaEnter::Ventana,
    };
    t << DefCatalogo{
        .forma = "frmLocalidades",
        .titulo = "Localidades",
        .etiqueta = "CATÁLOGO DE LOCALIDADES",
        .tabla = "master_localidades",
        .carga = Consulta,
        .filtro = "IdLocalidad,IdMunicipio,IdSeccion,IdZona,EActivo",
        .llave = "IdLocalidad",
        .codigo = "SCodigo",
        .nombre = "SLocalidad",
        .tituloNombre = "Localidad",
        .listas = {padreActivo("IdMunicipio", "master_municipios", "SDescripcion", "Municipio",
                               "Municipio"),
                   padreActivo("IdSeccion", "activ_secciones", "SSeccion", "Seccion", "Sección"),
                   padreActivo("IdZona", "activ_zonas", "SDescripcion", "Zona", "Zona")},
        .editores = {lista("IdMunicipio", "Municipio"), lista("IdSeccion", "Sección"),
                     lista("IdZona", "Zona"), nombre("SLocalidad", "Localidad"), activo},
        .foco = "IdMunicipio",
        .validaciones = {{"IdMunicipio", "Debes seleccionar el Municipio"},
                         {"IdZona", "Debes seleccionar una Zona"},
                         {"IdSeccion", "Debes seleccionar una Sección"},
                         {"SLocalidad", "Campo de localidad Vacio"}},
        .bitacora = " Localidad - Código: ",
        .valorBitacora = "SCodigo",
        .avisoEliminar =
            "No se puede eliminar la localidad porque está relacionada con otros registros.",
        .tituloImpresion = "Catálogo de Localidades",
        .enter = TeclaEnter::Editores,
    };
    t << DefCatalogo{
        .forma = "frmCodigosPostales",
        .titulo = "Códigos Postales",
        .etiqueta = "CATÁLOGO CÓDIGOS POSTALES",
        .tabla = "master_codigo_postal",
        .carga = Consulta,
        .filtro = "IdCodigoPostal, EActivo",
        .llave = "IdCodigoPostal",
        .codigo = "SCodigo",
        .nombre = "SCodigoPostal",
        .tituloNombre = "Código Postal",
        .editores = {nombre("SCodigoPostal", "Código Postal"), activo},
        .validaciones = {{"SCodigoPostal", "Escribe un Codigo Postal"}},
        .bitacora = " Código Postal - Código: ",
        .valorBitacora = "SCodigo",
        .avisoEliminar =
            "No se puede eliminar el código postal porque está relacionado con otros registros.",
    };
    t << DefCatalogo{
        .forma = "frmCargos",
        .titulo = "Cargos",
        .etiqueta = "CATÁLOGO CARGOS",
        .tabla = "activ_cargos",
        .carga = Consulta,
        .filtro = "IdCargo,EActivo",
        .llave = "IdCargo",
        .codigo = "SCodigo",
        .nombre = "SDescripcion",
        .tituloNombre = "Descripción",
        .editores = {nombre("SDescripcion", "Descripción"), activo},
        .validaciones = {{"SDescripcion", "Campo de cargo Vacio"}},
        .bitacora = " Cargo - Código: ",
        .valorBitacora = "SCodigo",
        .avisoEliminar =
            "No se puede eliminar el cargo porque está relacionado con otros registros.",
        .tituloImpresion = "Catálogo de Cargos",
    };
    t << DefCatalogo{
        .forma = "frmStructuras",
        .titulo = "Estructuras",
        .etiqueta = "CATÁLOGO ESTRUCTURAS",
        .tabla = "activ_estructuras",
        .carga = TextoTabla,
        .filtro = "IdEstructura,EActivo",
        .llave = "IdEstructura",
        .codigo = "SCodigo",
        .nombre = "SDescripcion",
        .tituloNombre = "Descripción",
        .editores = {nombre("SDescripcion", "Descripción"), activo},
        .bitacora = " Estructura - Código: ",
        .valorBitacora = "SCodigo",
        .avisoEliminar =
            "No se puede eliminar la estructura porque está relacionado con otros registros.",
    };
    t << DefCatalogo{
        .forma = "frmPartidos",
        .titulo = "Partidos",
        .etiqueta = "CATALOGO DE PARTIDOS",
        .tabla = "activ_partidos",
        .carga = TextoTabla,
        .filtro = "IdPartido,EActivo",
        .llave = "IdPartido",
        .codigo = "SCodigo",
        .nombre = "SNombre",
        .tituloNombre = "Partido",
        .editores = {nombre("SNombre", "Partido"), nombre("SColor", "Color"), activo},
        .bitacora = " Partido - Código: ",
        .valorBitacora = "SCodigo",
        .avisoEliminar =
            "No se puede eliminar el partido porque está relacionado con otros registros.",
        .tituloImpresion = "Catálogo de Partidos",
    };
    t << DefCatalogo{
        .forma = "frmCandidatos",
        .titulo = "Candidatos",
        .etiqueta = "CATALOGO DE CANDIDATOS",
        .tabla = "activ_candidatos",
        .carga = TextoTabla,
        .filtro = "IdCandidato,EActivo, IdPartido",
        .llave = "IdCandidato",
        .nombre = "SNombre",
        .tituloNombre = "Candidato",
        .listas = {padre("IdPartido", "activ_partidos", TextoTabla, "SNombre", "Partido",
                         "Partido")},
        .editores = {lista("IdPartido", "Partido"), nombre("SNombre", "Candidato"), activo},
        .bitacora = " Candidato - ID: ",
        .valorBitacora = "IdCandidato",
        .avisoEliminar =
            "No se puede eliminar el candidato porque está relacionado con otros registros.",
        .tituloImpresion = "Catálogo de Candidatos",
    };
    t << DefCatalogo{
        .forma = "frmCampanias",
        .titulo = "Campañas",
        .etiqueta = "CATALOGO DE CAMPAÑAS",
        .tabla = "activ_campanias",
        .carga = TextoTabla,
        .filtro = "IdCampania, IAnio",
        .llave = "IdCampania",
        .nombre = "SDescripcion",
        .tituloNombre = "Campaña",
        .listas = {padre("IdPartido", "activ_partidos", TextoTabla, "SNombre", "Partido",
                         "Partido"),
                   padre("IdCandidato", "activ_candidatos", TextoTabla, "SNombre", "Candidato",
                         "Candidato"),
                   padre("IdTipoCampania", "activ_tipos_campania", TextoTabla, "SDescripcion",
                         "TipoCampania", "Tipo"),
                   padre("IdEstado", "master_estado", TextoTabla, "SEstado", "Estado", "Estado"),
                   padre("IdMunicipio", "master_municipios", TextoTabla, "SDescripcion",
                         "Municipio", "Municipio"),
                   padre("IdZona", "activ_zonas", TextoTabla, "SDescripcion", "Zona", "Zona")},
        .editores = {nombre("SDescripcion", "Campaña"),
                     {"IAnio", "Año", Numero},
                     lista("IdPartido", "Partido"),
                     lista("IdCandidato", "Candidato"),
                     lista("IdTipoCampania", "Tipo"),
                     lista("IdEstado", "Estado"),
                     lista("IdMunicipio", "Municipio"),
                     lista("IdZona", "Zona")},
        .bitacora = " Campaña - ID: ",
        .valorBitacora = "IdCampania",
        .avisoEliminar =
            "No se puede eliminar la campaña porque está relacionado con otros registros.",
        .tituloImpresion = "Catálogo de Campañas",
        .tieneActivo = false,
    };
    t << DefCatalogo{
        .forma = "frmMotivos",
        .titulo = "Motivos",
        .etiqueta = "CATALOGO DE MOTIVOS",
        .tabla = "activ_motivos",
        .carga = TextoTabla,
        .filtro = "IdMotivo, EActivo",
        .llave = "IdMotivo",
        .codigo = "SCodigo",
        .nombre = "sDescripcion",
        .tituloNombre = "Motivos",
        .editores = {nombre("sDescripcion", "Motivos"), activo},
        .bitacora = " Motivo - Código: ",
        .valorBitacora = "SCodigo",
        .avisoEliminar =
            "No se puede eliminar el motivo porque está relacionado con otros registros.",
        .tituloImpresion = "Catálogo de Motivos",
        .enter = TeclaEnter::Ventana,
    };
    t << DefCatalogo{
        .forma = "frmGradoDeEstudios",
        .titulo = "Grado de Estudios",
        .etiqueta = "CATALOGO GRADO DE ESTUDIOS",
        .tabla = "activ_grado_estudios",
        .carga = TextoTabla,
        .filtro = "IdGradoEstudios,EActivo",
        .llave = "IdGradoEstudios",
        .codigo = "sCodigo",
        .nombre = "sDescripcion",
        .tituloNombre = "Grado Estudios",
        .editores = {nombre("sDescripcion", "Grado Estudios"), activo},
        .bitacora = " Grado de Estudios - Código: ",
        .valorBitacora = "sCodigo",
        .avisoEliminar = "No se puede eliminar el grado de estudios porque está relacionado con "
                         "otros registros.",
        .tituloImpresion = "Catálogo de Grados de Estudios",
    };
    t << DefCatalogo{
        .forma = "frmEstadoCivil",
        .titulo = "Estado Civil",
        .etiqueta = "CATALOGO ESTADO CIVIL",
        .tabla = "activ_estado_civil",
        .carga = Consulta,
        .filtro = "IdEstadoCivil,EActivo",
        .llave = "IdEstadoCivil",
        .codigo = "SCodigo",
        .nombre = "SDescripcion",
        .tituloNombre = "Estado Civil",
        .editores = {nombre("SDescripcion", "Estado Civil"), activo},
        .bitacora = " Estado Civil - Código: ",
        .valorBitacora = "SCodigo",
        .avisoEliminar =
            "No se puede eliminar el estado civil porque está relacionado con otros registros.",
        .tituloImpresion = "Catálogo de Estados Civiles",
    };
    t << DefCatalogo{
        .forma = "frmTiposApoyos",
        .titulo = "Tipos de Apoyos",
        .etiqueta = "MÓDULO TIPOS DE APOYO",
        .tabla = "activ_conceptos_apoyos",
        .carga = Consulta,
        .filtro = "IdConcepto, SCodigo,EActivo",
        .llave = "IdConcepto",
        .codigo = "SCodigo",
        .nombre = "SConcepto",
        .tituloNombre = "Conceto de Apoyo",
        .editores = {nombre("SConcepto", "Conceto de Apoyo"), activo},
        .bitacora = " Concepto - Código: ",
        .valorBitacora = "SCodigo",
        .avisoEliminar =
            "No se puede eliminar el concepto porque está relacionado con otros registros.",
        .tituloImpresion = "Catálogo de Conceptos de Apoyos",
        .tituloActivo = "Estado",
    };
    return t;
}

} // namespace

const QList<DefCatalogo>& TablaCatalogos() {
    static const QList<DefCatalogo> tabla = construir();
    return tabla;
}

const DefCatalogo& BuscarCatalogo(const QString& forma) {
    for (const DefCatalogo& d : TablaCatalogos())
        if (d.forma.compare(forma, Qt::CaseInsensitive) == 0)
            return d;
    throw data::Exception(QStringLiteral("No hay catálogo de nombre %1.").arg(forma));
}

} // namespace orva::catalogs
