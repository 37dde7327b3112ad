// The main window's chat: the transcript as shown, what the input line, the
// phrase buttons and the chatter sound menu send, the phrase editor, the text
// colour and how chatter sounds arrive.
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <memory>

#include "catalogue.h"
#include "raw_host.h"
#include "recording_sound.h"
#include "tchat.h"
#include "windows.h"

namespace {
class RecordingDialogs : public Dialogs {
public:
    QStringList shown;
    void message(QWidget*, const QString& text) override { shown.append(text); }
};
class RecordingOpener : public chat::UrlOpener {
public:
    QStringList opened;
    bool open(const QUrl& url) override {
        opened.append(url.toString());
        return true;
    }
};
class ScriptedPicker : public chat::ColorPicker {
public:
    std::optional<QColor> answer;
    int asked = 0;
    std::optional<QColor> pick(QWidget*, const QColor&) override {
        ++asked;
        return answer;
    }
};

// One run of text in the transcript with how it is drawn.
struct Run {
    QString text;
    QColor color;
    bool bold = false;
    QString href;
    bool image = false;
};

QList<Run> runs(const QTextDocument* doc, int block) {
    QList<Run> out;
    for (auto it = doc->findBlockByNumber(block).begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        const QTextCharFormat c = f.charFormat();
        out.append({f.text(), c.foreground().color(), c.fontWeight() == QFont::Bold, c.anchorHref(),
                    c.isImageFormat()});
    }
    return out;
}

QString settingsText(const QString& folder) {
    QFile f(folder + "/korvanlobby.ini");
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}
} // namespace

class TestTchatChat : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void linesInTheirSeatsColour();
    void chatTextIsNeverMarkup();
    void linksAndSmileys();
    void scrollOffAndClear();
    void floodKeepsTranscriptBounded();
    void textSize();
    void enterSends_data();
    void enterSends();
    void notLoggedInSendsNothing();
    void pasteAndSmileyMenu();
    void phraseButtonsAndLock();
    void chatterSounds();
    void chatterArrives_data();
    void chatterArrives();
    void phraseEditorWritesOnlyPhrases();
    void textColor();
    void controlsOnThePanel();

private:
    void login(int seat);
    QList<QByteArray> sentBy(const std::function<void()>& act);

    std::unique_ptr<RawHost> host;
    std::unique_ptr<Tchat> chat;
    RecordingDialogs dialogs;
    RecordingOpener opener;
    ScriptedPicker picker;
    RecordingSound* sound = nullptr;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestTchatChat::init() {
    dialogs.shown.clear();
    opener.opened.clear();
    dir = std::make_unique<QTemporaryDir>();
    chat = std::make_unique<Tchat>(QStringList{"Bob", "127.0.0.1", "x"});
    chat->setDialogs(&dialogs);
    chat->setUrlOpener(&opener);
    chat->setColorPicker(&picker);
    chat->settingsFolder = dir->path();
    auto s = std::make_unique<RecordingSound>();
    sound = s.get();
    chat->setSoundSink(std::move(s));
}

void TestTchatChat::cleanup() {
    chat.reset();
    host.reset();
}

void TestTchatChat::login(int seat) {
    host = std::make_unique<RawHost>();
    QVERIFY(host->listen());
    chat->gamePort = QString::number(host->port());
    chat->lobbyPort = "1";
    chat->processparams();
    QVERIFY(host->waitForClient());
    host->send(wire::sendlogininfo(seat));
    QVERIFY(!host->waitForPrefix("CMD_logininfo").isEmpty());
    QVERIFY(chat->loggedin);
}

// What the window sent while 'act' ran: a marker sent afterwards closes the list.
QList<QByteArray> TestTchatChat::sentBy(const std::function<void()>& act) {
    act();
    chat->send("CMD_mark");
    QList<QByteArray> got;
    QDeadlineTimer deadline(5000);
    while ((got.isEmpty() || got.last() != "CMD_mark") && !deadline.hasExpired()) {
        QTest::qWait(5);
        got += host->take();
    }
    if (got.isEmpty() || got.last() != "CMD_mark") return {"no marker"};
    got.removeLast();
    return got;
}

