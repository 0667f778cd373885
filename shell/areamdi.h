#pragma once
// The main window's client area: the child windows over a background picture, shown
// centred or stretched, and the tiling of the children side by side or one above the
// other.
#include <QImage>
#include <QMdiArea>

namespace orva::shell {

class AreaMdi : public QMdiArea {
    Q_OBJECT
public:
    enum class Modo { Centrada, Estirada };

    explicit AreaMdi(QWidget* parent = nullptr);

    /// Loads the background picture; false (picture unchanged) when it cannot be read.
    bool cargarFondo(const QString& archivo, Modo modo);
    const QImage& fondo() const { return fondo_; }
    Modo modo() const { return modo_; }

    /// Each child takes the full width, one above the other.
    void mosaicoHorizontal();
    /// Each child takes the full height, side by side.
    void mosaicoVertical();

    /// Whether the children are shown as tabs.
    bool acoplada() const { return viewMode() == QMdiArea::TabbedView; }
    /// Tabs (closable, movable, closed by a middle click) or free windows.
    void setAcoplada(bool acoplada);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mosaico(Qt::Orientation orientacion);

    QImage fondo_;
    Modo modo_ = Modo::Centrada;
};

} // namespace orva::shell
