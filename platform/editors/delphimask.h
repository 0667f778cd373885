#pragma once
// Edit masks are written in Delphi's edit-mask notation ("!\(999\)000-0000;1;_") and
// translated to a Qt input mask here, once, so that every masked editor agrees.
#include <QChar>
#include <QString>

namespace orva::platform {

struct EditMask {
    QString qtMask;           ///< Qt input mask, including ";blank"
    bool keepLiterals = true; ///< the stored value includes the mask's literal characters
    QChar blank = QLatin1Char('_');
};

/// Translates a mask "<characters>;<keep literals 0|1>;<blank>" in that notation:
///
/// | Delphi   | meaning                         | Qt  |
/// |----------|---------------------------------|-----|
/// | 0        | digit, required                 | 9   |
/// | 9        | digit, optional                 | 0   |
/// | #        | digit or sign, optional         | #   |
/// | L / l    | letter, required / optional     | A/a |
/// | A / a    | letter or digit, req. / opt.    | N/n |
/// | C / c    | any character, req. / opt.      | X/x |
/// | > / <    | upper / lower case from here on | > / < |
/// | <>       | case conversion off             | !   |
/// | !        | optional blanks lead (no Qt equivalent; dropped) | |
/// | \x       | the literal x                   | x, escaped when Qt reads it as a mask character |
/// | : / _    | time separator / a blank        | ":" / " " |
/// | other    | literal                         | same, escaped when needed |
///
/// The second field defaults to 1 and the third to "_". An empty mask gives an empty
/// Qt mask (no masking).
EditMask translateDelphiMask(const QString& mask);

/// The value to store for a masked editor's text: with keepLiterals the text as shown
/// less trailing blanks; otherwise only the characters typed into the mask's positions.
QString maskedValue(const QString& shownText, const EditMask& mask);

} // namespace orva::platform
