#pragma once
// Cutting a byte stream into messages at the 0xFF terminator, and reading the
// '+'-separated fields of one message. See catalogue.h for the grammar.
#include <QByteArray>
#include <QString>

#include <deque>
#include <stdexcept>

namespace wire {

inline constexpr char Terminator = '\xFF';
// A peer that keeps sending without a terminator is cut off past this.
inline constexpr qsizetype MaxPendingBytes = 64 * 1024;

// One connection's pending, unterminated bytes.
class Framer {
public:
    // Appends bytes and moves every complete message to 'out', in order.
    // Returns false when the unterminated remainder exceeds MaxPendingBytes;
    // the pending text is then dropped and the connection should be closed.
    bool feed(const QByteArray& bytes, std::deque<QByteArray>& out);
    const QByteArray& pending() const { return pending_; }
    void clear() { pending_.clear(); }

private:
    QByteArray pending_;
};

// Appends the terminator. A 0xFF inside the text (a typed 'ÿ') would end the
// message early, so it is written as a plain 'y' instead.
QByteArray frame(QByteArray text);

// Thrown when a field that should be a number is not; what() carries the text
// the user is shown.
class FieldError : public std::runtime_error {
public:
    explicit FieldError(const QString& field);
    QString text() const { return QString::fromUtf8(what()); }
};

// Splits a message into its command word and argument text at the first '+'.
// A message without '+' has an empty command word.
template <class S> struct Split {
    S command;
    S args;
};
Split<QByteArray> splitCommand(const QByteArray& message);
Split<QString> splitCommand(const QString& message);

// Reads fields from the front of an argument text.
template <class S> class BasicFields {
public:
    explicit BasicFields(S args) : rest_(std::move(args)) {}
    // The text before the next '+' (all of it when none is left); removed
    // together with its '+'.
    S next() {
        const auto at = rest_.indexOf('+');
        S field = at < 0 ? rest_ : rest_.left(at);
        rest_ = at < 0 ? S() : rest_.mid(at + 1);
        return field;
    }
    // Whatever remains, '+' included.
    S rest() {
        S r = rest_;
        rest_ = S();
        return r;
    }
    // The next field as a decimal number; throws FieldError otherwise.
    int number();
    // The next field as a number that must lie in [lo, hi]. Returns false for
    // a number out of range, which callers treat as a message to ignore.
    bool number(int lo, int hi, int& value) {
        value = number();
        return value >= lo && value <= hi;
    }
    bool atEnd() const { return rest_.isEmpty(); }

private:
    S rest_;
};

using Fields = BasicFields<QByteArray>;
using TextFields = BasicFields<QString>;

// Decimal text as an integer: optional sign, digits, nothing else.
bool parseInt(const QString& text, int& value);

} // namespace wire
