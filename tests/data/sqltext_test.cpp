// Statement text work that needs no server: parameters, the substitution tokens, the
// parameter lists, dates, error texts and the progress helpers.
#include "data/binding.h"
#include "data/dataset.h"
#include "data/errors.h"
#include "data/filterexpr.h"
#include "data/records.h"
#include "data/sqlparams.h"

#include <gtest/gtest.h>

using namespace orva::data;

namespace {

struct ParamCase {
    const char* sql;
    QStringList names;
    const char* bound; ///< each parameter replaced by <name>
};

class SqlParams : public testing::TestWithParam<ParamCase> {};

TEST_P(SqlParams, FindsAndBinds) {
    const ParamCase& c = GetParam();
    const QString sql = QString::fromUtf8(c.sql);
    EXPECT_EQ(sqlParamNames(sql), c.names);
    const QString bound =
        bindSqlParams(sql, [](const QString& name) { return u'<' + name + u'>'; });
    EXPECT_EQ(bound, QString::fromUtf8(c.bound));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SqlParams,
    testing::Values(
        ParamCase{"select * from t where a = :A and b = :b",
                  {"A", "b"},
                  "select * from t where a = <A> and b = <b>"},
        ParamCase{"a = :Id or b = :ID or c = :id", {"Id"}, "a = <Id> or b = <ID> or c = <id>"},
        ParamCase{"select ':x', \":y\", `:z` from t where c = :c",
                  {"c"},
                  "select ':x', \":y\", `:z` from t where c = <c>"},
        ParamCase{"select 'it''s :x', 'a\\':w' from t where y = :y",
                  {"y"},
                  "select 'it''s :x', 'a\\':w' from t where y = <y>"},
        ParamCase{"select 1 -- :x\n, :y # :z\n /* :w */ from t",
                  {"y"},
                  "select 1 -- :x\n, <y> # :z\n /* :w */ from t"},
        ParamCase{"select @v ::= 5", {}, "select @v := 5"},
        ParamCase{"set @a := 1, @b = 'x:'", {}, "set @a := 1, @b = 'x:'"},
        ParamCase{"select 2--:x", {"x"}, "select 2--<x>"},
        ParamCase{"where (:Usuario = -1 or (:Usuario <> -1 and sUsuario = :Usuario))",
                  {"Usuario"},
                  "where (<Usuario> = -1 or (<Usuario> <> -1 and sUsuario = <Usuario>))"},
        ParamCase{"select * from t where a = 1 and :filter_by_code",
                  {"filter_by_code"},
                  "select * from t where a = 1 and <filter_by_code>"},
        ParamCase{
            "values (:error, \"\", :fecha)", {"error", "fecha"}, "values (<error>, \"\", <fecha>)"},
        ParamCase{"select :año from t", {"año"}, "select <año> from t"}));

TEST(SqlParams, TokensGivePositionsInTheText) {
    const auto tokens = findSqlParams(u"  a = :Id and b = :Name");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].position, 6);
    EXPECT_EQ(tokens[0].length, 3);
    EXPECT_EQ(tokens[1].name, QStringLiteral("Name"));
}

struct SubstitutionCase {
    const char* sql;
    const char* filter;
    std::array<const char*, 6> vars;
    const char* expected;
};

class Substitution : public testing::TestWithParam<SubstitutionCase> {};

