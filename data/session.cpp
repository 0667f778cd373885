#include "data/session.h"

namespace orva::data {
namespace {

SesionActual& instance() {
    static SesionActual s;
    return s;
}

} // namespace

const SesionActual& sesion() {
    return instance();
}

void establecerSesion(const SesionActual& nueva) {
    instance() = nueva;
}

} // namespace orva::data
