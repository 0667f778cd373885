#pragma once
// A field of a dataset's current row, reached by name: typed reading and writing.
#include "data/fieldinfo.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace orva::data {

class Dataset;

class Field {
public:
    Field() = default;
    Field(Dataset* dataset, int index) : ds_(dataset), index_(index) {}

    bool isValid() const { return ds_ && index_ >= 0; }
    int index() const { return index_; }
    const FieldInfo& info() const;
    const QString& name() const { return info().name; }
    FieldType type() const { return info().type; }

    bool isNull() const;
    /// Typed value (see cellToVariant); invalid QVariant for NULL.
    QVariant value() const;
    /// The text as stored; empty for NULL.
    QString asString() const;
    /// 0 for NULL; throws Exception when the text is not a whole number.
    qlonglong asInteger() const;
    /// 0 for NULL; throws Exception when the text is not a number.
    double asFloat() const;
    QDate asDate() const;
    QDateTime asDateTime() const;
    /// "Si", "S", "1", "true" (any case) read as true.
    bool asBoolean() const;
    QByteArray asBytes() const;
    /// As a grid shows it (dates dd/MM/yyyy).
    QString displayText() const;

    /// Writing needs the dataset in edit or insert state.
    void setValue(const QVariant& value);
    void setAsString(const QString& value) { setValue(value); }
    void setAsInteger(qlonglong value) { setValue(value); }
    void setAsFloat(double value) { setValue(value); }
    void setAsDate(const QDate& value) { setValue(value); }
    void setAsDateTime(const QDateTime& value) { setValue(value); }
    void clear() { setValue(QVariant()); }

private:
    const Dataset& ds() const;
    Dataset* ds_ = nullptr;
    int index_ = -1;
};

} // namespace orva::data