TEST_P(Substitution, RewritesTheTokens) {
    const SubstitutionCase& c = GetParam();
    auto s = [](const char* t) { return QString::fromUtf8(t); };
    EXPECT_EQ(SustituirVariablesSQL(s(c.sql), s(c.filter), s(c.vars[0]), s(c.vars[1]), s(c.vars[2]),
                                    s(c.vars[3]), s(c.vars[4]), s(c.vars[5])),
              s(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Substitution,
    testing::Values(
        // No filter: "and ", the token and the blank after it become one blank.
        SubstitutionCase{"select * from t where a = 1 and :filter_by_code order by b",
                         "",
                         {"", "", "", "", "", ""},
                         "select * from t where a = 1  order by b"},
        SubstitutionCase{"select * from t where a = 1 and :filter_by_code order by b",
                         "b > 2",
                         {"", "", "", "", "", ""},
                         "select * from t where a = 1 and  b > 2 order by b"},
        SubstitutionCase{"select * from t where a = 1 and :filter_by_code",
                         "",
                         {"", "", "", "", "", ""},
                         "select * from t where a = 1  "},
        SubstitutionCase{"select * from t where a = 1 and :filter_by_code",
                         "c = 'x'",
                         {"", "", "", "", "", ""},
                         "select * from t where a = 1 and  c = 'x' "},
        // Positions are those of the text itself, leading blanks included.
        SubstitutionCase{"\n   select * from t where a = 1 and :filter_by_code order by b",
                         "",
                         {"", "", "", "", "", ""},
                         "\n   select * from t where a = 1  order by b"},
        SubstitutionCase{":filter_by_code x", "", {"", "", "", "", "", ""}, " x"},
        SubstitutionCase{
            "select :var_by_code1 from t", "", {"a, b", "", "", "", "", ""}, "select a, b from t"},
        SubstitutionCase{
            "select :var_by_code1 from t", "", {"", "", "", "", "", ""}, "select  from t"},
        SubstitutionCase{"select :var_by_code2, :var_by_code2 from t",
                         "",
                         {"", "x", "", "", "", ""},
                         "select x, x from t"},
        SubstitutionCase{"select :var_by_code1 from :var_by_code2 where k = :var_by_code3 and "
                         ":var_by_code4 :var_by_code5 :var_by_code6",
                         "",
                         {"a", "tabla", "'K'", "b", "", "z"},
                         "select a from tabla where k = 'K' and b  z"},
        SubstitutionCase{"select :var_by_code1 from t where a = :a and :filter_by_code order by c",
                         "d = 1",
                         {"x", "", "", "", "", ""},
                         "select x from t where a = :a and  d = 1 order by c"},
        // The tokens are found as written: another case is not a token.
        SubstitutionCase{"select * from t where :FILTER_BY_CODE",
                         "",
                         {"", "", "", "", "", ""},
                         "select * from t where :FILTER_BY_CODE"}));

TEST(Substitution, RefusesAValueHoldingItsOwnToken) {
    EXPECT_THROW(SustituirVariablesSQL("a and :filter_by_code", "x and :filter_by_code", "", "", "",
                                       "", "", ""),
                 Exception);
    EXPECT_THROW(SustituirVariablesSQL(":var_by_code3", "", "", "", ":var_by_code3", "", "", ""),
                 Exception);
}

struct ListCase {
    const char* list;
    QStringList names;
};

class ParamLists : public testing::TestWithParam<ListCase> {};

TEST_P(ParamLists, SplitAsTheBindingDoes) {
    EXPECT_EQ(separarNombres(QString::fromUtf8(GetParam().list)), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParamLists,
    testing::Values(ListCase{"IdUsuario,EActivo", {"IdUsuario", "EActivo"}},
                    ListCase{"IdUsuario , EActivo", {"IdUsuario", "EActivo"}},
                    ListCase{"Usuario, Fecha, Hora, Descripcion, Nombre",
                             {"Usuario", "Fecha", "Hora", "Descripcion", "Nombre"}},
                    ListCase{"Usuario,,Fecha", {"Usuario", "", "Fecha"}},
                    ListCase{"Usuario, ,Fecha", {"Usuario", "", "Fecha"}},
                    ListCase{"a b", {"a", "b"}}, ListCase{"a,", {"a", ""}},
                    ListCase{",a", {"", "a"}}, ListCase{"  a  ", {"a"}}, ListCase{"", {}}));

class Binding : public testing::Test {
protected:
    Dataset ds;
};

TEST_F(Binding, BindsNamesWithBlanksAroundThem) {
    ds.setSql("select * from t where (:IdUsuario = -1 or IdUsuario = :IdUsuario) and "
              "EActivo = :EActivo");
    EXPECT_TRUE(FiltrarConsulta(ds, "IdUsuario , EActivo", {5, "Si"}));
    EXPECT_EQ(ds.param("idusuario"), QVariant("5"));
    EXPECT_EQ(ds.param("EActivo"), QVariant("Si"));
    EXPECT_EQ(ds.boundSql(), QByteArray("select * from t where ('5' = -1 or IdUsuario = '5') and "
                                        "EActivo = 'Si'"));
}

TEST_F(Binding, UnknownNameFailsWithItsNameAndLeavesTheTextAlone) {
    const QString sql = "select * from t where u = :Usuario and f = :Fecha and :filter_by_code";
    ds.setSql(sql);
    try {
        FiltrarConsulta(ds, "Usuario,,Fecha", {"7", "x", "2024-1-1"});
        FAIL() << "an empty name must fail";
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Parámetro de Consulta SQL [] no encontrado, "
                                              "verifica tu sentencia"));
    }
    EXPECT_EQ(ds.sql(), sql);
    EXPECT_EQ(ds.param("Usuario"), QVariant("7")); // bound before the failure
    EXPECT_FALSE(ds.param("Fecha").isValid());

    try {
        FiltrarConsulta(ds, "Usuario, Nombre", {"1", "x"});
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Parámetro de Consulta SQL [Nombre] no encontrado, "
                                              "verifica tu sentencia"));
    }
}

