#include "platform/dialogs/dialogs.h"

#include "platform/dialogs/qtdialogs.h"

namespace orva::platform {
namespace {

std::unique_ptr<Dialogs>& installed() {
    static std::unique_ptr<Dialogs> service;
    return service;
}

} // namespace

QString dialogKindName(DialogKind kind) {
    switch (kind) {
    case DialogKind::Message:
        return QStringLiteral("mensaje");
    case DialogKind::Information:
        return QStringLiteral("información");
    case DialogKind::Warning:
        return QStringLiteral("advertencia");
    case DialogKind::Error:
        return QStringLiteral("error");
    case DialogKind::Confirm:
        return QStringLiteral("confirmación Sí/No");
    case DialogKind::YesNoCancel:
        return QStringLiteral("pregunta Sí/No/Cancelar");
    case DialogKind::OkCancel:
        return QStringLiteral("pregunta Aceptar/Cancelar");
    case DialogKind::Input:
        return QStringLiteral("cuadro de captura");
    case DialogKind::OpenFile:
        return QStringLiteral("abrir archivo");
    case DialogKind::SaveFile:
        return QStringLiteral("guardar archivo");
    case DialogKind::OpenDocument:
        return QStringLiteral("abrir con el programa predeterminado");
    }
    return {};
}

Dialogs& dialogs() {
    auto& service = installed();
    if (!service)
        service = std::make_unique<QtDialogs>();
    return *service;
}

std::unique_ptr<Dialogs> installDialogs(std::unique_ptr<Dialogs> service) {
    auto previous = std::move(installed());
    installed() = std::move(service);
    return previous;
}

} // namespace orva::platform
