#pragma once
// What the dataset knows of a result column, and the conversions between the server's
// text form of a cell and the values the windows read and write.
#include "data/packedrow.h"

#include <QString>
#include <QVariant>

struct st_mysql_field;

namespace orva::data {

enum class FieldType {
    String,   ///< CHAR, VARCHAR, ENUM, SET
    Memo,     ///< TEXT columns
    Integer,  ///< TINYINT … BIGINT, YEAR
    Float,    ///< FLOAT, DOUBLE
    Decimal,  ///< DECIMAL (kept as written, read as a number)
    Date,     ///< DATE
    DateTime, ///< DATETIME, TIMESTAMP
    Time,     ///< TIME
    Blob,     ///< binary data (pictures, templates)
};

struct FieldInfo {
    QString name;     ///< the column's name in the result (its alias)
    QString orgName;  ///< the table column it comes from
    QString orgTable; ///< the table it comes from (empty for computed columns)
    QString database; ///< the schema of that table
    FieldType type = FieldType::String;
    unsigned flags = 0;  ///< the connector's column flags
    unsigned length = 0; ///< display width the server gives
    /// Characters a text field takes (0: no known limit). The server gives text widths
    /// in bytes of the connection's character set, utf8mb4: four bytes a character.
    unsigned maxChars = 0;
    unsigned decimals = 0; ///< digits after the point
    bool required = false; ///< a value must be given before posting (declared fields)

    static FieldInfo fromMysql(const st_mysql_field& field);
    /// A field an owner declares before opening (see Dataset::setFieldDefs).
    static FieldInfo declared(const QString& name, FieldType type, unsigned length = 0,
                              bool required = false);
    bool isPrimaryKey() const;
    bool isAutoIncrement() const;
    bool isNumeric() const;
};

/// A cell as a typed value: qlonglong, double, QDate, QDateTime, QTime, QString or
/// QByteArray; an invalid QVariant for NULL and for zero dates.
QVariant cellToVariant(FieldType type, QByteArrayView text, bool isNull);
/// A cell as the windows show it (dates dd/MM/yyyy); empty for NULL.
QString cellToDisplayText(FieldType type, QByteArrayView text, bool isNull);
/// The server's text form of a value written into a field; nothing for NULL, for an
/// invalid QVariant and for empty text in a number or date field. Throws Exception with
/// a Spanish text when the value does not fit the field's type.
CellText variantToCell(const FieldInfo& field, const QVariant& value);

/// A date typed in the forms users and statements write: yyyy-MM-dd (also without
/// leading zeros) or dd/MM/yyyy. Invalid QDate when it is neither.
QDate parseDateText(QStringView text);

} // namespace orva::data