TEST_F(Binding, SpecialNamesRewriteTheTextAndOtherValuesSurvive) {
    ds.setSql("select :var_by_code1 from t where a = :a and :filter_by_code order by b");
    FiltrarConsulta(ds, "filter_by_code, a, var_by_code1", {"c > 2", 9, "x, y"});
    EXPECT_EQ(ds.sql(), QStringLiteral("select x, y from t where a = :a and  c > 2 order by b"));
    EXPECT_EQ(ds.param("a"), QVariant("9"));
    EXPECT_EQ(ds.paramNames(), QStringList{"a"});
}

TEST_F(Binding, TokensAreRewrittenEvenWhenNotNamed) {
    ds.setSql("select * from t where a = :a and :filter_by_code order by b");
    FiltrarConsulta(ds, "a", {1});
    EXPECT_EQ(ds.sql(), QStringLiteral("select * from t where a = :a  order by b"));
}

TEST_F(Binding, StatementWithoutParametersIgnoresTheValues) {
    ds.setSql("select 1");
    EXPECT_TRUE(FiltrarConsulta(ds, "x, y", {1}));
    EXPECT_EQ(ds.sql(), QStringLiteral("select 1"));
}

TEST_F(Binding, ValuesAreTextAndEmptyOrNullIsEmptyText) {
    ds.setSql("select * from t where a = :a and b = :b and c = :c and d = :d");
    FiltrarConsulta(ds, "a,b,c,d", {QVariant(), "", QDate(2024, 3, 5), "O'Brien"});
    EXPECT_EQ(ds.boundSql(),
              QByteArray("select * from t where a = '' and b = '' and c = '2024-03-05' and d = "
                         "'O\\'Brien'"));
}

TEST_F(Binding, FewerValuesThanNamesIsRefused) {
    ds.setSql("select * from t where a = :a and b = :b");
    EXPECT_THROW(FiltrarConsulta(ds, "a,b", {1}), Exception);
}

TEST_F(Binding, NeverSetParameterIsNull) {
    ds.setSql("select * from t where a = :a");
    EXPECT_EQ(ds.boundSql(), QByteArray("select * from t where a = NULL"));
}

TEST(RecordHelpers, FechaSQLHasNoLeadingZeros) {
    EXPECT_EQ(FechaSQL(QDate(2024, 3, 5)), QStringLiteral("2024-3-5"));
    EXPECT_EQ(FechaSQL(QDate(2024, 12, 25)), QStringLiteral("2024-12-25"));
}

TEST(RecordHelpers, PrimerDiaMesIsTheFirstOfThisMonthWhateverTheLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QDate today = QDate::currentDate();
    EXPECT_EQ(PrimerDiaMes(), QDate(today.year(), today.month(), 1));
    QLocale::setDefault(before);
}

struct ErrorTextCase {
    const char* text;
    const char* warning; ///< empty when the text is not a known connection failure
};

class ConnectionFailures : public testing::TestWithParam<ErrorTextCase> {};

