#include "data/field.h"

#include "data/dataset.h"
#include "data/errors.h"

namespace orva::data {

const Dataset& Field::ds() const {
    if (!isValid())
        throw Exception(QStringLiteral("El campo no existe en el conjunto de datos."));
    return *ds_;
}

const FieldInfo& Field::info() const {
    return ds().fieldInfo(index_);
}

bool Field::isNull() const {
    return ds().cellIsNull(index_);
}

QVariant Field::value() const {
    return cellToVariant(type(), ds().cellBytes(index_), isNull());
}

QString Field::asString() const {
    const QByteArrayView b = ds().cellBytes(index_);
    return QString::fromUtf8(b.data(), b.size());
}

qlonglong Field::asInteger() const {
    if (isNull())
        return 0;
    bool ok = false;
    const QByteArrayView b = ds().cellBytes(index_).trimmed();
    qlonglong n = b.toLongLong(&ok);
    if (!ok) {
        const double d = b.toDouble(&ok);
        n = static_cast<qlonglong>(d);
        ok = ok && d == static_cast<double>(n);
    }
    if (!ok)
        throw Exception(QStringLiteral("'%1' no es un número entero válido (campo %2).")
                            .arg(asString(), name()));
    return n;
}

double Field::asFloat() const {
    if (isNull())
        return 0;
    bool ok = false;
    const double d = ds().cellBytes(index_).trimmed().toDouble(&ok);
    if (!ok)
        throw Exception(
            QStringLiteral("'%1' no es un número válido (campo %2).").arg(asString(), name()));
    return d;
}

QDate Field::asDate() const {
    const QVariant v = value();
    if (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime)
        return v.toDate();
    return parseDateText(asString());
}

QDateTime Field::asDateTime() const {
    const QVariant v = value();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    return asDate().startOfDay();
}

bool Field::asBoolean() const {
    const QString s = asString().trimmed();
    return s.compare(u"si", Qt::CaseInsensitive) == 0 ||
           s.compare(u"sí", Qt::CaseInsensitive) == 0 ||
           s.compare(u"s", Qt::CaseInsensitive) == 0 || s == u"1" ||
           s.compare(u"true", Qt::CaseInsensitive) == 0;
}

QByteArray Field::asBytes() const {
    return ds().cellBytes(index_).toByteArray();
}

QString Field::displayText() const {
    return cellToDisplayText(type(), ds().cellBytes(index_), isNull());
}

void Field::setValue(const QVariant& value) {
    ds();
    ds_->setCell(index_, variantToCell(info(), value));
}

} // namespace orva::data
