#pragma once
// Named parameters in SQL text: ":Name" outside quotes and comments; "::" stands for a
// literal colon. Values are sent as quoted literals escaped by the connector.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace orva::data {

/// One ":Name" in a statement, or a "::" (with an empty name).
struct SqlParamToken {
    qsizetype position = 0; ///< index of the colon in the text
    qsizetype length = 0;   ///< characters taken, colon included
    QString name;           ///< without the colon; empty for "::"
};

/// Every ":Name" and "::" of the text, in order. Quoted texts ('…', "…", `…`) and
/// comments (-- …, # …, /* … */) are skipped; ":=" and a lone colon are not parameters.
std::vector<SqlParamToken> scanSqlParams(QStringView sql);

/// The parameter tokens only (no "::"), in order, repetitions included.
std::vector<SqlParamToken> findSqlParams(QStringView sql);

/// The distinct parameter names in order of first appearance (the first spelling kept;
/// names are told apart without regard to case).
QStringList sqlParamNames(QStringView sql);

/// The text with every parameter replaced by what `literalFor(name)` gives and every
/// "::" by ":".
QString bindSqlParams(QStringView sql, const std::function<QString(const QString&)>& literalFor);

} // namespace orva::data
