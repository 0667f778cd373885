// The text of the catalogs loaded straight from their table, and its field filter.
#include "catalogs/carga.h"
#include "data/dataset.h"
#include "data/errors.h"

#include <gtest/gtest.h>

using namespace orva;

namespace {

struct CasoFiltro {
    const char* campos;
    QVariantList valores;
    const char* texto;                                           ///< the dataset's text afterwards
    std::vector<std::pair<const char*, const char*>> parametros; ///< bound values
};

class FiltroCamposTest : public testing::TestWithParam<CasoFiltro> {};

TEST_P(FiltroCamposTest, AppendsOneConditionPerRestrictedField) {
    const CasoFiltro& c = GetParam();
    data::Dataset ds;
    catalogs::ArmarConsultaTabla(ds, QStringLiteral("activ_partidos"));
    catalogs::AgregarFiltroCampos(ds, QString::fromUtf8(c.campos), c.valores);
    EXPECT_EQ(ds.sql(), QString::fromUtf8(c.texto));
    for (const auto& [nombre, valor] : c.parametros)
        EXPECT_EQ(ds.param(QString::fromUtf8(nombre)).toString(), QString::fromUtf8(valor))
            << nombre;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FiltroCamposTest,
    testing::Values(CasoFiltro{"IdPartido,EActivo", {-1, -1}, "SELECT * FROM activ_partidos", {}},
                    CasoFiltro{"IdPartido,EActivo", {-1, "-1"}, "SELECT * FROM activ_partidos", {}},
                    CasoFiltro{"IdPartido,EActivo",
                               {-1, "Si"},
                               "SELECT * FROM activ_partidos WHERE EActivo = :EActivo",
                               {{"EActivo", "Si"}}},
                    CasoFiltro{
                        "IdPartido,EActivo",
                        {7, "No"},
                        "SELECT * FROM activ_partidos WHERE IdPartido = :IdPartido AND EActivo = "
                        ":EActivo",
                        {{"IdPartido", "7"}, {"EActivo", "No"}}},
                    // Blanks after a comma are part of the name; with -1 nothing of it shows.
                    CasoFiltro{"IdCampania, IAnio", {-1, -1}, "SELECT * FROM activ_partidos", {}}));

TEST(FiltroCampos, MismatchedListsRaiseAndLeaveTheText) {
    data::Dataset ds;
    catalogs::ArmarConsultaTabla(ds, QStringLiteral("master_estado"));
    for (const QVariantList& valores : {QVariantList{-1}, QVariantList{-1, -1, -1, -1}}) {
        try {
            catalogs::AgregarFiltroCampos(ds, QStringLiteral("IdEstado,IdPais,Activo"), valores);
            ADD_FAILURE() << "no error for " << valores.size() << " values";
        } catch (const data::Exception& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Cantidad de campos y valores no coincide."));
        }
        EXPECT_EQ(ds.sql(), QStringLiteral("SELECT * FROM master_estado"));
    }
}

TEST(FiltroCampos, TableTextNamesTheTable) {
    data::Dataset ds;
    catalogs::ArmarConsultaTabla(ds, QStringLiteral("activ_motivos"));
    EXPECT_EQ(ds.sql(), QStringLiteral("SELECT * FROM activ_motivos"));
}

} // namespace
