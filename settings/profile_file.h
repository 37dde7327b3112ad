#pragma once
// A profile (INI) file with the semantics the shared settings file has always
// had: "[Section]" lines open sections, "key=value" lines hold values, section
// and key names compare without regard to case, and whatever is missing reads
// as the caller's default. The file is shared with the separate lobby program,
// so a write changes only the lines of the keys written (or appends what is
// missing) and keeps every other byte of the file as it was.
//
// Usage is batched so that one save writes the file once:
//     ProfileFile ini(path);
//     ini.load();
//     ini.setValue("Kelvoa", "Top", "3");
//     ini.setValue("Kelvoa", "Left", "3");
//     ini.commit();
//
// The file holds 8-bit Windows-1252 text, like the wire.
#include <QByteArray>
#include <QList>
#include <QString>

class ProfileFile {
public:
    explicit ProfileFile(QString path);

    const QString& path() const { return path_; }

    // Reads the file at path(). A missing file reads as empty; returns false
    // only when an existing file cannot be read (the content is then empty).
    bool load();
    // Reads another file as the starting content; commit() still writes to
    // path(). Lets a first write elsewhere start from an existing file.
    bool loadFrom(const QString& sourcePath);
    // Takes these bytes as the content, as if read from a file.
    void setContents(const QByteArray& bytes);

    bool contains(const QString& section, const QString& key) const;
    // The value with surrounding blanks (and one pair of matching quotes)
    // removed, or defaultValue when the section or key is missing.
    QString value(const QString& section, const QString& key,
                  const QString& defaultValue = QString()) const;

    // Replaces the existing key's line in place, else appends the key at the
    // end of its section, else appends the section at the end of the file.
    // Line breaks in the value would split the line, so they become blanks.
    void setValue(const QString& section, const QString& key, const QString& value);

    bool isModified() const { return modified_; }
    // Writes the content beside the file and renames it over the old one, so
    // a crash or a full disk never leaves a damaged file. Does nothing when
    // nothing changed. Returns false (see errorString()) when the write failed;
    // the old file is then untouched.
    bool commit();
    QString errorString() const { return error_; }

    // The bytes commit() writes.
    QByteArray contents() const;

private:
    struct Located {
        qsizetype sectionLine = -1; // index of the "[Section]" line, -1 if absent
        qsizetype keyLine = -1;     // index of the key's line, -1 if absent
        qsizetype lastKeyLine = -1; // last key line of the section (or its header)
    };
    Located locate(const QString& section, const QString& key) const;
    QByteArray lineBreak() const;
    void terminateLastLine();

    QString path_;
    QList<QByteArray> lines_; // each with its own line break, the last maybe without
    bool modified_ = false;
    QString error_;
};
