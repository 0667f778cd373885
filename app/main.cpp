// Orva: the program's entry. It takes no arguments.
#include "app/arranque.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    return orva::app::Arrancar(aplicacion);
}
