#include "framing.h"

#include "codepage.h"

namespace wire {

bool Framer::feed(const QByteArray& bytes, std::deque<QByteArray>& out) {
    pending_.append(bytes);
    qsizetype from = 0;
    for (qsizetype at; (at = pending_.indexOf(Terminator, from)) >= 0; from = at + 1)
        out.push_back(pending_.mid(from, at - from));
    if (from > 0) pending_.remove(0, from);
    if (pending_.size() > MaxPendingBytes) {
        pending_.clear();
        return false;
    }
    return true;
}

QByteArray frame(QByteArray text) {
    text.replace(Terminator, 'y');
    text.append(Terminator);
    return text;
}

FieldError::FieldError(const QString& field)
    : std::runtime_error(
          QStringLiteral("'%1' is not a valid integer value").arg(field).toStdString()) {}

template <class S> static Split<S> splitAt(const S& message) {
    const auto at = message.indexOf('+');
    if (at < 0) return {S(), S()};
    return {message.left(at), message.mid(at + 1)};
}
Split<QByteArray> splitCommand(const QByteArray& message) {
    return splitAt(message);
}
Split<QString> splitCommand(const QString& message) {
    return splitAt(message);
}

bool parseInt(const QString& text, int& value) {
    if (text.isEmpty() || text.size() > 11) return false;
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        i = 1;
        if (text.size() == 1) return false;
    }
    long long v = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c.unicode() - '0');
    }
    if (negative) v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return false;
    value = static_cast<int>(v);
    return true;
}

template <> int BasicFields<QString>::number() {
    const QString field = next();
    int v = 0;
    if (!parseInt(field, v)) throw FieldError(field);
    return v;
}

template <> int BasicFields<QByteArray>::number() {
    const QByteArray field = next();
    int v = 0;
    if (!parseInt(QString::fromLatin1(field), v)) throw FieldError(decode(field));
    return v;
}

} // namespace wire
