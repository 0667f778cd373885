#include "data/errors.h"

#include <typeinfo>

namespace orva::data {

Exception::Exception(QString message)
    : message_(std::move(message)), utf8_(message_.toStdString()) {}

DatabaseError::DatabaseError(QString message, unsigned code, QString sqlState)
    : Exception(std::move(message)), code_(code), sqlState_(std::move(sqlState)) {}

bool DatabaseError::isConnectionFailure() const noexcept {
    // Connector codes: 2002/2003 cannot connect, 2006 gone away, 2013 lost during query.
    return code_ == 2002 || code_ == 2003 || code_ == 2006 || code_ == 2013;
}

QString errorText(const std::exception& error) {
    if (auto* own = dynamic_cast<const Exception*>(&error))
        return own->message();
    return QString::fromUtf8(error.what());
}

QString errorKind(const std::exception& error) {
    if (auto* own = dynamic_cast<const Exception*>(&error))
        return own->kind();
    return QString::fromLatin1(typeid(error).name());
}

} // namespace orva::data