void TestTchatChat::linesInTheirSeatsColour() {
    chat->addlinetochat("0+You are Connected.", chat->systemcolor);
    chat->chatrecieved("3+Bob chats: hi|clLime");
    const QTextDocument* doc = chat->mainchat->document();
    QCOMPARE(doc->findBlockByNumber(0).text(), QStringLiteral(" You are Connected. "));
    for (const Run& r : runs(doc, 0)) {
        QVERIFY(r.bold);
        QCOMPARE(r.color, QColor(Qt::black));
    }
    QCOMPARE(doc->findBlockByNumber(1).text(), QStringLiteral("Bob chats:  hi "));
    QCOMPARE(runs(doc, 1).first().color, QColor(0, 255, 0));

    // Seat 3's next line in blue turns its first line blue as well.
    chat->chatrecieved("3+Bob chats: again|clBlue");
    for (int b : {1, 2})
        for (const Run& r : runs(doc, b)) {
            QCOMPARE(r.color, QColor(0, 0, 255));
            QVERIFY(r.bold);
        }
    // A bar inside the text cuts it; the rest is no colour, so red.
    chat->chatrecieved("2+Ann chats: a|b|clBlue");
    QCOMPARE(doc->findBlockByNumber(3).text(), QStringLiteral("Ann chats:  a "));
    QCOMPARE(runs(doc, 3).first().color, QColor(255, 0, 0));
    QCOMPARE(runs(doc, 1).first().color, QColor(0, 0, 255)); // other seats keep theirs
    QCOMPARE(chat->transcriptLines(), (QStringList{"0+You are Connected.", "3+Bob chats: hi",
                                                   "3+Bob chats: again", "2+Ann chats: a"}));
}

void TestTchatChat::chatTextIsNeverMarkup() {
    chat->chatrecieved(
        "1+Eve chats: <b>x</b> <img src=x> &amp; <a href=\"http://e.com\">y</a>|clRed");
    const QTextDocument* doc = chat->mainchat->document();
    QCOMPARE(
        doc->toPlainText(),
        QStringLiteral("Eve chats:  <b>x</b> <img src=x> &amp; <a href=\"http://e.com\">y</a> "));
    for (const Run& r : runs(doc, 0)) {
        QVERIFY2(r.href.isEmpty(), qPrintable(r.text));
        QVERIFY(!r.image);
    }
    chat->chatrecieved("1+Eve chats: javascript:alert('www.x.com') file:///etc|clRed");
    for (const Run& r : runs(doc, 1))
        QVERIFY2(r.href.isEmpty(), qPrintable(r.text));
    QVERIFY(chat->mainchat->linktable().isEmpty());
    // A line break inside the text keeps the line one paragraph.
    chat->chatrecieved("1+Eve chats: a\nb\r\nc|clRed");
    QCOMPARE(doc->blockCount(), 3);
    QCOMPARE(doc->findBlockByNumber(2).text(), QStringLiteral("Eve chats:  a b  c "));
    // A seat that is no number is reported and shows nothing.
    QVERIFY_THROWS_EXCEPTION(wire::FieldError, chat->chatrecieved("x+Eve chats: hi|clRed"));
    QCOMPARE(doc->blockCount(), 3);
}

