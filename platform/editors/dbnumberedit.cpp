#include "platform/editors/dbnumberedit.h"

#include <QRegularExpressionValidator>

namespace orva::platform {

DbNumberEdit::DbNumberEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setKind(Kind::Integer);
}

DbNumberEdit::DbNumberEdit(const QString& field, Kind kind, QWidget* parent)
    : DbNumberEdit(parent) {
    setFieldName(field);
    setKind(kind);
}

void DbNumberEdit::setKind(Kind kind, int decimals) {
    kind_ = kind;
    decimals_ = decimals;
    const QString pattern = kind == Kind::Integer
                                ? QStringLiteral("-?[0-9,]*")
                                : QStringLiteral("-?[0-9,]*(\\.[0-9]{0,%1})?").arg(decimals);
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
}

QVariant DbNumberEdit::editorValue() const {
    QString t = text();
    t.remove(QLatin1Char(','));
    t = t.trimmed();
    bool ok = false;
    if (kind_ == Kind::Integer) {
        const qlonglong v = t.toLongLong(&ok);
        return ok ? QVariant(v) : QVariant(QMetaType(QMetaType::LongLong));
    }
    const double v = t.toDouble(&ok);
    return ok ? QVariant(v) : QVariant(QMetaType(QMetaType::Double));
}

void DbNumberEdit::setEditorValue(const QVariant& value) {
    if (value.isNull() || !value.isValid() || value.toString().trimmed().isEmpty()) {
        clear();
        return;
    }
    bool ok = false;
    if (kind_ == Kind::Integer) {
        const qlonglong v = value.toLongLong(&ok);
        setText(ok ? QString::number(v) : value.toString());
    } else {
        const double v = value.toDouble(&ok);
        setText(ok ? QString::number(v, 'f', decimals_) : value.toString());
    }
}

} // namespace orva::platform
