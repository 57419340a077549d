#include "controls/combobox.h"
#include "controls/focustracker.h"
#include "controls/listbox.h"
#include "controls/textbox.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// A small window with a text box, a combo box and a list, recording every event in order.
class Form : public QWidget {
public:
    Form() {
        combo->move(0, 70);
        list->move(0, 140);
        resize(220, 240);
        record(text, "text");
        record(combo, "combo");
        record(list, "list");
    }
    template <typename C> void record(C* c, const QString& name) {
        if constexpr (requires { &C::changed; })
            connect(c, &C::changed, this, [this, name] { events << name + ":change"; });
        if constexpr (requires { &C::picked; })
            connect(c, &C::picked, this, [this, name] { events << name + ":click"; });
        connect(c, &C::gotFocus, this, [this, name] { events << name + ":got"; });
        connect(c, &C::lostFocus, this, [this, name] { events << name + ":lost"; });
    }
    void focus(QWidget* control) {
        control->setFocus();
        QApplication::processEvents();
    }
    TextBox* text = new TextBox(this);
    ComboBox* combo = new ComboBox(this);
    ListBox* list = new ListBox(this);
    FocusTracker* tracker = new FocusTracker(this);
    QStringList events;
};

// The event rules the pages rely on: a pick from the subject box loads that subject, a name
// typed there is handled only on leaving the box, and leaving the list saves it, once.
class TestControls : public QObject {
    Q_OBJECT
    std::unique_ptr<Form> f;

private slots:
    void init() {
        f = std::make_unique<Form>();
        f->show();
        QApplication::setActiveWindow(f.get());
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
    }
    void cleanup() { f.reset(); }

    void pickIsAClickAndTypingIsAChange() {
        f->combo->setText(QStringLiteral("Books"));
        f->combo->addItems({QStringLiteral("Genesis"), QStringLiteral("Exodus")});
        f->focus(f->combo);
        f->events.clear();
        QTest::keyClick(f->combo, Qt::Key_Down); // a pick with the keyboard
        f->events << f->combo->text();
        f->combo->setText(QStringLiteral("Exodus"));
        f->combo->setText(QStringLiteral("Exodus")); // the same text is no change
        QTest::keyClick(f->combo, Qt::Key_Return);   // an item's text typed is still no pick
        f->focus(f->list);
        QCOMPARE(f->events,
                 (QStringList{"combo:click", "Genesis", "combo:change", "combo:lost", "list:got"}));
        f->list->setItems({QStringLiteral("one"), QStringLiteral("two")});
        f->events.clear();
        const QRect first = f->list->visualRect(f->list->model()->index(0, 0));
        QTest::mouseClick(f->list->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseClick(f->list->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(f->events, (QStringList{"list:click", "list:click"})); // a result reopens
    }

    void focusMovesRunLostThenGot() {
        f->focus(f->text);
        f->events.clear();
        QTest::keyClick(f->text, Qt::Key_Tab); // Tab leaves a multi-line box
        f->combo->hide();                      // as a page switch hides the focused control
        QCOMPARE(f->events, (QStringList{"text:lost", "combo:got", "combo:lost", "list:got"}));
    }

    // A message box or a menu over the window takes no focus from the control, so a handler
    // that reports a failed save does not run the lost-focus handler, and the save, again.
    void messageBoxesAndMenusMoveNoFocus() {
        f->focus(f->text);
        f->events.clear();
        QTimer::singleShot(50, f.get(), [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        QMessageBox::information(f.get(), QStringLiteral("t"), QStringLiteral("x"));
        QMenu menu(f.get());
        menu.addAction(QStringLiteral("item"));
        QTimer::singleShot(50, &menu, &QMenu::close);
        menu.exec(f->mapToGlobal(QPoint(5, 5)));
        QApplication::setActiveWindow(f.get());
        QApplication::processEvents();
        QCOMPARE(f->events, QStringList());
        QCOMPARE(f->tracker->activeControl(), f->text);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