void TestTchatChat::linksAndSmileys() {
    chat->chatrecieved(
        "4+Dee chats: see www.example.com and HTTP://Example.org/a :)#12 ftp://x.y|clNavy");
    const QList<Run> line = runs(chat->mainchat->document(), 0);
    QStringList links, images;
    for (const Run& r : line) {
        if (!r.href.isEmpty()) links.append(r.text);
        if (r.image) images.append(r.text);
    }
    QCOMPARE(links, (QStringList{"www.example.com", "HTTP://Example.org/a"}));
    QCOMPARE(images.size(), 1);
    QCOMPARE(chat->linkcounter, 1);
    chat->mainchat->openLink(0);
    chat->mainchat->openLink(1);
    QCOMPARE(opener.opened, (QStringList{"http://www.example.com", "http://example.org/a"}));
    chat->mainchat->openLink(7); // no such slot
    QCOMPARE(dialogs.shown, QStringList{"Cannot open Webpage"});

    // A smiley with a wrong number shows the first picture.
    const QImage first = chat::TranscriptView::smiley(0).toImage();
    QVERIFY(!first.isNull());
    QCOMPARE(first.size(), QSize(17, 16));
    QVERIFY(chat::TranscriptView::smiley(17).toImage() != first);

    // A new colour for the seat leaves its links as links.
    chat->chatrecieved("4+Dee chats: bye|clPurple");
    for (const Run& r : runs(chat->mainchat->document(), 0)) {
        if (r.href.isEmpty() && !r.image) QCOMPARE(r.color, QColor(128, 0, 128));
        if (!r.href.isEmpty()) QCOMPARE(r.color, QColor(0, 128, 0));
    }

    // "Copy" puts plain text on the clipboard, and only when something is selected.
    const QList<QAction*> menu = chat->popup_chat->actions();
    QApplication::clipboard()->setText("before");
    menu.at(4)->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    chat->ClearMainChat1->trigger();
    chat->chatrecieved(
        "4+Dee chats: see www.example.com and HTTP://Example.org/a :)#12 ftp://x.y|clNavy");
    menu.at(3)->trigger();
    menu.at(4)->trigger();
    QCOMPARE(
        QApplication::clipboard()->text(),
        QStringLiteral("Dee chats:  see www.example.com and HTTP://Example.org/a   ftp://x.y "));
    // Ctrl+C in the transcript gives the same plain text.
    QApplication::clipboard()->setText("before");
    chat->mainchat->setFocus();
    QTest::keyClick(chat->mainchat, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(
        QApplication::clipboard()->text(),
        QStringLiteral("Dee chats:  see www.example.com and HTTP://Example.org/a   ftp://x.y "));
}

// A peer that changes colour on every line for a long time: the transcript
// keeps its newest lines, each line costs no more than the first ones did,
// and the links that remain open their own addresses.
void TestTchatChat::floodKeepsTranscriptBounded() {
    const int total = chat::TranscriptView::MaxLines * 3;
    QElapsedTimer clock;
    qint64 first = 0;
    for (int i = 0; i < total; ++i) {
        if (i == 200) first = clock.restart();
        if (i == 0) clock.start();
        chat->chatrecieved(QStringLiteral("4+Dee chats: line %1 www.site%1.com|$00%2")
                               .arg(i)
                               .arg(i % 0xFFFFFF, 6, 16, QLatin1Char('0')));
    }
    const qint64 rest = clock.elapsed();
    QVERIFY(chat->mainchat->lineCount() <=
            chat::TranscriptView::MaxLines + chat::TranscriptView::TrimBatch);
    QVERIFY(chat->mainchat->document()->blockCount() <= chat->mainchat->lineCount());
    // The later 2 800 lines took no more than ten times as long per line as
    // the first 200.
    QVERIFY2(rest / (total - 200.0) < 10 * (first / 200.0) + 2,
             qPrintable(QStringLiteral("%1 ms then %2 ms").arg(first).arg(rest)));
    const int n = chat->mainchat->linkcounter();
    chat->mainchat->openLink(n);
    QCOMPARE(opener.opened.last(), QStringLiteral("http://www.site%1.com").arg(total - 1));
    // The oldest kept line's link, clicked as the document numbers it,
    // before and after a new text size lays the kept lines out again.
    for (int size : {10, 14}) {
        chat->mainchat->setTextSize(size);
        const QTextBlock oldest = chat->mainchat->document()->begin();
        const int line = QRegularExpression("line (\\d+)").match(oldest.text()).captured(1).toInt();
        QVERIFY(line > 0);
        QString href;
        for (auto it = oldest.begin(); !it.atEnd() && href.isEmpty(); ++it)
            if (it.fragment().charFormat().isAnchor()) href = it.fragment().charFormat().anchorHref();
        opener.opened.clear();
        emit chat->mainchat->anchorClicked(QUrl(href));
        QCOMPARE(opener.opened, QStringList{QStringLiteral("http://www.site%1.com").arg(line)});
    }
}

void TestTchatChat::scrollOffAndClear() {
    chat->resize(760, 600);
    chat->show();
    for (int i = 0; i < 40; ++i)
        chat->addlinetochat(QStringLiteral("0+line %1").arg(i));
    QScrollBar* bar = chat->mainchat->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    chat->ScrollChatOff1->trigger();
    QVERIFY(chat->ScrollChatOff2->isChecked());
    bar->setValue(0);
    chat->chatrecieved("5+Zed chats: www.a.com|clGreen");
    chat->chatrecieved("6+Zed chats: more|clGreen");
    QCOMPARE(bar->value(), 0);
    QCOMPARE(chat->linkcounter, 0);

    chat->ClearMainChat1->trigger();
    QCOMPARE(chat->linkcounter, -1);
    QVERIFY(chat->mainchat->document()->toPlainText().isEmpty());
    chat->chatrecieved("5+Zed chats: www.b.com|clGreen");
    chat->mainchat->openLink(0);
    QCOMPARE(opener.opened, QStringList{"http://www.b.com"});
    // The seat kept its colour through the clear.
    QCOMPARE(chat->mainchat->style(10).color, chat::rgb(0, 128, 0));
}

void TestTchatChat::textSize() {
    chat->addlinetochat("0+hello");
    chat->TextSize[2]->trigger();
    for (int s = 0; s < chat::StyleCount; ++s)
        QCOMPARE(chat->mainchat->style(s).size, 12);
    QCOMPARE(runs(chat->mainchat->document(), 0).first().text, QStringLiteral(" hello "));
    QCOMPARE(chat->mainchat->document()
                 ->findBlockByNumber(0)
                 .begin()
                 .fragment()
                 .charFormat()
                 .fontPointSize(),
             12.0);
    QVERIFY(settingsText(dir->path()).contains("Textsize=12"));
}

void TestTchatChat::enterSends_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<QByteArray>>("sent");
    QTest::newRow("plain") << "hello there" << QList<QByteArray>{"CMD_chat+2+hello there|clBlack"};
    QTest::newRow("/me") << "/me waves" << QList<QByteArray>{"CMD_action+2+waves|clBlack"};
    QTest::newRow("/mewaves") << "/mewaves" << QList<QByteArray>{"CMD_action+2+aves|clBlack"};
    QTest::newRow("/quit") << "/quit" << QList<QByteArray>{};
    QTest::newRow("empty") << "" << QList<QByteArray>{};
}

