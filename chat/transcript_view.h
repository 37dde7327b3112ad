#pragma once
// The transcript viewer: each line bold in its sender's colour, hyperlinks
// that open on one click, smiley pictures inline. All lines of one seat share
// that seat's style, so a seat's newest colour repaints its earlier lines.
#include <QTextBrowser>
#include <QUrl>

#include <array>

#include "colortext.h"
#include "transcript_line.h"

namespace chat {

// Opens web addresses; tests record instead.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const QUrl& url) = 0;
};
class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override;
};

// The screen colour of a colour value; the desktop element colours come from
// the palette, "clNone" is the palette's text colour.
QColor toQColor(ColorValue value, const QPalette& palette);

struct TextStyle {
    ColorValue color = ColorBlack;
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

class TranscriptView : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr int Margin = 5;
    static constexpr int SmileyWidth = 17;
    static constexpr int SmileyHeight = 16;
    // The transcript keeps the newest lines only: a long session, or a peer
    // flooding chat, must not make every new line cost more. Older lines go
    // a batch at a time, so the cost of renumbering is spread thin.
    static constexpr int MaxLines = 1000;
    static constexpr int TrimBatch = 100;
    int lineCount() const { return int(lines_.size()); }

    explicit TranscriptView(QWidget* parent = nullptr);

    // Appends one line; false when its seat is no number (nothing shown).
    bool addLine(const QString& line, ColorValue color);
    // Clears lines and links; styles keep their colours and sizes.
    void clearTranscript();
    void setTextSize(int size);
    int textSize() const { return styles_[0].size; }
    // "Scroll Chat Off": new lines leave the view where it is.
    void setScrollOff(bool off) { scrollOff_ = off; }
    bool scrollOff() const { return scrollOff_; }

    const TextStyle& style(int n) const { return styles_[std::size_t(n)]; }
    // The words of the hyperlinks since the last clear, by number.
    const QStringList& linktable() const { return linktable_; }
    int linkcounter() const { return int(linktable_.size()) - 1; }
    // Acts as a click on hyperlink n.
    void openLink(int n);
    void setUrlOpener(UrlOpener* opener) { opener_ = opener ? opener : &desktop_; }

    static QPixmap smiley(int picture);

signals:
    // A hyperlink that could not be opened.
    void cannotOpen();

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    // Every copy (keys, menu, dragging) is plain text without the smiley
    // pictures' placeholder characters.
    QMimeData* createMimeDataFromSelection() const override;

private:
    void relayout();
    // Drops the oldest lines and their blocks.
    void trim(int count);
    void restyle(int style);
    void render(const TranscriptLine& line, int& linkNumber);
    QTextCharFormat format(int style) const;
    void scrollAfterAdd(int previous);

    std::array<TextStyle, StyleCount> styles_;
    QList<TranscriptLine> lines_;
    QStringList linktable_;
    // Links trimmed away so far: an anchor's number less this indexes
    // linktable_.
    int linksDropped_ = 0;
    bool scrollOff_ = false;
    DesktopUrlOpener desktop_;
    UrlOpener* opener_ = &desktop_;
};

} // namespace chat
