// The checks of a save, path by path, on a record of its own (the window runs the same
// function over its dataset; tests/people/colaboradores_test.cpp covers that side).
#include "people/validacion.h"
#include "platform/editors/boundeditor.h"

#include <gtest/gtest.h>

using namespace orva;
using namespace orva::people;

namespace {

const QDate kHoy(2026, 12, 11);

/// A complete, valid person.
platform::MapRecord Persona() {
    return platform::MapRecord(QVariantMap{
        {"SNombre", " ANA "},
        {"SAPaterno", "LUNA "},
        {"SAMaterno", " SOTO"},
        {"ESexo", "Mujer"},
        {"DFechaNacimiento", QDate(1990, 5, 1)},
        {"SINE", "LNSTAN90050109M100"},
        {"IVigencia", "2030"},
        {"ETramiteINE", "No"},
        {"SDomicilio", "JUAREZ 10"},
        {"IdCodigoPostal", 1},
        {"IdMunicipio", 2},
        {"IdLocalidad", 3},
        {"IdSeccion", 4},
    });
}

ContextoValidacion Contexto(bool agregando, bool tramite, const QString& ine = {}) {
    ContextoValidacion c;
    c.agregando = agregando;
    c.tramite = tramite;
    c.textoINE = ine;
    c.hoy = kHoy;
    return c;
}

struct Caso {
    const char* nombre;
    QVariantMap cambios;
    const char* mensajeB; ///< adding, switch off
    const char* mensajeC; ///< editing, switch off
};

} // namespace

TEST(ValidarColaborador, ValidPersonPassesAndNamesAreTrimmed) {
    for (bool agregando : {true, false}) {
        platform::MapRecord r = Persona();
        const auto resultado = ValidarColaborador(r, Contexto(agregando, false, "X"));
        EXPECT_TRUE(resultado.valido) << resultado.mensaje.toStdString();
        EXPECT_EQ(r.value("SNombre").toString(), "ANA");
        EXPECT_EQ(r.value("SAPaterno").toString(), "LUNA");
        EXPECT_EQ(r.value("SAMaterno").toString(), "SOTO");
        EXPECT_EQ(r.value("IVigencia"), QVariant(2030));
    }
}

TEST(ValidarColaborador, EachCheckWithItsMessageOnPathsBAndC) {
    const Caso casos[] = {
        {"nombre vacío",
         {{"SNombre", "  "}},
         "El Nombre no puede estar vacío",
         "El nombre no puede estar vacío"},
        {"paterno nulo",
         {{"SAPaterno", QVariant()}},
         "Los Aapellidos no pueden estar vacíos",
         "Los apellidos no pueden estar vacíos"},
        {"materno vacío",
         {{"SAMaterno", ""}},
         "Los Aapellidos no pueden estar vacíos",
         "Los apellidos no pueden estar vacíos"},
        {"INE vacía",
         {{"SINE", " "}},
         "La INE no puede estar vacía",
         "La INE no puede estar vacía"},
        {"17 caracteres",
         {{"SINE", "LNSTAN90050109M10"}},
         "La INE debe tener caracteres alfanuméricos",
         "La INE debe tener caracteres alfanuméricos"},
        {"guion",
         {{"SINE", "LNSTAN90050109M-10"}},
         "La INE debe tener caracteres alfanuméricos",
         "La INE debe tener caracteres alfanuméricos"},
        {"letra acentuada",
         {{"SINE", "LNSTÁN90050109M100"}},
         "La INE debe tener caracteres alfanuméricos",
         "La INE debe tener caracteres alfanuméricos"},
        {"minúsculas y blancos", {{"SINE", "  lnstan90050109m100 "}}, nullptr, nullptr},
        {"género", {{"ESexo", ""}}, "Seleccione el género", "Seleccione el género"},
        {"sin nacimiento",
         {{"DFechaNacimiento", QVariant()}},
         "La fecha de nacimiento es obligatoria",
         "La fecha de nacimiento es obligatoria"},
        {"nacimiento futuro",
         {{"DFechaNacimiento", kHoy.addDays(1)}},
         "La fecha de nacimiento no puede ser futura",
         "La fecha de nacimiento no puede ser futura"},
        {"nacido hoy", {{"DFechaNacimiento", kHoy}}, nullptr, nullptr},
        {"vigencia 203",
         {{"IVigencia", "203"}},
         "La vigencia debe ser un año de 4 dígitos (por ejemplo, 2030).",
         "La vigencia debe ser un año de 4 dígitos (por ejemplo, 2030)."},
        {"vigencia 20301",
         {{"IVigencia", "20301"}},
         "La vigencia debe ser un año de 4 dígitos (por ejemplo, 2030).",
         "La vigencia debe ser un año de 4 dígitos (por ejemplo, 2030)."},
        {"vigencia 2O30",
         {{"IVigencia", "2O30"}},
         "La vigencia debe ser un año de 4 dígitos (por ejemplo, 2030).",
         "La vigencia debe ser un año de 4 dígitos (por ejemplo, 2030)."},
        {"vigencia vacía",
         {{"IVigencia", QVariant()}},
         "La vigencia debe ser un año de 4 dígitos (por ejemplo, 2030).",
         "La vigencia debe ser un año de 4 dígitos (por ejemplo, 2030)."},
        {"vigencia del año pasado",
         {{"IVigencia", "2025"}},
         "El año de vigencia no puede ser menor al año actual.",
         "Vigencia Expirada."},
        {"vigencia de este año", {{"IVigencia", " 2026 "}}, nullptr, nullptr},
        {"domicilio",
         {{"SDomicilio", ""}},
         "El domicilio no puede estar vacío",
         "El domicilio no puede estar vacío"},
        {"código postal",
         {{"IdCodigoPostal", 0}},
         "Seleccione un código postal",
         "Seleccione un código postal"},
        {"municipio",
         {{"IdMunicipio", QVariant()}},
         "Seleccione un municipio",
         "Seleccione un municipio"},
        {"localidad",
         {{"IdLocalidad", -1}},
         "Seleccione una localidad",
         "Seleccione una localidad"},
        {"sección", {{"IdSeccion", 0}}, "Seleccione una sección", "Seleccione una sección"},
    };
    for (const Caso& caso : casos) {
        for (bool agregando : {true, false}) {
            SCOPED_TRACE(std::string(caso.nombre) + (agregando ? " (alta)" : " (edición)"));
            platform::MapRecord r = Persona();
            for (auto it = caso.cambios.begin(); it != caso.cambios.end(); ++it)
                r.setValue(it.key(), it.value());
            const auto resultado =
                ValidarColaborador(r, Contexto(agregando, false, r.value("SINE").toString()));
            const char* esperado = agregando ? caso.mensajeB : caso.mensajeC;
            EXPECT_EQ(resultado.valido, esperado == nullptr);
            EXPECT_EQ(resultado.mensaje, esperado ? QString::fromUtf8(esperado) : QString());
        }
    }
}