void TestTchatChat::enterSends() {
    QFETCH(QString, typed);
    QFETCH(QList<QByteArray>, sent);
    login(2);
    // The untouched greeting goes nowhere: the first key clears it.
    QCOMPARE(chat->mychat->text(), QStringLiteral("<Enter Chat Here>"));
    QCOMPARE(sentBy([&] { QTest::keyClick(chat->mychat, Qt::Key_Return); }), QList<QByteArray>{});
    QVERIFY(chat->mychat->text().isEmpty());
    QCOMPARE(sentBy([&] {
                 QTest::keyClicks(chat->mychat, typed);
                 QTest::keyClick(chat->mychat, Qt::Key_Enter);
             }),
             sent);
    QVERIFY(chat->mychat->text().isEmpty());
}

void TestTchatChat::notLoggedInSendsNothing() {
    chat->mychat->setText("hello");
    chat->sendit();
    QCOMPARE(chat->mychat->text(), QStringLiteral("hello")); // the text stays
    chat->soundClick(3);                                     // no socket: no refusal either
    QVERIFY(dialogs.shown.isEmpty());
}

void TestTchatChat::pasteAndSmileyMenu() {
    QApplication::clipboard()->setText("pasted");
    chat->pasteClick();
    QCOMPARE(chat->mychat->text(), QStringLiteral("<Enter Chat Here>pasted"));
    QCOMPARE(chat->mychat->cursorPosition(), chat->mychat->text().size());
    // Ctrl+V pastes the same way: the greeting text stays.
    chat->mychat->setText("<Enter Chat Here>");
    QTest::keyClick(chat->mychat, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(chat->mychat->text(), QStringLiteral("<Enter Chat Here>pasted"));

    chat->mychat->setText("<Enter Chat Here>");
    chat->popup_smilies->actions().at(0)->trigger();
    QCOMPARE(chat->mychat->text(), QStringLiteral(":)#10"));
    chat->mychat->setText("hi");
    chat->mychat->setCursorPosition(0);
    chat->popup_smilies->actions().at(5)->trigger();
    QCOMPARE(chat->mychat->text(), QStringLiteral("hi:)#15"));
    QCOMPARE(chat->mychat->cursorPosition(), 7);
    QCOMPARE(chat->popup_smilies->actions().size(), 18);
    QCOMPARE(chat->popup_smilies->actions().last()->text(), QStringLiteral(":)#27"));
}

void TestTchatChat::phraseButtonsAndLock() {
    login(1);
    chat->phrases[3] = "/me cheers";
    QCOMPARE(chat->b_phrase[0]->toolTip(), QStringLiteral("Way To Go!"));
    QCOMPARE(sentBy([&] {
                 chat->b_phrase[2]->click();
                 chat->b_phrase[3]->click(); // inside the lock: dropped
             }),
             QList<QByteArray>{"CMD_action+1+says: Nice Try!|clBlack"});
    QVERIFY(!chat->phraseready);
    QVERIFY(chat->Timer1.isActive());
    QTRY_VERIFY_WITH_TIMEOUT(chat->phraseready, 10000);
    QCOMPARE(sentBy([&] { chat->b_phrase[3]->click(); }),
             QList<QByteArray>{"CMD_action+1+cheers|clBlack"});
}

void TestTchatChat::chatterSounds() {
    login(2);
    QCOMPARE(chat->popup_sounds->actions().size(), 21);
    QCOMPARE(chat->popup_sounds->actions().at(13)->text(), QStringLiteral("Applause"));
    QCOMPARE(sentBy([&] {
                 chat->popup_sounds->actions().at(0)->trigger(); // <Cancel>
                 chat->popup_sounds->actions().at(13)->trigger();
             }),
             QList<QByteArray>{"CMD_playasound+2+wave13+"});
    chat->myseat = 5; // a watcher makes no sounds
    QCOMPARE(sentBy([&] { chat->soundClick(4); }), QList<QByteArray>{});
}

void TestTchatChat::chatterArrives_data() {
    QTest::addColumn<bool>("switchOn");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<QStringList>("played");
    QTest::addColumn<QString>("line");
    QTest::newRow("on plays") << true << "2+wave13+" << QStringList{":/sounds/WAVE13.wav"} << "";
    QTest::newRow("off shows") << false << "2+wave13+" << QStringList{}
                               << "0+Ann: <Chatter Sound> Applause";
    QTest::newRow("off seat 1") << false << "1+wave1+" << QStringList{}
                                << "0+Bob: <Chatter Sound> Doh";
    QTest::newRow("off watcher") << false << "4+wave2+" << QStringList{} << "";
    QTest::newRow("off no such sound") << false << "2+wave21+" << QStringList{} << "";
}

void TestTchatChat::chatterArrives() {
    QFETCH(bool, switchOn);
    QFETCH(QString, rest);
    QFETCH(QStringList, played);
    QFETCH(QString, line);
    chat->label_playername1->setText("Bob");
    chat->label_playername2->setText("Ann");
    chat->sounds().setChatterSounds(switchOn);
    chat->playasound(rest);
    QCOMPARE(sound->played, played);
    QCOMPARE(chat->transcriptLines(), line.isEmpty() ? QStringList{} : QStringList{line});
    if (!line.isEmpty()) {
        const QList<Run> r = runs(chat->mainchat->document(), 0);
        QCOMPARE(chat->mainchat->document()->toPlainText(), line.mid(2).replace(": ", ":  ") + ' ');
        QVERIFY(r.first().bold);
    }
}

void TestTchatChat::phraseEditorWritesOnlyPhrases() {
    Tphrases editor;
    chat->setWindows({nullptr, nullptr, nullptr, &editor, nullptr, nullptr});
    chat->PhraseList1->trigger();
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.phrase[8]->text(), QStringLiteral("Good Game Everyone!"));
    QCOMPARE(editor.phrase[0]->maxLength(), 50);
    editor.phrase[2]->setText("Well played");
    editor.close(); // closing drops the edit
    QCOMPARE(chat->phrases[2], QStringLiteral("Nice Try!"));
    QVERIFY(settingsText(dir->path()).isEmpty());

    chat->PhraseList1->trigger();
    QCOMPARE(editor.phrase[2]->text(), QStringLiteral("Nice Try!"));
    editor.phrase[2]->setText("Well played");
    const QString shot = qEnvironmentVariable("KELVOA_CHAT_SHOT");
    if (!shot.isEmpty()) editor.grab().save(shot + ".phrases.png");
    editor.button_done->click();
    QVERIFY(!editor.isVisible());
    QCOMPARE(chat->phrases[2], QStringLiteral("Well played"));
    QCOMPARE(chat->b_phrase[2]->toolTip(), QStringLiteral("Well played"));
    const QStringList lines = settingsText(dir->path()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines.first().trimmed(), QStringLiteral("[Kelvoa]"));
    for (const QString& l : lines.mid(1))
        QVERIFY2(l.startsWith("Phrase"), qPrintable(l));
    QVERIFY(lines.contains("Phrase3=Well played") || lines.contains("Phrase3=Well played\r"));
}

