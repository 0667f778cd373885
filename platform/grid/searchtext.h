#pragma once
#include <QString>
#include <QStringList>

namespace orva::platform {

/// Text as the find panel and the filter row compare it: case folded and without
/// accents, so "jose" finds "JOSÉ" and "pena" finds "PEÑA".
QString foldForSearch(const QString& text);

/// The words of a find-panel text, folded; a record matches when each word occurs in
/// one of its visible cells.
QStringList searchWords(const QString& findText);

} // namespace orva::platform