TEST(ValidarColaborador, FirstFailingCheckWins) {
    platform::MapRecord r = Persona();
    r.setValue("SNombre", "");
    r.setValue("SINE", "corta");
    r.setValue("IdSeccion", 0);
    EXPECT_EQ(ValidarColaborador(r, Contexto(true, false)).mensaje,
              "El Nombre no puede estar vacío");
}

TEST(ValidarColaborador, NewPersonInPaperworkNeedsNoKeyAddressOrValidity) {
    platform::MapRecord r(QVariantMap{{"SNombre", "ANA"},
                                      {"SAPaterno", "LUNA"},
                                      {"SAMaterno", "SOTO"},
                                      {"ESexo", "Mujer"},
                                      {"DFechaNacimiento", QDate(1990, 5, 1)},
                                      {"SINE", "ALGO"},
                                      {"IdCodigoPostal", 1},
                                      {"IdMunicipio", 2},
                                      {"IdSeccion", 44}});
    int consultas = 0;
    ContextoValidacion c = Contexto(true, true);
    c.ineDuplicada = [&consultas] { return ++consultas, true; };
    const auto resultado = ValidarColaborador(r, c);
    EXPECT_TRUE(resultado.valido) << resultado.mensaje.toStdString();
    EXPECT_EQ(r.value("SINE").toString(), "-");
    EXPECT_EQ(consultas, 0);

    const std::pair<QVariantMap, const char*> fallos[] = {
        {{{"SNombre", ""}}, "El Nombre no puede estar vacío"},
        {{{"SAMaterno", ""}}, "Los Apellidos no pueden estar vacíos"},
        {{{"ESexo", ""}}, "Seleccione el Género"},
        {{{"DFechaNacimiento", QVariant()}}, "La fecha de nacimiento es obligatoria"},
        {{{"DFechaNacimiento", kHoy.addYears(1)}}, "La fecha de nacimiento no puede ser futura"},
        {{{"IdCodigoPostal", 0}}, "Seleccione un código postal"},
        {{{"IdMunicipio", 0}}, "Seleccione un municipio"},
    };
    for (const auto& [cambios, mensaje] : fallos) {
        platform::MapRecord copia = r;
        for (auto it = cambios.begin(); it != cambios.end(); ++it)
            copia.setValue(it.key(), it.value());
        EXPECT_EQ(ValidarColaborador(copia, c).mensaje, QString::fromUtf8(mensaje));
    }
}

TEST(ValidarColaborador, DuplicateKeyStopsWithoutAMessageOfItsOwn) {
    for (bool agregando : {true, false}) {
        platform::MapRecord r = Persona();
        r.setValue("SNombre", ""); // the duplicate check comes first
        ContextoValidacion c = Contexto(agregando, false, "LNSTAN90050109M100");
        int consultas = 0;
        c.ineDuplicada = [&consultas] { return ++consultas, true; };
        const auto resultado = ValidarColaborador(r, c);
        EXPECT_FALSE(resultado.valido);
        EXPECT_TRUE(resultado.duplicada);
        EXPECT_TRUE(resultado.mensaje.isEmpty());
        EXPECT_EQ(consultas, 1);
    }
}

TEST(ValidarColaborador, EditInPaperworkNeedsARealKeyWhichEndsThePaperwork) {
    platform::MapRecord r = Persona();
    r.setValue("SINE", "-");
    r.setValue("ETramiteINE", "Si");
    int consultas = 0;
    ContextoValidacion c = Contexto(false, true, "-");
    c.ineDuplicada = [&consultas] { return ++consultas, false; };
    auto resultado = ValidarColaborador(r, c);
    EXPECT_EQ(resultado.mensaje, "La INE debe tener caracteres alfanuméricos");
    EXPECT_FALSE(resultado.apagarTramite);
    EXPECT_EQ(r.value("ETramiteINE").toString(), "Si");
    EXPECT_EQ(consultas, 1); // the check in the middle of path C still runs

    r.setValue("SINE", "LNSTAN90050109M100");
    c.textoINE = "LNSTAN90050109M100";
    resultado = ValidarColaborador(r, c);
    EXPECT_TRUE(resultado.valido);
    EXPECT_TRUE(resultado.apagarTramite);
    EXPECT_EQ(r.value("ETramiteINE").toString(), "No");
}
