#include "controls/combobox.h"
#include "controls/focustracker.h"
#include "controls/listbox.h"
#include "controls/textbox.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// A small window with one control of each kind, recording every event in order.
class Form : public QWidget {
public:
    Form() {
        text = new TextBox(this);
        line = new LineTextBox(this);
        combo = new ComboBox(this);
        list = new ListBox(this);
        int y = 0;
        for (QWidget* w : {static_cast<QWidget*>(text), static_cast<QWidget*>(line),
                           static_cast<QWidget*>(combo), static_cast<QWidget*>(list)}) {
            w->setGeometry(0, y, 200, 60);
            y += 70;
        }
        resize(220, y);
        record(text, "text");
        record(line, "line");
        record(combo, "combo");
        record(list, "list");
        tracker = new FocusTracker(this);
    }
    template <typename C> void record(C* c, const QString& name) {
        if constexpr (requires { &C::changed; })
            connect(c, &C::changed, this, [this, name] { events << name + ":change"; });
        if constexpr (requires { &C::picked; })
            connect(c, &C::picked, this, [this, name] { events << name + ":click"; });
        connect(c, &C::gotFocus, this, [this, name] { events << name + ":got"; });
        connect(c, &C::lostFocus, this, [this, name] { events << name + ":lost"; });
    }
    TextBox* text;
    LineTextBox* line;
    ComboBox* combo;
    ListBox* list;
    FocusTracker* tracker;
    QStringList events;
};

class TestToolkit : public QObject {
    Q_OBJECT
    std::unique_ptr<Form> f;

private slots:
    void init() {
        f = std::make_unique<Form>();
        f->show();
        QApplication::setActiveWindow(f.get());
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        f->events.clear();
    }
    void cleanup() { f.reset(); }

    void assigningTextRunsChangeNestedOnce() {
        QString seenInside;
        QObject::disconnect(f->text, &TextBox::changed, f.get(), nullptr);
        connect(f->text, &TextBox::changed, f.get(), [&] {
            seenInside = f->text->text();
            f->events << "text:change";
        });
        f->text->setText(QStringLiteral("a\r\nb"));
        QCOMPARE(seenInside, QStringLiteral("a\r\nb")); // the handler sees the new text
        QCOMPARE(f->events, QStringList{"text:change"});
        f->text->setText(QStringLiteral("a\r\nb"));
        QCOMPARE(f->events.size(), 1); // the same text is no change
        f->combo->setText(QStringLiteral("Love"));
        f->combo->setText(QStringLiteral("Love"));
        f->line->setText(QStringLiteral("3:16"));
        f->line->setText(QStringLiteral("3:16"));
        QCOMPARE(f->events, (QStringList{"text:change", "combo:change", "line:change"}));
    }

    void nestedAssignmentInsideChangeHandler() {
        // An emptied box refilled by its own change handler: two nested runs, text kept.
        f->text->setText(QStringLiteral("x"));
        int runs = 0;
        QObject::disconnect(f->text, &TextBox::changed, f.get(), nullptr);
        connect(f->text, &TextBox::changed, f.get(), [&] {
            ++runs;
            if (f->text->text().isEmpty())
                f->text->setText(QStringLiteral("New"));
        });
        f->text->setText(QString());
        QCOMPARE(runs, 2);
        QCOMPARE(f->text->text(), QStringLiteral("New"));
    }

    void typingRunsChange() {
        f->text->setFocus();
        f->events.clear();
        QTest::keyClicks(f->text, QStringLiteral("ab"));
        QCOMPARE(f->events, (QStringList{"text:change", "text:change"}));
        f->combo->setFocus();
        f->events.clear();
        QTest::keyClicks(f->combo, QStringLiteral("G"));
        QCOMPARE(f->events, QStringList{"combo:change"});
        QCOMPARE(f->combo->text(), QStringLiteral("G"));
    }

