#pragma once
// Shared by the catalog window suites: a database of the suite's own with a small
// geography and parties, the administrator logged in, windows opened as the main window
// opens them, a second workstation, and readers of the rows and of the action log.
#include "catalogs/ventanacatalogo.h"
#include "data/dbconnection.h"
#include "escenario.h"

#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orva::test {

/// Field -> value typed or chosen in a window's editors (a null value empties a list).
using Valores = QMap<QString, QVariant>;

/// Countries 1 and 71 (MÉXICO), states 1 and 53 (HIDALGO), municipalities 1 PACHUCA and
/// 2 TULANCINGO, sections 1 "0101" and 44, zones 1 ZONA CENTRO and 2 ZONA SUR, locality 1
/// CENTRO (municipality 1, section 1, zone 1), party 1 PARTIDO AZUL with candidate 1 ANA
/// LUNA, campaign type 1 MUNICIPAL.
void CargarReferencias(const std::string& base);

class CatalogoTest : public testing::Test {
protected:
    /// Creates the database with users and references (once per suite).
    static void CrearBase(const std::string& base);

    explicit CatalogoTest(std::string base) : base_(std::move(base)) {}
    void SetUp() override;
    void TearDown() override;

    /// Logs in as that user and reads the user's rights.
    void Sesion(int idUsuario, const QString& usuario);

    /// Opens a catalog as the main window's "Catalagos" command does (module key of the
    /// command set first), shown and active.
    catalogs::TfrmCatalogo* abrir(const QString& forma);
    /// A window of that catalog made directly (a second one on the same form).
    catalogs::TfrmCatalogo* crear(const QString& forma);
    /// The module key the main window's command of that form sets.
    static QString moduloDe(const QString& forma);

    /// Types or chooses the values in the window's editors.
    static void llenar(catalogs::TfrmCatalogo& ventana, const Valores& valores);
    static void activar(QWidget* ventana);

    /// Reads on the second workstation's connection.
    QVariant valor(const QString& sql);
    QStringList columna(const QString& sql);
    /// Runs a change on the second workstation's connection.
    void ejecutar(const QString& sql);
    /// Descriptions of the action log, oldest first.
    QStringList bitacora();

    Guion guion;
    data::DbConnection otra{QStringLiteral("estacion2")};

private:
    std::string base_;
    std::vector<QPointer<QWidget>> ventanas_;
};

} // namespace orva::test
