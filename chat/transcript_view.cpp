#include "transcript_view.h"

#include <QMimeData>
#include <QTextDocumentFragment>
#include <QDesktopServices>
#include <QPixmap>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextImageFormat>

#include <algorithm>

namespace chat {

bool DesktopUrlOpener::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QColor toQColor(ColorValue value, const QPalette& p) {
    if (value == ColorNone) return p.color(QPalette::WindowText);
    if (isSystemColor(value)) {
        using R = QPalette::ColorRole;
        static constexpr R roles[SystemColorCount] = {R::Mid,
                                                      R::Window,
                                                      R::Highlight,
                                                      R::Mid,
                                                      R::Window,
                                                      R::Base,
                                                      R::Shadow,
                                                      R::WindowText,
                                                      R::Text,
                                                      R::HighlightedText,
                                                      R::Window,
                                                      R::Window,
                                                      R::Mid,
                                                      R::Highlight,
                                                      R::HighlightedText,
                                                      R::Button,
                                                      R::Dark,
                                                      R::PlaceholderText,
                                                      R::ButtonText,
                                                      R::WindowText,
                                                      R::Light,
                                                      R::Shadow,
                                                      R::Midlight,
                                                      R::ToolTipText,
                                                      R::ToolTipBase};
        return p.color(roles[value & ~SystemColorBit]);
    }
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

namespace {
constexpr auto LinkScheme = "link";
constexpr auto SmileyScheme = "smiley";
} // namespace

TranscriptView::TranscriptView(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
    document()->setDocumentMargin(Margin);
    // The styles as a fresh transcript has them; each seat's first line
    // replaces its colour.
    const ColorValue blue = rgb(0, 0, 255), navy = rgb(0, 0, 128), maroon = rgb(128, 0, 0),
                     green = rgb(0, 128, 0), silver = rgb(192, 192, 192);
    styles_[0] = {blue, 10, false, false, false};
    styles_[1] = {blue, 10, true, false, false};
    styles_[2] = {navy, 10, true, false, false};
    styles_[3] = {maroon, 10, false, true, false};
    styles_[4] = {green, 10, false, false, true};
    styles_[5] = {green, 10, false, false, true};
    styles_[6] = {silver, 10, false, false, false};
    styles_[7] = {silver, 10, false, false, false};
    for (int s = 8; s < StyleCount; ++s)
        styles_[std::size_t(s)] = {systemColor(SystemColor::WindowText), 10, false, false, false};
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        bool ok = false;
        const int n = url.path().toInt(&ok);
        if (url.scheme() == QLatin1String(LinkScheme) && ok && n >= 0) openLink(n - linksDropped_);
    });
}

QPixmap TranscriptView::smiley(int picture) {
    return QPixmap(QStringLiteral(":/smilies/smiley%1.png").arg(picture, 2, 10, QLatin1Char('0')));
}

QVariant TranscriptView::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource && name.scheme() == QLatin1String(SmileyScheme))
        return smiley(name.path().toInt());
    return QTextBrowser::loadResource(type, name);
}

QTextCharFormat TranscriptView::format(int style) const {
    const TextStyle& s = styles_[std::size_t(style)];
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(s.size);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    f.setForeground(toQColor(s.color, palette()));
    return f;
}

