#pragma once
class QCoreApplication;

namespace orva::platform {

/// Loads Qt's own Spanish texts (qtbase_es.qm: "Sí", "No", "Cancelar" on the standard
/// buttons and dialogs) from Qt's translations folder into `app`. Returns false when
/// the file is missing; the program then runs with Qt's English button texts.
bool installQtTranslations(QCoreApplication& app);

} // namespace orva::platform
