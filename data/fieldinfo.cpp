#include "data/fieldinfo.h"

#include "data/errors.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <mysql.h>

namespace orva::data {
namespace {

constexpr unsigned binaryCharset = 63;

QString fromField(const char* text, unsigned length) {
    return text ? QString::fromUtf8(text, length) : QString();
}

FieldType typeOf(const MYSQL_FIELD& f) {
    switch (f.type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_YEAR:
        return FieldType::Integer;
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
        return FieldType::Float;
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
        return FieldType::Decimal;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
        return FieldType::Date;
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
        return FieldType::DateTime;
    case MYSQL_TYPE_TIME:
        return FieldType::Time;
    case MYSQL_TYPE_TINY_BLOB:
    case MYSQL_TYPE_MEDIUM_BLOB:
    case MYSQL_TYPE_LONG_BLOB:
    case MYSQL_TYPE_BLOB:
        return f.charsetnr == binaryCharset ? FieldType::Blob : FieldType::Memo;
    case MYSQL_TYPE_GEOMETRY:
    case MYSQL_TYPE_BIT:
        return FieldType::Blob;
    default:
        return FieldType::String;
    }
}

bool isZeroDate(QByteArrayView text) {
    return text.startsWith("0000-00-00");
}

QDateTime parseDateTime(QByteArrayView text) {
    const QString s = QString::fromLatin1(text.data(), text.size());
    QDateTime dt = QDateTime::fromString(s, Qt::ISODateWithMs);
    if (!dt.isValid())
        dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    if (!dt.isValid())
        dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return dt;
}

[[noreturn]] void badValue(const FieldInfo& field, const QString& shown) {
    throw Exception(
        QStringLiteral("'%1' no es un valor válido para el campo %2.").arg(shown, field.name));
}

} // namespace

FieldInfo FieldInfo::fromMysql(const MYSQL_FIELD& f) {
    FieldInfo info;
    info.name = fromField(f.name, f.name_length);
    info.orgName = fromField(f.org_name, f.org_name_length);
    info.orgTable = fromField(f.org_table, f.org_table_length);
    info.database = fromField(f.db, f.db_length);
    info.type = typeOf(f);
    info.flags = f.flags;
    info.length = static_cast<unsigned>(f.length);
    info.decimals = f.decimals;
    constexpr unsigned binaryCharset = 63;
    if (info.type == FieldType::String && f.charsetnr != binaryCharset)
        info.maxChars = info.length / 4;
    return info;
}

FieldInfo FieldInfo::declared(const QString& name, FieldType type, unsigned length, bool required) {
    FieldInfo info;
    info.name = name;
    info.type = type;
    info.length = length;
    if (type == FieldType::String)
        info.maxChars = length;
    info.required = required;
    return info;
}

bool FieldInfo::isPrimaryKey() const {
    return flags & PRI_KEY_FLAG;
}
bool FieldInfo::isAutoIncrement() const {
    return flags & AUTO_INCREMENT_FLAG;
}
bool FieldInfo::isNumeric() const {
    return type == FieldType::Integer || type == FieldType::Float || type == FieldType::Decimal;
}

QDate parseDateText(QStringView text) {
    const QStringView t = text.trimmed();
    const QChar sep = t.contains(u'-') ? u'-' : u'/';
    const auto parts = t.split(sep);
    if (parts.size() != 3)
        return {};
    bool ok[3];
    const int a = parts[0].toInt(&ok[0]);
    const int b = parts[1].toInt(&ok[1]);
    const int c = parts[2].left(4).toInt(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2])
        return {};
    return sep == u'-' ? QDate(a, b, c) : QDate(c, b, a);
}

QVariant cellToVariant(FieldType type, QByteArrayView text, bool isNull) {
    if (isNull)
        return {};
    switch (type) {
    case FieldType::Integer:
        return text.toLongLong();
    case FieldType::Float:
    case FieldType::Decimal:
        return text.toDouble();
    case FieldType::Date:
        if (isZeroDate(text))
            return {};
        return QDate::fromString(QString::fromLatin1(text.data(), text.size()), Qt::ISODate);
    case FieldType::DateTime:
        if (isZeroDate(text))
            return {};
        return parseDateTime(text);
    case FieldType::Time:
        return QTime::fromString(QString::fromLatin1(text.data(), text.size()).left(12),
                                 Qt::ISODateWithMs);
    case FieldType::Blob:
        return text.toByteArray();
    case FieldType::String:
    case FieldType::Memo:
        break;
    }
    return QString::fromUtf8(text.data(), text.size());
}

