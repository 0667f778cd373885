#pragma once
// The workstation's name and network address, which name the registration window's
// working copy.
#include <QString>
#include <QStringList>

namespace orva::app {

/// The computer's name, or empty text when it cannot be read.
QString NombreEquipo();

/// A network adapter's address as six pairs of upper-case hexadecimal digits joined by
/// "-": the first adapter that is not the loopback and whose address is not all zeros;
/// "00-00-00-00-00-00" when every adapter has that address; empty text when the adapters
/// cannot be listed.
QString DireccionMAC();

/// The choice DireccionMAC makes among adapter addresses as the system gives them
/// ("aa:bb:cc:dd:ee:ff", loopback adapters already left out), in order.
QString ElegirDireccionMAC(const QStringList& direcciones);

} // namespace orva::app