TEST_P(ConnectionFailures, AreRecognised) {
    const auto warning = AvisoConexion(QString::fromUtf8(GetParam().text));
    if (*GetParam().warning)
        EXPECT_EQ(warning.value_or("nothing"), QString::fromUtf8(GetParam().warning));
    else
        EXPECT_FALSE(warning.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectionFailures,
    testing::Values(ErrorTextCase{"Can't connect to MySQL server on 'srv' (10061)",
                                  "No se encontró la base de datos."},
                    ErrorTextCase{"MySQL server has gone away",
                                  "Se ha perdido la conexión con la base de datos."},
                    ErrorTextCase{"Can't connect to server on '127.0.0.1' (111)",
                                  "No se encontró la base de datos."},
                    ErrorTextCase{"Can't connect to local server through socket '/x.sock' (2)",
                                  "No se encontró la base de datos."},
                    ErrorTextCase{"Server has gone away",
                                  "Se ha perdido la conexión con la base de datos."},
                    ErrorTextCase{"Lost connection to server during query",
                                  "Se ha perdido la conexión con la base de datos."},
                    ErrorTextCase{"Lost connection to MySQL server during query",
                                  "Se ha perdido la conexión con la base de datos."},
                    ErrorTextCase{"Duplicate entry '5' for key 'PRIMARY'", ""},
                    ErrorTextCase{"Access denied for user 'x'@'localhost'", ""}));

TEST(ErrorTexts, EveryDuplicateEntryReadsTheSame) {
    EXPECT_EQ(NormalizarMensajeError("Duplicate entry '5' for key 'PRIMARY'"),
              QStringLiteral("SQL Error: Duplicate entry for key"));
    EXPECT_EQ(NormalizarMensajeError("SQL Error: Duplicate entry 'P1' for key 'SCodigo'"),
              QStringLiteral("SQL Error: Duplicate entry for key"));
    EXPECT_EQ(NormalizarMensajeError("Cannot delete or update a parent row"),
              QStringLiteral("Cannot delete or update a parent row"));
}

TEST(ErrorTexts, KindsAreWhatTheCatalogueCompares) {
    EXPECT_EQ(errorKind(Exception("x")), QStringLiteral("Exception"));
    EXPECT_EQ(errorKind(DatabaseError("x", 1062)), QStringLiteral("EDatabaseError"));
    EXPECT_NE(errorKind(std::runtime_error("x")), QStringLiteral("Exception"));
    EXPECT_EQ(errorText(DatabaseError(QStringLiteral("Señal"))), QStringLiteral("Señal"));
}

class FakeBar : public ProgressBar, public ProgressLabel {
public:
    int position() const override { return pos; }
    void setPosition(int p) override { pos = p; }
    void setMaximum(int m) override { max = m; }
    void setVisible(bool v) override { visible = v; }
    void repaint() override { ++repaints; }
    int pos = 0, max = 100, repaints = 0;
    bool visible = false;
};

TEST(Progress, AdvancesFromTheStartAndShowsFromZero) {
    FakeBar bar, label;
    bar.pos = 37;
    MostrarProgreso(true, bar, label);
    EXPECT_TRUE(bar.visible && label.visible);
    EXPECT_EQ(bar.pos, 0);
    EXPECT_EQ(label.repaints, 1);
    AvanzarProgreso(bar, 1, 10, 0);
    EXPECT_EQ(bar.max, 10);
    EXPECT_EQ(bar.pos, 1);
    bar.max = 99; // not at the start any more: the maximum stays
    AvanzarProgreso(bar, 2, 10, 0);
    EXPECT_EQ(bar.max, 99);
    EXPECT_EQ(bar.pos, 3);
    EXPECT_EQ(bar.repaints, 2);
    MostrarProgreso(false, bar, label);
    EXPECT_FALSE(bar.visible || label.visible);
}

class MalformedFilters : public testing::TestWithParam<const char*> {};

TEST_P(MalformedFilters, AreRefusedWithAClearText) {
    try {
        FilterExpression e(QString::fromUtf8(GetParam()));
        FAIL() << GetParam();
    } catch (const Exception& e) {
        EXPECT_TRUE(e.message().startsWith(u"La expresión de filtro no es válida")) << GetParam();
        EXPECT_TRUE(e.message().contains(u"posición")) << qPrintable(e.message());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MalformedFilters,
                         testing::Values("(a = 1", "a = ", "a 1", "a = 'x", "a like", "a is 5",
                                         "a between 1", "a between 1 and", "a = 1 b = 2", ")",
                                         "a = 1)", "a in (1,", "a in 1", "a ! 1", "and", "= 1",
                                         "a not = 1", "[a = 1", "a = 1 and", "a = #"));

} // namespace
