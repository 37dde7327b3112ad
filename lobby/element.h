#pragma once
// A small tree of one XML stanza as it arrived from the lobby's server:
// names, namespaces, attributes, text. Everything in it comes from
// strangers, so reading is bounded (size, depth, children) and a stanza that
// breaks a bound or is not well formed gives nothing at all.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

namespace lobby {

struct Element {
    QString name;
    QString ns;
    QList<QPair<QString, QString>> attributes; // in document order
    QString text;                              // the element's own text
    QList<Element> children;

    // The attribute's value; 'found' (when given) tells an empty one from none.
    QString attribute(const QString& key, bool* found = nullptr) const;
    // How often the attribute stands on the element (a reader that wants
    // exactly one refuses two).
    int attributeCount(const QString& key) const;
    const Element* child(const QString& name, const QString& ns = QString()) const;
    int childCount(const QString& name, const QString& ns) const;
    // Serialised again, escaped (for sending what was built here).
    QByteArray toXml() const;
};

inline constexpr int MaxStanzaBytes = 16 * 1024;
inline constexpr int MaxDepth = 8;
inline constexpr int MaxChildren = 64;

// Reads one element from 'xml'; nothing when it is larger than 'maxBytes',
// deeper or wider than the bounds above, or not well formed.
std::optional<Element> parseElement(const QByteArray& xml, int maxBytes = MaxStanzaBytes);

// Text as XML character data or attribute value.
QString escaped(const QString& text);

// What may be shown of a stranger's text: control characters gone (a line
// stays one line), cut at 'maxChars'.
QString plainText(const QString& text, int maxChars);

} // namespace lobby
