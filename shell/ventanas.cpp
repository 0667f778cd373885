#include "shell/ventanas.h"

#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace orva::shell {
namespace {

QString& moduloActual() {
    static QString modulo;
    return modulo;
}

QPointer<QMdiArea>& area() {
    static QPointer<QMdiArea> a;
    return a;
}

QHash<QString, FabricaVentana>& fabricas() {
    static QHash<QString, FabricaVentana> f;
    return f;
}

QString clave(const QString& nombreForm) {
    return nombreForm.toLower();
}

QMdiSubWindow* buscar(const QString& nombreForm) {
    if (!area())
        return nullptr;
    for (QMdiSubWindow* s : area()->subWindowList(QMdiArea::CreationOrder)) {
        QWidget* w = s->widget();
        if (w && w->objectName().compare(nombreForm, Qt::CaseInsensitive) == 0)
            return s;
    }
    return nullptr;
}

} // namespace

QString ModuloActual() {
    return moduloActual();
}

void setModuloActual(const QString& modulo) {
    moduloActual() = modulo;
}

void RegistrarAreaVentanas(QMdiArea* a) {
    area() = a;
}

QMdiArea* AreaVentanas() {
    return area();
}

bool MostrarSiAbierta(const QString& nombreForm) {
    QMdiSubWindow* s = buscar(nombreForm);
    if (!s)
        return false;
    if (s->isMinimized())
        s->showNormal();
    s->show();
    area()->setActiveSubWindow(s);
    s->raise();
    return true;
}

int VentanasAbiertas() {
    return area() ? static_cast<int>(area()->subWindowList().size()) : 0;
}

void CerrarVentanas() {
    if (!area())
        return;
    for (QMdiSubWindow* s : area()->subWindowList(QMdiArea::CreationOrder))
        s->close();
}

void RegistrarVentana(const QString& nombreForm, std::function<QWidget*()> crear, bool mdi) {
    fabricas().insert(clave(nombreForm), FabricaVentana{std::move(crear), mdi});
}

bool VentanaRegistrada(const QString& nombreForm) {
    return fabricas().contains(clave(nombreForm));
}

QWidget* AbrirVentana(const QString& nombreForm, const QString& modulo) {
    const auto it = fabricas().constFind(clave(nombreForm));
    const bool mdi = it == fabricas().constEnd() || it->mdi;
    if (mdi && MostrarSiAbierta(nombreForm))
        return buscar(nombreForm)->widget();
    if (!modulo.isEmpty())
        setModuloActual(modulo);
    if (it == fabricas().constEnd() || !it->crear)
        return nullptr;
    QWidget* ventana = it->crear();
    if (!ventana)
        return nullptr;
    if (ventana->objectName().isEmpty())
        ventana->setObjectName(nombreForm);
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    if (mdi && area()) {
        QMdiSubWindow* s = area()->addSubWindow(ventana);
        s->setAttribute(Qt::WA_DeleteOnClose);
        s->show();
        area()->setActiveSubWindow(s);
    } else {
        ventana->show();
    }
    return ventana;
}

} // namespace orva::shell
