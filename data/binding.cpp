#include "data/binding.h"

#include "data/dataset.h"
#include "data/errors.h"

#include <array>

namespace orva::data {
namespace {

const QString filterToken = QStringLiteral(":filter_by_code"); // 15 characters
const QString filterName = QStringLiteral("filter_by_code");

QString varToken(int n) {
    return QStringLiteral(":var_by_code%1").arg(n);
} // 13 characters

void refuseSelfReference(const QString& value, const QString& token) {
    if (value.contains(token))
        throw Exception(
            QStringLiteral("El valor para %1 no puede contener el propio %1.").arg(token));
}

/// T up to k (nothing when k <= 0), with k 1-based as the positions below.
QString upTo(const QString& t, qsizetype k) {
    return k <= 0 ? QString() : t.left(k);
}
/// T from k (nothing when k is past the end), 1-based.
QString from(const QString& t, qsizetype k) {
    return k > t.size() ? QString() : t.mid(k - 1);
}

} // namespace

QStringList separarNombres(const QString& lista) {
    // Commas separate; so does any blank or control character, and blanks next to a
    // comma are not names. A comma at the very end leaves an empty last name.
    QStringList names;
    const qsizetype n = lista.size();
    auto blank = [&](qsizetype i) { return i < n && lista[i].unicode() <= u' '; };
    qsizetype i = 0;
    while (blank(i))
        ++i;
    while (i < n) {
        QString name;
        if (lista[i] == u'"') {
            ++i;
            while (i < n) {
                if (lista[i] == u'"') {
                    if (i + 1 < n && lista[i + 1] == u'"') {
                        name += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                name += lista[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && lista[i].unicode() > u' ' && lista[i] != u',')
                ++i;
            name = lista.mid(start, i - start);
        }
        names << name;
        while (blank(i))
            ++i;
        if (i < n && lista[i] == u',') {
            if (i + 1 == n)
                names << QString();
            do
                ++i;
            while (blank(i));
        }
    }
    return names;
}

QString SustituirVariablesSQL(const QString& sql, const QString& filtro, const QString& v1,
                              const QString& v2, const QString& v3, const QString& v4,
                              const QString& v5, const QString& v6) {
    QString t = sql;
    refuseSelfReference(filtro, filterToken);
    for (qsizetype p; (p = t.indexOf(filterToken) + 1) > 0;) {
        if (!filtro.isEmpty())
            t = upTo(t, p - 1) + u' ' + filtro + u' ' + from(t, p + 16);
        else
            t = upTo(t, p - 5) + u' ' + from(t, p + 16);
    }
    const std::array<const QString*, 6> values{&v1, &v2, &v3, &v4, &v5, &v6};
    for (int n = 1; n <= 6; ++n) {
        const QString token = varToken(n);
        const QString& v = *values[static_cast<std::size_t>(n - 1)];
        refuseSelfReference(v, token);
        for (qsizetype p; (p = t.indexOf(token) + 1) > 0;) {
            if (!v.isEmpty())
                t = upTo(t, p - 1) + v + from(t, p + 13);
            else
                t = upTo(t, p - 1) + u' ' + from(t, p + 14);
        }
    }
    return t;
}

bool FiltrarConsulta(Dataset& dataset, const QString& lista, const QVariantList& valores) {
    dataset.close();
    const QStringList names = separarNombres(lista);
    QString filtro;
    std::array<QString, 6> vars;
    if (!dataset.sql().trimmed().isEmpty() && !dataset.paramNames().isEmpty()) {
        if (valores.size() < names.size())
            throw Exception(QStringLiteral("Se dieron %1 valores para %2 parámetros (%3).")
                                .arg(valores.size())
                                .arg(names.size())
                                .arg(lista));
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString& name = names[i];
            if (!dataset.hasParam(name))
                throw Exception(QStringLiteral("Parámetro de Consulta SQL [") + name +
                                QStringLiteral("] no encontrado, verifica tu sentencia"));
            const QVariant& value = valores[i];
            // Every value as text; an empty or null value is empty text.
            const QString text = value.isNull() ? QString() : value.toString();
            if (name == filterName) {
                filtro = text;
                continue;
            }
            bool special = false;
            for (int n = 1; n <= 6; ++n) {
                if (name == QStringLiteral("var_by_code%1").arg(n)) {
                    vars[static_cast<std::size_t>(n - 1)] = text;
                    special = true;
                }
            }
            if (!special)
                dataset.setParam(name, text);
        }
    }
    dataset.setSql(SustituirVariablesSQL(dataset.sql(), filtro, vars[0], vars[1], vars[2], vars[3],
                                         vars[4], vars[5]));
    return true;
}

} // namespace orva::data
