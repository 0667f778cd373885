#include "platform/ini/inifile.h"

#include <QFile>
#include <QSaveFile>
#include <stdexcept>

namespace orva::platform {
namespace {

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile IniFile::load(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("No se pudo leer el archivo %1: %2")
                                     .arg(path, file.errorString())
                                     .toStdString());
    return parse(QString::fromUtf8(file.readAll()));
}

IniFile IniFile::parse(const QString& source) {
    IniFile ini;
    QString text = source;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (!text.contains(QStringLiteral("\r\n")) && text.contains(QLatin1Char('\n')))
        ini.lineEnd_ = QStringLiteral("\n");
    ini.sections_.push_back({});
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString raw : lines) {
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        const QString trimmed = raw.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            ini.sections_.push_back({trimmed.mid(1, trimmed.size() - 2).trimmed(), {}});
            continue;
        }
        Line line{raw, {}, {}};
        const qsizetype eq = raw.indexOf(QLatin1Char('='));
        if (eq > 0 && !trimmed.startsWith(QLatin1Char(';')) &&
            !trimmed.startsWith(QLatin1Char('#'))) {
            line.key = raw.left(eq).trimmed();
            line.value = raw.mid(eq + 1).trimmed();
        }
        ini.sections_.back().lines.push_back(line);
    }
    return ini;
}

QString IniFile::text() const {
    QString out;
    for (const Section& section : sections_) {
        if (section.name.isEmpty() && &section == &sections_.front()) {
            // lines before the first header
        } else {
            out += QLatin1Char('[') + section.name + QLatin1Char(']') + lineEnd_;
        }
        for (const Line& line : section.lines)
            out += (line.key.isEmpty() ? line.raw : line.key + QLatin1Char('=') + line.value) +
                   lineEnd_;
    }
    return out;
}

void IniFile::save(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(QStringLiteral("No se pudo escribir el archivo %1: %2")
                                     .arg(path, file.errorString())
                                     .toStdString());
    file.write(text().toUtf8());
    if (!file.commit())
        throw std::runtime_error(QStringLiteral("No se pudo escribir el archivo %1: %2")
                                     .arg(path, file.errorString())
                                     .toStdString());
}

IniFile::Section* IniFile::findSection(const QString& name) {
    for (std::size_t i = 1; i < sections_.size(); ++i)
        if (sameName(sections_[i].name, name))
            return &sections_[i];
    return nullptr;
}

const IniFile::Section* IniFile::findSection(const QString& name) const {
    return const_cast<IniFile*>(this)->findSection(name);
}

QStringList IniFile::sections() const {
    QStringList names;
    for (std::size_t i = 1; i < sections_.size(); ++i)
        names << sections_[i].name;
    return names;
}

QStringList IniFile::keys(const QString& section) const {
    QStringList names;
    if (const Section* s = findSection(section))
        for (const Line& line : s->lines)
            if (!line.key.isEmpty())
                names << line.key;
    return names;
}

bool IniFile::contains(const QString& section, const QString& key) const {
    if (const Section* s = findSection(section))
        for (const Line& line : s->lines)
            if (!line.key.isEmpty() && sameName(line.key, key))
                return true;
    return false;
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
    if (const Section* s = findSection(section))
        for (const Line& line : s->lines)
            if (!line.key.isEmpty() && sameName(line.key, key))
                return line.value;
    return fallback;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    if (sections_.empty())
        sections_.push_back({});
    Section* s = findSection(section);
    if (!s) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    for (Line& line : s->lines)
        if (!line.key.isEmpty() && sameName(line.key, key)) {
            line.value = value;
            return;
        }
    // New keys go after the section's last key, before trailing blank lines.
    auto at = s->lines.end();
    while (at != s->lines.begin() && std::prev(at)->key.isEmpty() &&
           std::prev(at)->raw.trimmed().isEmpty())
        --at;
    s->lines.insert(at, Line{{}, key, value});
}

void IniFile::removeKey(const QString& section, const QString& key) {
    if (Section* s = findSection(section))
        std::erase_if(s->lines, [&](const Line& line) {
            return !line.key.isEmpty() && sameName(line.key, key);
        });
}

void IniFile::removeSection(const QString& section) {
    for (std::size_t i = 1; i < sections_.size(); ++i)
        if (sameName(sections_[i].name, section)) {
            sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
}

} // namespace orva::platform