void TestTchatChat::textColor() {
    picker.answer.reset();
    chat->TextColor1->trigger();
    QCOMPARE(picker.asked, 1);
    QCOMPARE(chat->textcolor, QStringLiteral("clBlack"));
    QCOMPARE(chat->settingsWrites, 0);
    picker.answer = QColor(1, 2, 3);
    chat->TextColor1->trigger();
    QCOMPARE(chat->textcolor, QStringLiteral("$00030201"));
    QCOMPARE(chat->mychat->palette().color(QPalette::Text), QColor(1, 2, 3));
    QVERIFY(settingsText(dir->path()).contains("Textcolor=$00030201"));
    picker.answer = QColor(0, 0, 255);
    chat->TextColor1->trigger();
    QCOMPARE(chat->textcolor, QStringLiteral("clBlue"));
}

void TestTchatChat::controlsOnThePanel() {
    chat->show();
    chat->chatrecieved("1+Bob chats: hello www.example.com :)#11 :)#24|clMaroon");
    chat->chatrecieved("2+Ann chats: hi there :)#16|clNavy");
    chat->addlinetochat("0+Bob: <Chatter Sound> Applause");
    const QRect panel = chat->panel_board->rect();
    QList<QWidget*> controls{chat->mychat, chat->button_smilies, chat->mainchat, chat->b_phrase10};
    for (QToolButton* b : chat->b_phrase)
        controls.append(b);
    for (QWidget* w : controls) {
        QVERIFY2(panel.contains(w->geometry()), qPrintable(w->objectName()));
        QVERIFY2(!w->geometry().intersects(chat->view->memo_turn->geometry()),
                 qPrintable(w->objectName()));
        for (QWidget* o : controls)
            if (o != w)
                QVERIFY2(!w->geometry().intersects(o->geometry()), qPrintable(w->objectName()));
    }
    const QString shot = qEnvironmentVariable("KELVOA_CHAT_SHOT");
    if (!shot.isEmpty()) chat->grab().save(shot);
}

QTEST_MAIN(TestTchatChat)
#include "test_tchat_chat.moc"
