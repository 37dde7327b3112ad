#pragma once
// Text crosses the wire as 8-bit Windows-1252. Conversion happens only here,
// at the framing boundary: the host relays bytes untouched, clients decode
// for display and encode what their users type.
#include <QByteArray>
#include <QString>

namespace wire {

// Bytes to text. Every byte maps to one character; the five bytes the code
// page leaves undefined map to the control characters of the same value, so
// decoding and encoding again gives back the same bytes.
QString decode(const QByteArray& bytes);

// Text to bytes. A character the code page lacks is written as '?'.
QByteArray encode(const QString& text);

} // namespace wire
