#include "transcript_line.h"

namespace chat {

QString smileyCode(int picture) {
    return QLatin1String(SmileyMark) + QString::number(picture + FirstSmileyCode);
}

std::optional<TranscriptLine> parseLine(const QString& line) {
    const qsizetype plus = line.indexOf('+');
    if (plus < 0) return std::nullopt;
    bool ok = false;
    const int seat = line.left(plus).toInt(&ok);
    if (!ok || seat < 0 || seat > MaxSeat) return std::nullopt;
    TranscriptLine t;
    t.seat = seat;
    t.style = styleOfSeat(seat);
    QString text = line.mid(plus + 1);
    const qsizetype colon = text.indexOf(':');
    if (colon >= 0) {
        t.prefix = text.left(colon + 1);
        text = text.mid(colon + 1);
    }
    t.body = splitBody(text);
    return t;
}

namespace {
void addWords(QList<Piece>& out, const QString& run) {
    // Every word keeps its one trailing blank; the run is given one more.
    const QString padded = run + ' ';
    qsizetype start = 0;
    for (qsizetype i = 0; i < padded.size(); ++i) {
        if (padded[i] != ' ') continue;
        const QString word = padded.mid(start, i - start + 1);
        out.append({islink(word) ? Piece::Link : Piece::Word, word, 0});
        start = i + 1;
    }
}
} // namespace

QList<Piece> splitBody(const QString& body) {
    QList<Piece> out;
    const QString mark = QLatin1String(SmileyMark);
    QString rest = body;
    qsizetype at;
    while ((at = rest.indexOf(mark)) >= 0) {
        const QString run = rest.left(at);
        bool ok = false;
        int code = rest.mid(at + mark.size(), 2).toInt(&ok);
        rest = rest.mid(at + mark.size() + 2);
        addWords(out, run);
        if (!ok || code < FirstSmileyCode || code >= FirstSmileyCode + SmileyCount)
            code = FirstSmileyCode;
        out.append({Piece::Smiley, QString(), code - FirstSmileyCode});
    }
    if (!rest.isEmpty()) addWords(out, rest);
    return out;
}

QUrl linkAddress(const QString& word) {
    QString address = word;
    while (address.endsWith(' '))
        address.chop(1);
    const QString lower = address.toLower();
    if (lower.startsWith(QLatin1String("www.")))
        address.prepend(QLatin1String("http://"));
    else if (!lower.startsWith(QLatin1String("http://")) &&
             !lower.startsWith(QLatin1String("https://")))
        return {};
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return url;
}

ReceivedChat splitReceived(const QString& rest) {
    const qsizetype bar = rest.indexOf('|');
    if (bar < 0) return {rest, QString(), false};
    return {rest.left(bar), rest.mid(bar + 1), true};
}

} // namespace chat