    // The text box gives back exactly what it was given, and an edit changes only what it
    // touched: the non-breaking space and every form of line break stay.
    void textIsKeptExactly() {
        const QString held = QStringLiteral("a\u00A0b\rc\nd\r\ne");
        f->text->setText(held);
        QCOMPARE(f->text->text(), held);
        f->text->setSelStart(4); // after the lone CR
        QCOMPARE(f->text->selStart(), 4);
        f->text->setSelLength(3);
        QCOMPARE(f->text->selText(), QStringLiteral("c\nd"));
        f->text->setFocus();
        f->text->moveCursor(QTextCursor::End);
        QTest::keyClicks(f->text, QStringLiteral("x\u00A0"));
        QCOMPARE(f->text->text(), held + QStringLiteral("x\u00A0"));
    }

    void crlfOffsets() {
        f->text->setText(QStringLiteral("ab\r\ncd\r\n\r\nef"));
        QCOMPARE(f->text->text(), QStringLiteral("ab\r\ncd\r\n\r\nef"));
        f->text->setSelStart(4); // after CR LF: before "c"
        QCOMPARE(f->text->selStart(), 4);
        f->text->setSelLength(4); // "cd" and a line break
        QCOMPARE(f->text->selText(), QStringLiteral("cd\r\n"));
        QCOMPARE(f->text->selLength(), 4);
        f->text->setSelStart(10);
        QCOMPARE(f->text->selStart(), 10); // before "ef"
        f->text->setSelStart(1000000);     // past the end: at the end
        QCOMPARE(f->text->selStart(), 12);
        f->text->setSelStart(0);
        f->text->setSelLength(100);
        QCOMPARE(f->text->selLength(), 12);
    }

    // Edits from code run change once each, like typing.
    void editsFromCodeRunChangeOnce() {
        for (TextControl* c : std::initializer_list<TextControl*>{f->text, f->combo, f->line}) {
            c->setText(QStringLiteral("Genesis"));
            f->events.clear();
            c->setSelStart(0);
            c->setSelLength(3);
            c->setSelText(QStringLiteral("Ex"));
            QCOMPARE(c->text(), QStringLiteral("Exesis"));
            c->setSelStart(0);
            c->deleteForward();
            QCOMPARE(c->text(), QStringLiteral("xesis"));
            c->setSelStart(5);
            c->deleteForward(); // nothing after the caret: no change
            QCOMPARE(f->events.size(), 2);
            QCOMPARE(f->events.filter(QStringLiteral(":change")).size(), 2);
        }
    }

    void comboListChangesRunNothingAndKeepText() {
        f->combo->setText(QStringLiteral("Books"));
        f->events.clear();
        f->combo->addItem(QStringLiteral("Genesis"));
        f->combo->addItems({QStringLiteral("Exodus"), QStringLiteral("Leviticus")});
        QCOMPARE(f->combo->text(), QStringLiteral("Books"));
        QCOMPARE(f->combo->count(), 3);
        f->combo->clear();
        QCOMPARE(f->combo->text(), QString());
        QCOMPARE(f->combo->count(), 0);
        QVERIFY(f->events.isEmpty());
    }

    void comboPickRunsClickNotChange() {
        f->combo->setText(QStringLiteral("Books"));
        f->combo->addItems({QStringLiteral("Genesis"), QStringLiteral("Exodus")});
        f->combo->setFocus();
        QApplication::processEvents();
        f->events.clear();
        QString seen;
        QObject::disconnect(f->combo, &ComboBox::picked, f.get(), nullptr);
        connect(f->combo, &ComboBox::picked, f.get(), [&] {
            seen = f->combo->text();
            f->events << "combo:click";
        });
        QTest::keyClick(f->combo, Qt::Key_Down); // a pick with the keyboard
        QCOMPARE(f->events, QStringList{"combo:click"});
        QCOMPARE(seen, QStringLiteral("Genesis"));
        emit f->combo->activated(1); // what a pick from the drop-down emits
        QCOMPARE(f->events, (QStringList{"combo:click", "combo:click"}));
    }