QString cellToDisplayText(FieldType type, QByteArrayView text, bool isNull) {
    if (isNull)
        return {};
    switch (type) {
    case FieldType::Date: {
        const QDate d = cellToVariant(type, text, false).toDate();
        return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
    }
    case FieldType::DateTime: {
        const QDateTime dt = cellToVariant(type, text, false).toDateTime();
        return dt.isValid() ? dt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) : QString();
    }
    default:
        return QString::fromUtf8(text.data(), text.size());
    }
}

CellText variantToCell(const FieldInfo& field, const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    const QLocale c = QLocale::c();
    const int id = value.typeId();
    switch (field.type) {
    case FieldType::Integer: {
        if (id == QMetaType::Bool)
            return QByteArray(value.toBool() ? "1" : "0");
        if (id == QMetaType::Double || id == QMetaType::Float) {
            const double d = value.toDouble();
            if (d != static_cast<double>(static_cast<qlonglong>(d)))
                badValue(field, c.toString(d));
            return QByteArray::number(static_cast<qlonglong>(d));
        }
        const QString s = value.toString().trimmed();
        if (s.isEmpty())
            return std::nullopt;
        bool ok = false;
        const qlonglong n = s.toLongLong(&ok);
        if (!ok)
            badValue(field, s);
        return QByteArray::number(n);
    }
    case FieldType::Float:
    case FieldType::Decimal: {
        if (id == QMetaType::Double || id == QMetaType::Float)
            return QByteArray::number(value.toDouble(), 'g', 17);
        const QString s = value.toString().trimmed();
        if (s.isEmpty())
            return std::nullopt;
        bool ok = false;
        const double d = c.toDouble(s, &ok);
        if (!ok)
            badValue(field, s);
        return field.type == FieldType::Decimal ? s.toLatin1() : QByteArray::number(d, 'g', 17);
    }
    case FieldType::Date: {
        QDate d;
        if (id == QMetaType::QDate || id == QMetaType::QDateTime) {
            d = value.toDate();
        } else {
            const QString s = value.toString().trimmed();
            if (s.isEmpty())
                return std::nullopt;
            d = parseDateText(s);
            if (!d.isValid())
                badValue(field, s);
        }
        return d.toString(Qt::ISODate).toLatin1();
    }
    case FieldType::DateTime: {
        QDateTime dt;
        if (id == QMetaType::QDateTime) {
            dt = value.toDateTime();
        } else if (id == QMetaType::QDate) {
            dt = value.toDate().startOfDay();
        } else {
            const QString s = value.toString().trimmed();
            if (s.isEmpty())
                return std::nullopt;
            const QByteArray latin = s.toLatin1();
            dt = parseDateTime(latin);
            if (!dt.isValid()) {
                const QDate d = parseDateText(s);
                if (!d.isValid())
                    badValue(field, s);
                dt = d.startOfDay();
            }
        }
        return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1();
    }
    case FieldType::Time: {
        if (id == QMetaType::QTime)
            return value.toTime().toString(QStringLiteral("HH:mm:ss")).toLatin1();
        const QString s = value.toString().trimmed();
        if (s.isEmpty())
            return std::nullopt;
        return s.toLatin1();
    }
    case FieldType::Blob:
        if (id == QMetaType::QByteArray)
            return value.toByteArray();
        return value.toString().toUtf8();
    case FieldType::String:
    case FieldType::Memo:
        break;
    }
    if (id == QMetaType::QDate)
        return value.toDate().toString(Qt::ISODate).toUtf8();
    if (id == QMetaType::QByteArray)
        return value.toByteArray();
    return value.toString().toUtf8();
}

} // namespace orva::data
