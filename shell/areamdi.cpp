#include "shell/areamdi.h"

#include <QImageReader>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QTabBar>

namespace orva::shell {

AreaMdi::AreaMdi(QWidget* parent) : QMdiArea(parent) {
    setObjectName(QStringLiteral("Fondo"));
    setToolTip(QStringLiteral("Doble clic para cambiar imagen abstracta Orva"));
    setBackground(QColor(0xE8, 0xEC, 0xF2));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool AreaMdi::cargarFondo(const QString& archivo, Modo modo) {
    QImageReader lector(archivo);
    lector.setAutoTransform(true);
    QImage imagen = lector.read();
    if (imagen.isNull())
        return false;
    fondo_ = std::move(imagen);
    modo_ = modo;
    viewport()->update();
    return true;
}

void AreaMdi::paintEvent(QPaintEvent* event) {
    QMdiArea::paintEvent(event);
    if (fondo_.isNull())
        return;
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    QSize tamano = fondo_.size();
    if (modo_ == Modo::Estirada || tamano.width() > area.width() || tamano.height() > area.height())
        tamano.scale(area.size(), Qt::KeepAspectRatio); // proportional, within the area
    QRect destino(QPoint(0, 0), tamano);
    destino.moveCenter(area.center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(destino, fondo_);
}

void AreaMdi::mouseDoubleClickEvent(QMouseEvent* event) {
    viewport()->update();
    QMdiArea::mouseDoubleClickEvent(event);
}

void AreaMdi::setAcoplada(bool acoplada) {
    setViewMode(acoplada ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    if (!acoplada)
        return;
    setTabsClosable(true);
    setTabsMovable(true);
    if (QTabBar* pestanas = findChild<QTabBar*>()) {
        pestanas->removeEventFilter(this);
        pestanas->installEventFilter(this);
    }
}

bool AreaMdi::eventFilter(QObject* watched, QEvent* event) {
    auto* pestanas = qobject_cast<QTabBar*>(watched);
    if (pestanas && event->type() == QEvent::MouseButtonRelease) {
        auto* raton = static_cast<QMouseEvent*>(event);
        const int indice = pestanas->tabAt(raton->position().toPoint());
        if (raton->button() == Qt::MiddleButton && indice >= 0) {
            // Selecting the tab activates its window (the area knows which one it is,
            // also after tabs were moved); then that window is closed.
            pestanas->setCurrentIndex(indice);
            if (QMdiSubWindow* activa = activeSubWindow())
                activa->close();
            return true;
        }
    }
    return QMdiArea::eventFilter(watched, event);
}

void AreaMdi::mosaico(Qt::Orientation orientacion) {
    QList<QMdiSubWindow*> hijas;
    for (QMdiSubWindow* s : subWindowList(QMdiArea::CreationOrder))
        if (s->isVisible() && !s->isMinimized())
            hijas << s;
    if (hijas.isEmpty())
        return;
    const QRect area = viewport()->rect();
    const int n = static_cast<int>(hijas.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* s = hijas.at(i);
        if (s->isMaximized())
            s->showNormal();
        if (orientacion == Qt::Horizontal) {
            const int alto = area.height() / n;
            s->setGeometry(0, i * alto, area.width(), alto);
        } else {
            const int ancho = area.width() / n;
            s->setGeometry(i * ancho, 0, ancho, area.height());
        }
    }
}

void AreaMdi::mosaicoHorizontal() {
    mosaico(Qt::Horizontal);
}

void AreaMdi::mosaicoVertical() {
    mosaico(Qt::Vertical);
}

} // namespace orva::shell
