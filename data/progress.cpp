#include "data/progress.h"

namespace orva::data {

void AvanzarProgreso(ProgressBar& barra, int paso, int maximo, int inicio) {
    if (barra.position() == inicio) {
        barra.setPosition(inicio);
        barra.setMaximum(maximo);
    }
    barra.setPosition(barra.position() + paso);
    barra.repaint();
}

void MostrarProgreso(bool mostrar, ProgressBar& barra, ProgressLabel& etiqueta) {
    etiqueta.setVisible(mostrar);
    barra.setVisible(mostrar);
    if (mostrar) {
        etiqueta.repaint();
        barra.setPosition(0);
    }
}

} // namespace orva::data