    void comboTextMatchingAnItemIsNoPick() {
        f->combo->addItems({QStringLiteral("Genesis"), QStringLiteral("Exodus")});
        f->combo->setFocus();
        QApplication::processEvents();
        f->combo->setText(QStringLiteral("Exodus"));
        QTest::keyClick(f->combo, Qt::Key_Return);
        f->list->setFocus(); // the box loses the focus holding an item's text
        QApplication::processEvents();
        QCOMPARE(f->events.filter("combo:click"), QStringList{});
        QCOMPARE(f->combo->text(), QStringLiteral("Exodus"));
    }

    void listBoxClicks() {
        f->list->setItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        QVERIFY(f->events.isEmpty());
        QCOMPARE(f->list->text(), QString());
        f->list->setText(QStringLiteral("two"));
        QCOMPARE(f->events, QStringList{"list:click"});
        QCOMPARE(f->list->text(), QStringLiteral("two"));
        f->list->setText(QStringLiteral("absent"));
        QCOMPARE(f->events.size(), 1); // no such item: no selection, no click
        QCOMPARE(f->list->text(), QString());

        f->events.clear();
        const QRect first = f->list->visualRect(f->list->model()->index(0, 0));
        QTest::mouseClick(f->list->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(f->list->text(), QStringLiteral("one"));
        QTest::mouseClick(f->list->viewport(), Qt::LeftButton, {}, first.center());
        // The first click selects, the second on the selected line runs click again.
        QCOMPARE(f->events.filter("list:click").size(), 2);
        QTest::keyClick(f->list, Qt::Key_Down);
        QCOMPARE(f->list->text(), QStringLiteral("two"));
        QCOMPARE(f->events.filter("list:click").size(), 3);
    }

    void listBoxBulkFill() {
        QStringList many;
        for (int i = 0; i < 31102; ++i)
            many << QString::number(i);
        f->list->setItems(many);
        QCOMPARE(f->list->count(), 31102);
        QVERIFY(f->events.isEmpty());
    }

    void clickThatGivesFocusKeepsWhatGotFocusSelected() {
        f->text->setText(QStringLiteral("Enter search words"));
        f->line->setFocus();
        QApplication::processEvents();
        connect(f->text, &TextBox::gotFocus, f.get(), [&] {
            f->text->setSelStart(0);
            f->text->setSelLength(int(f->text->text().size()));
        });
        const QPoint inside(40, 8); // within the first line of text
        QTest::mouseClick(f->text->viewport(), Qt::LeftButton, {}, inside);
        QCOMPARE(f->text->selText(), QStringLiteral("Enter search words"));
        // Once the box has the focus, a click places the caret as usual.
        QTest::mouseClick(f->text->viewport(), Qt::LeftButton, {}, inside);
        QCOMPARE(f->text->selLength(), 0);
    }

    void focusMovesRunLostThenGot() {
        f->text->setFocus();
        QApplication::processEvents();
        f->events.clear();
        QTest::keyClick(f->text, Qt::Key_Tab); // Tab leaves a multi-line box
        QCOMPARE(f->events, (QStringList{"text:lost", "line:got"}));
        QCOMPARE(f->tracker->activeControl(), f->line);
        f->events.clear();
        f->combo->setFocus(); // SetFocus
        QCOMPARE(f->events, (QStringList{"line:lost", "combo:got"}));
        f->events.clear();
        f->combo->hide(); // hiding the focused control moves the focus on
        QCOMPARE(f->events.value(0), QStringLiteral("combo:lost"));
        QCOMPARE(f->events.size(), 2);
    }

    void menusAndMessageBoxesDoNotMoveFocus() {
        f->text->setFocus();
        QApplication::processEvents();
        f->events.clear();
        QTimer::singleShot(50, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        QMessageBox::information(f.get(), "t", "x");
        QMenu menu(f.get());
        menu.addAction("item");
        QTimer::singleShot(50, &menu, &QMenu::close);
        menu.exec(f->mapToGlobal(QPoint(5, 5)));
        QApplication::setActiveWindow(f.get());
        QApplication::processEvents();
        QVERIFY2(f->events.isEmpty(), qPrintable(f->events.join(',')));
        QCOMPARE(f->tracker->activeControl(), f->text);
    }
};

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
