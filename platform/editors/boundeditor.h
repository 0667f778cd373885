#pragma once
// Editors bound to a record's fields by name, and the record they read and write.
#include <QString>
#include <QVariant>
#include <QVariantMap>

class QWidget;
class QAbstractItemModel;

namespace orva::platform {

/// A row whose fields are read and written by name (a dataset's current row, or a map
/// in tests). A missing field reads as an invalid QVariant.
class Record {
public:
    virtual ~Record() = default;
    virtual QVariant value(const QString& field) const = 0;
    virtual void setValue(const QString& field, const QVariant& value) = 0;
    /// Characters the field takes, 0 when unknown or unlimited.
    virtual int maxLength(const QString& field) const {
        Q_UNUSED(field);
        return 0;
    }
};

/// A Record held in a map, for windows' own memory rows and for tests.
class MapRecord : public Record {
public:
    MapRecord() = default;
    explicit MapRecord(QVariantMap values) : values_(std::move(values)) {}
    QVariant value(const QString& field) const override { return values_.value(field); }
    void setValue(const QString& field, const QVariant& value) override { values_[field] = value; }
    const QVariantMap& values() const { return values_; }

private:
    QVariantMap values_;
};

/// What every data-bound editor offers the binder.
class BoundEditor {
public:
    virtual ~BoundEditor() = default;
    QString fieldName() const { return field_; }
    void setFieldName(const QString& field) { field_ = field; }
    /// The value to write to the field (null QVariant for an empty date or number).
    virtual QVariant editorValue() const = 0;
    virtual void setEditorValue(const QVariant& value) = 0;
    virtual QWidget* widget() = 0;
    /// Read-only editors show a value and never write it back.
    virtual bool isReadOnlyEditor() const { return false; }
    /// The field takes at most `characters`: text editors stop typing there (a window's
    /// own smaller limit stays). Other editors ignore it.
    virtual void limitLength(int characters) { Q_UNUSED(characters); }

private:
    QString field_;
};

/// Fields of a model's columns: header data of CursorModel::FieldNameRole, else
/// Qt::DisplayRole. -1 when no column has that name (case-insensitive).

int columnOfField(const QAbstractItemModel* model, const QString& field);

} // namespace orva::platform
