#include "platform/grid/searchtext.h"

namespace orva::platform {
namespace {

/// Latin-1 letters U+00C0..U+00FF without accent, lower case; '\0' where the letter has
/// no plain base letter (Æ, Ð, ×, Ø, Þ, ß, ÷…), which take the general path.
constexpr char kLatin1[] = "aaaaaa\0ceeeeiiii"     // C0..CF
                           "\0nooooo\0\0uuuuy\0\0" // D0..DF
                           "aaaaaa\0ceeeeiiii"     // E0..EF
                           "\0nooooo\0\0uuuuy\0y"; // F0..FF
static_assert(sizeof(kLatin1) == 65);

void foldSlow(QChar c, QString& out) {
    const QString decomposed = QString(c).normalized(QString::NormalizationForm_D);
    for (QChar d : decomposed)
        if (d.category() != QChar::Mark_NonSpacing)
            out += QString(d).toCaseFolded();
}

} // namespace

QString foldForSearch(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (u < 0x80) {
            out += QChar(u >= 'A' && u <= 'Z' ? u + 32 : u);
        } else if (u >= 0xC0 && u <= 0xFF && kLatin1[u - 0xC0] != '\0') {
            out += QLatin1Char(kLatin1[u - 0xC0]);
        } else if (c.isSurrogate()) {
            out += c; // kept as they are: never typed in the find panel
        } else {
            foldSlow(c, out);
        }
    }
    return out;
}

QStringList searchWords(const QString& findText) {
    return foldForSearch(findText).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace orva::platform
