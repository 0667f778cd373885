#pragma once
// INI files (image.ini, aws.ini, the connection file) read and written by us rather than
// QSettings, which rewrites non-ASCII section and key names such as "Configuración".
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace orva::platform {

/// An INI document: sections and keys keep their spelling and their order, comments and
/// blank lines survive a round trip, text is UTF-8 (a leading byte-order mark is
/// skipped). Names are looked up without regard to case, as the program's INI files
/// have always been read. Around "=", blanks are trimmed from the key and the value.
class IniFile {
public:
    IniFile() = default;

    /// Reads `path`; a missing file gives an empty document. Raises std::runtime_error
    /// with a Spanish text when the file exists and cannot be read.
    static IniFile load(const QString& path);
    static IniFile parse(const QString& text);

    /// Writes the document to `path` (UTF-8, "\r\n" or "\n" line ends as read, "\r\n" for
    /// a new document). Raises std::runtime_error with a Spanish text on failure.
    void save(const QString& path) const;
    QString text() const;

    QStringList sections() const;
    QStringList keys(const QString& section) const;
    bool contains(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& fallback = {}) const;
    /// Adds the section and the key at their ends when missing; otherwise replaces the
    /// value in place.
    void setValue(const QString& section, const QString& key, const QString& value);
    void removeKey(const QString& section, const QString& key);
    void removeSection(const QString& section);

    void setLineEnd(const QString& lineEnd) { lineEnd_ = lineEnd; }

private:
    struct Line {
        QString raw; ///< kept as read for comments and blank lines
        QString key; ///< empty for comments and blank lines
        QString value;
    };
    struct Section {
        QString name; ///< empty for lines before the first section header
        std::vector<Line> lines;
    };

    Section* findSection(const QString& name);
    const Section* findSection(const QString& name) const;

    std::vector<Section> sections_;
    QString lineEnd_ = QStringLiteral("\r\n");
};

} // namespace orva::platform
