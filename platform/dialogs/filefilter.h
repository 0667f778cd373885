#pragma once
#include <QString>

namespace orva::platform {

/// Translates a file filter written as "Description|*.a;*.b|Other|*.C" into Qt's
/// "Description (*.a *.b);;Other (*.C *.c)". Each pattern is offered in both cases
/// as well, because the file dialog matches case-sensitively on Linux and users'
/// files come from Windows machines with either case. Empty gives empty.
QString qtFileFilter(const QString& filter);

} // namespace orva::platform