namespace {
// A line is one paragraph: breaks inside the text show as blanks.
QString flat(QString text) {
    for (QChar& c : text)
        if (c == '\n' || c == '\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = ' ';
    return text;
}
} // namespace

void TranscriptView::render(const TranscriptLine& line, int& linkNumber) {
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    if (!lines_.isEmpty() && &line != &lines_.first()) c.insertBlock();
    const QTextCharFormat own = format(line.style);
    c.insertText(flat(line.prefix) + ' ', own);
    for (const Piece& p : line.body) {
        if (p.kind == Piece::Smiley) {
            QTextImageFormat img;
            img.setName(QStringLiteral("%1:%2").arg(QLatin1String(SmileyScheme)).arg(p.picture));
            img.setWidth(SmileyWidth);
            img.setHeight(SmileyHeight);
            img.setVerticalAlignment(QTextCharFormat::AlignMiddle);
            c.insertImage(img);
        } else if (p.kind == Piece::Link) {
            QTextCharFormat link = format(LinkStyle);
            link.setAnchor(true);
            link.setAnchorHref(
                QStringLiteral("%1:%2").arg(QLatin1String(LinkScheme)).arg(linkNumber++));
            // The word's trailing blank is no part of the underlined address.
            QString word = flat(p.text);
            qsizetype blanks = 0;
            while (word.endsWith(' ')) {
                word.chop(1);
                ++blanks;
            }
            c.insertText(word, link);
            if (blanks) c.insertText(QString(blanks, ' '), own);
        } else {
            c.insertText(flat(p.text), own);
        }
    }
}

void TranscriptView::relayout() {
    const int previous = verticalScrollBar()->value();
    document()->clear();
    document()->setDocumentMargin(Margin);
    int links = linksDropped_;
    for (const TranscriptLine& l : lines_)
        render(l, links);
    scrollAfterAdd(previous);
}

void TranscriptView::scrollAfterAdd(int previous) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(scrollOff_ ? previous : bar->maximum());
}

bool TranscriptView::addLine(const QString& text, ColorValue color) {
    const auto line = parseLine(text);
    if (!line) return false;
    TextStyle& s = styles_[std::size_t(line->style)];
    const bool changed = s.color != color || !s.bold;
    s.color = color;
    s.bold = true;
    const int previous = verticalScrollBar()->value();
    // The seat's earlier lines follow its newest colour.
    if (changed) restyle(line->style);
    lines_.append(*line);
    int links = linksDropped_ + int(linktable_.size());
    for (const Piece& p : line->body)
        if (p.kind == Piece::Link) linktable_.append(p.text);
    render(lines_.last(), links);
    if (lines_.size() > MaxLines + TrimBatch) trim(int(lines_.size()) - MaxLines);
    scrollAfterAdd(previous);
    return true;
}

void TranscriptView::trim(int count) {
    int droppedLinks = 0;
    for (int i = 0; i < count; ++i)
        for (const Piece& p : lines_[i].body)
            if (p.kind == Piece::Link) ++droppedLinks;
    lines_.remove(0, count);
    linktable_.remove(0, droppedLinks);
    // The kept links keep the numbers their anchors carry.
    linksDropped_ += droppedLinks;
    // Only the oldest blocks go: laying out every kept line again would
    // stall a busy chat each time it is trimmed.
    QTextCursor cur(document());
    cur.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, count);
    cur.removeSelectedText();
}

void TranscriptView::restyle(int style) {
    // Line i is block i. Only that seat's own words change; links and
    // pictures keep theirs. One edit block: the layout runs once at its end.
    const QTextCharFormat own = format(style);
    QTextCursor cur(document());
    cur.beginEditBlock();
    QTextBlock block = document()->begin();
    for (const TranscriptLine& l : std::as_const(lines_)) {
        if (l.style == style) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                const QTextCharFormat c = f.charFormat();
                if (c.isAnchor() || c.isImageFormat()) continue;
                cur.setPosition(f.position());
                cur.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
                cur.setCharFormat(own);
            }
        }
        block = block.next();
    }
    cur.endEditBlock();
}

void TranscriptView::clearTranscript() {
    lines_.clear();
    linktable_.clear();
    linksDropped_ = 0;
    document()->clear();
    document()->setDocumentMargin(Margin);
}

void TranscriptView::setTextSize(int size) {
    // Settings are reloaded at every login; laying out a thousand lines again
    // for a size that did not change would stall the window each time.
    if (std::all_of(styles_.begin(), styles_.end(),
                    [size](const TextStyle& s) { return s.size == size; }))
        return;
    for (TextStyle& s : styles_)
        s.size = size;
    relayout();
}

void TranscriptView::openLink(int n) {
    const QUrl url = n >= 0 && n < linktable_.size() ? linkAddress(linktable_[n]) : QUrl();
    if (!url.isValid() || !opener_->open(url)) emit cannotOpen();
}

QMimeData* TranscriptView::createMimeDataFromSelection() const {
    QString text = textCursor().selection().toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

} // namespace chat
