#pragma once
// The kinds of error the data layer raises. Each carries its Spanish text; the error
// catalogue tells them apart by kind name, so database failures can be recorded and
// plain program errors only shown.
#include <QString>
#include <exception>
#include <string>

namespace orva::data {

/// A plain program error with a text for the user ("Exception").
class Exception : public std::exception {
public:
    explicit Exception(QString message);
    const char* what() const noexcept override { return utf8_.c_str(); }
    const QString& message() const noexcept { return message_; }
    /// Kind name the error catalogue compares.
    virtual QString kind() const { return QStringLiteral("Exception"); }

private:
    QString message_;
    std::string utf8_;
};

/// An error reported by the connector or by the server ("EDatabaseError"); the text is
/// the server's own ("Duplicate entry …", "… a foreign key constraint fails …").
class DatabaseError : public Exception {
public:
    DatabaseError(QString message, unsigned code = 0, QString sqlState = {});
    QString kind() const override { return QStringLiteral("EDatabaseError"); }
    /// The connector's or the server's error number (2006, 1062, 1451…), 0 when unknown.
    unsigned code() const noexcept { return code_; }
    const QString& sqlState() const noexcept { return sqlState_; }
    /// Whether the link to the server was lost or never made.
    bool isConnectionFailure() const noexcept;

private:
    unsigned code_;
    QString sqlState_;
};

/// Text of any caught error: ours as written, others through what().
QString errorText(const std::exception& error);
/// Kind name of any caught error: "Exception", "EDatabaseError", or the C++ class for
/// errors that are not ours (which the error catalogue treats as "any other kind").
QString errorKind(const std::exception& error);

} // namespace orva::data
