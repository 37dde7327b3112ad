#include "element.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace lobby {

QString Element::attribute(const QString& key, bool* found) const {
    for (const auto& a : attributes) {
        if (a.first == key) {
            if (found) *found = true;
            return a.second;
        }
    }
    if (found) *found = false;
    return {};
}

int Element::attributeCount(const QString& key) const {
    int n = 0;
    for (const auto& a : attributes)
        if (a.first == key) ++n;
    return n;
}

const Element* Element::child(const QString& childName, const QString& childNs) const {
    for (const Element& c : children)
        if (c.name == childName && (childNs.isNull() || c.ns == childNs)) return &c;
    return nullptr;
}

int Element::childCount(const QString& childName, const QString& childNs) const {
    int n = 0;
    for (const Element& c : children)
        if (c.name == childName && c.ns == childNs) ++n;
    return n;
}

namespace {
void write(QXmlStreamWriter& w, const Element& e, const QString& parentNs) {
    w.writeStartElement(e.name);
    if (e.ns != parentNs) w.writeDefaultNamespace(e.ns);
    for (const auto& a : e.attributes)
        w.writeAttribute(a.first, a.second);
    if (!e.text.isEmpty()) w.writeCharacters(e.text);
    for (const Element& c : e.children)
        write(w, c, e.ns);
    w.writeEndElement();
}
} // namespace

QByteArray Element::toXml() const {
    QByteArray out;
    QXmlStreamWriter w(&out);
    write(w, *this, QStringLiteral("jabber:client"));
    return out;
}

std::optional<Element> parseElement(const QByteArray& xml, int maxBytes) {
    if (xml.size() > maxBytes) return std::nullopt;
    QXmlStreamReader r(xml);
    // Entities are not expanded beyond the five predefined ones; a DTD is refused.
    std::optional<Element> root;
    QList<Element*> open;
    while (!r.atEnd()) {
        switch (r.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            return std::nullopt;
        case QXmlStreamReader::StartElement: {
            if (open.size() >= MaxDepth) return std::nullopt;
            Element e;
            e.name = r.name().toString();
            e.ns = r.namespaceUri().toString();
            for (const QXmlStreamAttribute& a : r.attributes()) {
                // Namespace declarations are not attributes of the element.
                if (a.qualifiedName().startsWith(QLatin1String("xmlns"))) continue;
                e.attributes.append({a.qualifiedName().toString(), a.value().toString()});
            }
            if (open.isEmpty()) {
                if (root) return std::nullopt; // a second top-level element
                root = std::move(e);
                open.append(&*root);
            } else {
                Element* parent = open.last();
                if (parent->children.size() >= MaxChildren) return std::nullopt;
                parent->children.append(std::move(e));
                open.append(&parent->children.last());
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            if (!open.isEmpty()) open.removeLast();
            break;
        case QXmlStreamReader::Characters:
            if (!open.isEmpty()) open.last()->text += r.text();
            break;
        default:
            break;
        }
    }
    if (r.hasError() || !root || !open.isEmpty()) return std::nullopt;
    return root;
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString plainText(const QString& text, int maxChars) {
    QString out;
    out.reserve(qMin(int(text.size()), maxChars));
    for (QChar c : text) {
        if (out.size() >= maxChars) break;
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            if (!out.endsWith(QLatin1Char(' '))) out += QLatin1Char(' ');
            continue;
        }
        out += c;
    }
    return out.trimmed();
}

} // namespace lobby
