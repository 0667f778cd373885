#pragma once
// What the collaborator window suites share: a database with structures, catalogs and
// people of known ids, the session of a user, and the window opened offscreen.
#include "escenario.h"
#include "people/colaboradores.h"

#include <QString>
#include <QVariant>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

/// Readable QString values in the failures of GoogleTest.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace orva::test {

/// Creates `base` with: structures 3 "A", 7 "B" and 9 "C"; user 1 (admin, EAdmin "Si")
/// assigned A and B, user 2 (capturista, EAdmin "No") none; municipalities 1 PACHUCA and
/// 2 TULANCINGO; sections 44 and 100; localities 1 CENTRO and 2 NORTE; postal codes
/// 42000 and 42080; people 1 in A, 2 in B, 3 in C, 4 and 5 without structure (5 in
/// paperwork), 6 with a support delivery. Person n has the voter key
/// "PERSONA0000000000n" and the code "PER000000n".
void CrearBaseColaboradores(const std::string& base);

/// The first column of the first row of a query on the module's connection (null when
/// there is no row).
QVariant Valor(const QString& sql);

/// Logs user `id` in as the login would (the session and the user's own row).
void Entrar(int id, const QString& usuario, const std::string& base);

/// A collaborator window opened offscreen with scripted dialogs, per test.
class VentanaColaboradores : public testing::Test {
protected:
    void abrir();
    void TearDown() override;

    /// Starts an add and fills every field with a valid new person (voter key `ine`).
    void llenarNuevo(const QString& ine);
    /// Presses "Aceptar".
    void aceptar();
    /// Plain messages shown since the last clearShown().
    QStringList mensajes() const;

    Guion guion;
    std::unique_ptr<people::TfrmColaboradores> w;
};

} // namespace orva::test
