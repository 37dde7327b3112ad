#include "profile_file.h"

#include "codepage.h"

#include <QFile>
#include <QSaveFile>

namespace {

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QString name;  // section or key name
    QString value; // key lines only, untrimmed quotes removed later
};

QByteArray withoutBreak(const QByteArray& line) {
    qsizetype n = line.size();
    if (n > 0 && line[n - 1] == '\n') --n;
    if (n > 0 && line[n - 1] == '\r') --n;
    return line.left(n);
}

ParsedLine parse(QByteArray bytes, bool first) {
    bytes = withoutBreak(bytes);
    // A byte-order mark left by some editor must not hide the first section.
    if (first && bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    const QString text = wire::decode(bytes).trimmed();
    ParsedLine p;
    if (text.startsWith(u'[')) {
        const auto close = text.indexOf(u']');
        p.kind = LineKind::Section;
        p.name = (close < 0 ? text.mid(1) : text.mid(1, close - 1)).trimmed();
        return p;
    }
    const auto eq = text.indexOf(u'=');
    if (eq <= 0 || text.startsWith(u';') || text.startsWith(u'#')) return p;
    p.kind = LineKind::Key;
    p.name = text.left(eq).trimmed();
    p.value = text.mid(eq + 1).trimmed();
    return p;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString unquoted(const QString& v) {
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        return v.mid(1, v.size() - 2);
    return v;
}

QList<QByteArray> splitLines(const QByteArray& data) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        const auto nl = data.indexOf('\n', start);
        const auto end = nl < 0 ? data.size() : nl + 1;
        lines.append(data.mid(start, end - start));
        start = end;
    }
    return lines;
}

} // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {}

bool ProfileFile::load() {
    return loadFrom(path_);
}

bool ProfileFile::loadFrom(const QString& sourcePath) {
    lines_.clear();
    modified_ = sourcePath != path_;
    error_.clear();
    QFile file(sourcePath);
    if (!file.exists()) return true;
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = file.errorString();
        return false;
    }
    lines_ = splitLines(file.readAll());
    return true;
}

void ProfileFile::setContents(const QByteArray& bytes) {
    lines_ = splitLines(bytes);
    modified_ = true;
    error_.clear();
}

ProfileFile::Located ProfileFile::locate(const QString& section, const QString& key) const {
    Located at;
    bool inSection = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const ParsedLine p = parse(lines_[i], i == 0);
        if (p.kind == LineKind::Section) {
            // Only the first section of a name counts, as with the platform's
            // own profile functions.
            if (inSection) break;
            if (sameName(p.name, section)) {
                inSection = true;
                at.sectionLine = at.lastKeyLine = i;
            }
        } else if (inSection && p.kind == LineKind::Key) {
            at.lastKeyLine = i;
            if (at.keyLine < 0 && sameName(p.name, key)) at.keyLine = i;
        }
    }
    return at;
}

bool ProfileFile::contains(const QString& section, const QString& key) const {
    return locate(section, key).keyLine >= 0;
}

QString ProfileFile::value(const QString& section, const QString& key,
                           const QString& defaultValue) const {
    const auto at = locate(section, key);
    if (at.keyLine < 0) return defaultValue;
    return unquoted(parse(lines_[at.keyLine], false).value);
}

QByteArray ProfileFile::lineBreak() const {
    for (const auto& line : lines_) {
        if (line.endsWith("\r\n")) return "\r\n";
        if (line.endsWith('\n')) return "\n";
    }
#ifdef Q_OS_WIN
    return "\r\n";
#else
    return "\n";
#endif
}

void ProfileFile::terminateLastLine() {
    if (!lines_.isEmpty() && !lines_.last().endsWith('\n')) lines_.last() += lineBreak();
}

void ProfileFile::setValue(const QString& section, const QString& key, const QString& value) {
    QString flat = value;
    flat.replace(u'\r', u' ').replace(u'\n', u' ');
    const QByteArray br = lineBreak();
    const auto at = locate(section, key);
    if (at.keyLine >= 0) {
        // Keep the key spelt as the file spells it; only the value changes.
        const QByteArray old = lines_[at.keyLine];
        const QByteArray oldBreak = old.mid(withoutBreak(old).size());
        const QByteArray line = wire::encode(parse(old, false).name + u'=' + flat) + oldBreak;
        if (line != old) {
            lines_[at.keyLine] = line;
            modified_ = true;
        }
        return;
    }
    const QByteArray line = wire::encode(key + u'=' + flat) + br;
    if (at.sectionLine >= 0) {
        if (at.lastKeyLine == lines_.size() - 1) terminateLastLine();
        lines_.insert(at.lastKeyLine + 1, line);
    } else {
        terminateLastLine();
        lines_.append(wire::encode(u'[' + section + u']') + br);
        lines_.append(line);
    }
    modified_ = true;
}

QByteArray ProfileFile::contents() const {
    QByteArray all;
    for (const auto& line : lines_)
        all += line;
    return all;
}

bool ProfileFile::commit() {
    error_.clear();
    if (!modified_) return true;
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        error_ = file.errorString();
        return false;
    }
    file.write(contents());
    if (!file.commit()) {
        error_ = file.errorString();
        return false;
    }
    modified_ = false;
    return true;
}
