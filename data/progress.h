#pragma once
// The progress strip of long tasks (the import), as the data layer drives it; the
// windows implement these over their own bar and label.
namespace orva::data {

class ProgressBar {
public:
    virtual ~ProgressBar() = default;
    virtual int position() const = 0;
    virtual void setPosition(int position) = 0;
    virtual void setMaximum(int maximum) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void repaint() = 0;
};

class ProgressLabel {
public:
    virtual ~ProgressLabel() = default;
    virtual void setVisible(bool visible) = 0;
    virtual void repaint() = 0;
};

/// When the bar stands at `inicio`, puts it there with `maximo` as its maximum; then
/// advances it by `paso` and repaints it.
void AvanzarProgreso(ProgressBar& barra, int paso, int maximo, int inicio);
/// Shows or hides the bar and its label together; showing repaints the label and puts
/// the bar back to 0.
void MostrarProgreso(bool mostrar, ProgressBar& barra, ProgressLabel& etiqueta);

} // namespace orva::data
