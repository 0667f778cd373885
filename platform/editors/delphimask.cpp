#include "platform/editors/delphimask.h"

#include <QStringList>

namespace orva::platform {
namespace {

bool isQtMaskCharacter(QChar c) {
    static const QString special = QStringLiteral("AaNnXx90Dd#HhBb><!\\[]{};");
    return special.contains(c);
}

QString literal(QChar c) {
    return isQtMaskCharacter(c) ? QString(QLatin1Char('\\')) + c : QString(c);
}

/// Splits a Delphi mask at the field separators ";" that are not escaped.
QStringList splitFields(const QString& mask) {
    QStringList fields{QString()};
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar c = mask.at(i);
        if (c == QLatin1Char('\\') && i + 1 < mask.size()) {
            fields.last() += c;
            fields.last() += mask.at(++i);
        } else if (c == QLatin1Char(';') && fields.size() < 3) {
            fields << QString();
        } else {
            fields.last() += c;
        }
    }
    return fields;
}

} // namespace

EditMask translateDelphiMask(const QString& mask) {
    EditMask result;
    if (mask.isEmpty())
        return result;
    const QStringList fields = splitFields(mask);
    if (fields.size() > 1 && !fields.at(1).isEmpty())
        result.keepLiterals = fields.at(1).trimmed() != QLatin1String("0");
    if (fields.size() > 2 && !fields.at(2).isEmpty())
        result.blank = fields.at(2).at(0);

    const QString& body = fields.at(0);
    QString qt;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        switch (c.unicode()) {
        case '\\':
            if (i + 1 < body.size())
                qt += literal(body.at(++i));
            break;
        case '0':
            qt += QLatin1Char('9');
            break;
        case '9':
            qt += QLatin1Char('0');
            break;
        case '#':
            qt += QLatin1Char('#');
            break;
        case 'L':
            qt += QLatin1Char('A');
            break;
        case 'l':
            qt += QLatin1Char('a');
            break;
        case 'A':
            qt += QLatin1Char('N');
            break;
        case 'a':
            qt += QLatin1Char('n');
            break;
        case 'C':
            qt += QLatin1Char('X');
            break;
        case 'c':
            qt += QLatin1Char('x');
            break;
        case '>':
            qt += QLatin1Char('>');
            break;
        case '<':
            if (i + 1 < body.size() && body.at(i + 1) == QLatin1Char('>')) {
                qt += QLatin1Char('!');
                ++i;
            } else {
                qt += QLatin1Char('<');
            }
            break;
        case '!':
            break;
        case '_':
            qt += QLatin1Char(' ');
            break;
        default:
            qt += literal(c);
            break;
        }
    }
    result.qtMask = qt + QLatin1Char(';') + result.blank;
    return result;
}

QString maskedValue(const QString& shownText, const EditMask& mask) {
    if (mask.qtMask.isEmpty())
        return shownText;
    // Walk the Qt mask beside the text. Input positions still holding the blank
    // character are empty: a blank when literals are kept, nothing otherwise.
    static const QString inputChars = QStringLiteral("AaNnXx90Dd#HhBb");
    QString value;
    qsizetype pos = 0;
    const QString body = mask.qtMask.left(mask.qtMask.lastIndexOf(QLatin1Char(';')));
    for (qsizetype i = 0; i < body.size() && pos < shownText.size(); ++i) {
        QChar m = body.at(i);
        if (m == QLatin1Char('>') || m == QLatin1Char('<') || m == QLatin1Char('!'))
            continue;
        bool isLiteral = !inputChars.contains(m);
        if (m == QLatin1Char('\\') && i + 1 < body.size()) {
            m = body.at(++i);
            isLiteral = true;
        }
        const QChar c = shownText.at(pos++);
        if (isLiteral) {
            if (mask.keepLiterals)
                value += c;
        } else if (c == mask.blank || c == QLatin1Char(' ')) {
            if (mask.keepLiterals)
                value += QLatin1Char(' ');
        } else {
            value += c;
        }
    }
    while (value.endsWith(QLatin1Char(' ')))
        value.chop(1);
    return value;
}

} // namespace orva::platform
