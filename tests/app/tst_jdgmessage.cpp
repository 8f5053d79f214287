#include "app/JDGMessage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A custom box of its own kind that opts in to the convention; it counts the Enters it receives.
class CustomBox : public QWidget {
public:
    explicit CustomBox(QWidget *parent) : QWidget(parent)
    {
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(40, 20);
        setProperty("enterActsAsTab", true);
    }
    int enters = 0;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            ++enters;
        QWidget::keyPressEvent(event);
    }
};

// A data-entry window of the program's kind, its controls in tab order.
class EntryForm : public QDialog {
public:
    EntryForm()
    {
        auto *layout = new QVBoxLayout(this);
        add(layout, new QLineEdit(this), "edit");
        auto *masked = new QLineEdit(this);
        masked->setInputMask(QStringLiteral("99/9999"));
        add(layout, masked, "masked");
        auto *combo = new QComboBox(this);
        combo->addItems({QStringLiteral("01 Uno"), QStringLiteral("02 Dos"), QStringLiteral("03 Tres")});
        add(layout, combo, "combo");
        auto *editableCombo = new QComboBox(this);
        editableCombo->setEditable(true);
        editableCombo->addItems({QStringLiteral("A"), QStringLiteral("B")});
        add(layout, editableCombo, "editableCombo");
        add(layout, new QSpinBox(this), "spin");
        add(layout, new QDoubleSpinBox(this), "amount");
        auto *date = new QDateEdit(QDate(2024, 3, 15), this);
        date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        add(layout, date, "date");
        add(layout, new QCheckBox(QStringLiteral("Marca"), this), "check");
        auto *group = new QGroupBox(QStringLiteral("Sexo"), this);
        auto *groupLayout = new QHBoxLayout(group);
        auto *radioA = new QRadioButton(QStringLiteral("Masculino"), group);
        auto *radioB = new QRadioButton(QStringLiteral("Femenino"), group);
        radioA->setObjectName(QStringLiteral("radioA"));
        radioB->setObjectName(QStringLiteral("radioB"));
        radioA->setChecked(true);
        groupLayout->addWidget(radioA);
        groupLayout->addWidget(radioB);
        layout->addWidget(group);
        add(layout, new CustomBox(this), "custom");
        add(layout, new QPlainTextEdit(this), "plain");
        add(layout, new QPushButton(QStringLiteral("Aceptar"), this), "button");
        add(layout, new QToolButton(this), "tool");
        add(layout, new QLineEdit(this), "last");
    }

    QWidget *named(const QString &name) const { return findChild<QWidget *>(name); }

private:
    static void add(QVBoxLayout *layout, QWidget *widget, const char *name)
    {
        widget->setObjectName(QLatin1String(name));
        layout->addWidget(widget);
    }
};

bool showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// The named control that holds the focus, itself or through an inner editor.
QString focusName(const QWidget &window)
{
    for (QWidget *w = QApplication::focusWidget(); w && w != &window; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    }
    return QString();
}

bool focusOn(QWidget *widget)
{
    widget->setFocus(Qt::TabFocusReason);
    return QApplication::focusWidget()
           && (QApplication::focusWidget() == widget || widget->isAncestorOf(QApplication::focusWidget()));
}

} // namespace

class TstJDGMessage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void enterMovesFocus_data();
    void enterMovesFocus();
    void controlNeverReceivesEnter();
    void textEditorKeepsEnter();
    void optedOutEditKeepsEnter();
    void enterPressesFocusedButton_data();
    void enterPressesFocusedButton();
    void openComboListKeepsEnter();
    void itemViewKeepsEnter_data();
    void itemViewKeepsEnter();
    void cellEditorKeepsEnter();
    void noDefaultButtonInProgramWindow();
    void fileDialogAcceptsOnEnter();
    void messageBoxAcceptsOnEnter();
    void inputDialogAcceptsOnEnter();
};

void TstJDGMessage::initTestCase()
{
    JDGMessage::install();
    JDGMessage::install(); // a second start-up must not filter twice
    QVERIFY(JDGMessage::isInstalled());
}

void TstJDGMessage::enterMovesFocus_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("to");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const int ret = Qt::Key_Return;
    QTest::addRow("line edit") << "edit" << ret << none << "masked";
    QTest::addRow("masked edit") << "masked" << ret << none << "combo";
    QTest::addRow("combo box") << "combo" << ret << none << "editableCombo";
    QTest::addRow("editable combo box") << "editableCombo" << ret << none << "spin";
    QTest::addRow("spin box") << "spin" << ret << none << "amount";
    QTest::addRow("amount box") << "amount" << ret << none << "date";
    QTest::addRow("date box, from its first section") << "date" << ret << none << "check";
    QTest::addRow("check box") << "check" << ret << none << "radioA";
    QTest::addRow("radio group leaves the group") << "radioA" << ret << none << "custom";
    QTest::addRow("custom box that opts in") << "custom" << ret << none << "plain";
    QTest::addRow("last control wraps to the first") << "last" << ret << none << "edit";
    QTest::addRow("keypad Enter") << "edit" << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << "masked";
    QTest::addRow("Shift+Enter goes back")
        << "masked" << ret << Qt::KeyboardModifiers(Qt::ShiftModifier) << "edit";
    QTest::addRow("Shift+Enter wraps to the last")
        << "edit" << ret << Qt::KeyboardModifiers(Qt::ShiftModifier) << "last";
    QTest::addRow("Shift+Enter leaves a date box")
        << "date" << ret << Qt::KeyboardModifiers(Qt::ShiftModifier) << "amount";
    // As Shift+Tab does, which enters an exclusive group at its last button.
    QTest::addRow("Shift+Enter into the radio group")
        << "custom" << ret << Qt::KeyboardModifiers(Qt::ShiftModifier) << "radioB";
    QTest::addRow("Alt+Enter is left alone")
        << "edit" << ret << Qt::KeyboardModifiers(Qt::AltModifier) << "edit";
    QTest::addRow("Ctrl+Enter is left alone")
        << "edit" << ret << Qt::KeyboardModifiers(Qt::ControlModifier) << "edit";
}

void TstJDGMessage::enterMovesFocus()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, to);

    EntryForm form;
    QVERIFY(showActive(form));
    QVERIFY(focusOn(form.named(from)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    QCOMPARE(focusName(form), to);
    QVERIFY(form.isVisible());

    // Exactly where Tab (Shift+Tab) goes from there.
    if (modifiers & (Qt::AltModifier | Qt::ControlModifier))
        return;
    EntryForm tabbed;
    QVERIFY(showActive(tabbed));
    QVERIFY(focusOn(tabbed.named(from)));
    const bool back = modifiers & Qt::ShiftModifier;
    QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                    back ? Qt::ShiftModifier : Qt::NoModifier);
    if (!qobject_cast<QDateEdit *>(tabbed.named(from)))
        QCOMPARE(focusName(tabbed), to);
}

void TstJDGMessage::controlNeverReceivesEnter()
{
    EntryForm form;
    QVERIFY(showActive(form));
    auto *edit = qobject_cast<QLineEdit *>(form.named(QStringLiteral("edit")));
    auto *custom = static_cast<CustomBox *>(form.named(QStringLiteral("custom")));
    auto *date = qobject_cast<QDateEdit *>(form.named(QStringLiteral("date")));
    QSignalSpy returnPressed(edit, &QLineEdit::returnPressed);

    QVERIFY(focusOn(edit));
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(focusOn(custom));
    QTest::keyClick(custom, Qt::Key_Return);
    QVERIFY(focusOn(date));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QCOMPARE(returnPressed.size(), 0);
    QCOMPARE(custom->enters, 0);
    QCOMPARE(date->date(), QDate(2024, 3, 15));
}

void TstJDGMessage::textEditorKeepsEnter()
{
    EntryForm form;
    QVERIFY(showActive(form));
    auto *plain = qobject_cast<QPlainTextEdit *>(form.named(QStringLiteral("plain")));
    QVERIFY(focusOn(plain));
    QTest::keyClicks(plain, QStringLiteral("uno"));
    QTest::keyClick(plain, Qt::Key_Return);
    QCOMPARE(focusName(form), QStringLiteral("plain"));
    QCOMPARE(plain->toPlainText(), QStringLiteral("uno\n"));
}

void TstJDGMessage::optedOutEditKeepsEnter()
{
    EntryForm form;
    auto *edit = qobject_cast<QLineEdit *>(form.named(QStringLiteral("edit")));
    edit->setProperty("enterActsAsTab", false);
    QVERIFY(showActive(form));
    QSignalSpy returnPressed(edit, &QLineEdit::returnPressed);
    QVERIFY(focusOn(edit));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(returnPressed.size(), 1);
    QCOMPARE(focusName(form), QStringLiteral("edit"));
}

void TstJDGMessage::enterPressesFocusedButton_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");

    QTest::addRow("push button, Return") << "button" << int(Qt::Key_Return);
    QTest::addRow("push button, keypad Enter") << "button" << int(Qt::Key_Enter);
    QTest::addRow("tool button") << "tool" << int(Qt::Key_Return);
}

void TstJDGMessage::enterPressesFocusedButton()
{
    QFETCH(QString, name);
    QFETCH(int, key);

    EntryForm form;
    QVERIFY(showActive(form));
    auto *button = qobject_cast<QAbstractButton *>(form.named(name));
    button->setFocusPolicy(Qt::StrongFocus);
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QVERIFY(focusOn(button));
    QTest::keyClick(button, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(focusName(form), name);
}

void TstJDGMessage::openComboListKeepsEnter()
{
    EntryForm form;
    QVERIFY(showActive(form));
    auto *combo = qobject_cast<QComboBox *>(form.named(QStringLiteral("combo")));
    QVERIFY(focusOn(combo));
    combo->showPopup();
    QTRY_VERIFY(QApplication::activePopupWidget());
    QWidget *popup = QApplication::activePopupWidget();
    QWidget *list = popup->focusWidget() ? popup->focusWidget() : popup;
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(focusName(form), QStringLiteral("combo"));
}

void TstJDGMessage::itemViewKeepsEnter_data()
{
    QTest::addColumn<bool>("grid");

    QTest::addRow("grid") << true;
    QTest::addRow("list box") << false;
}

void TstJDGMessage::itemViewKeepsEnter()
{
    QFETCH(bool, grid);

    QDialog window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit(&window));
    QStandardItemModel model(3, 2);
    QAbstractItemView *view = nullptr;
    if (grid) {
        auto *table = new QTableView(&window);
        table->setModel(&model);
        view = table;
    } else {
        auto *list = new QListWidget(&window);
        list->addItems({QStringLiteral("uno"), QStringLiteral("dos")});
        view = list;
    }
    layout->addWidget(view);
    layout->addWidget(new QLineEdit(&window));
    QVERIFY(showActive(window));
    QVERIFY(focusOn(view));
    view->setCurrentIndex(view->model()->index(1, 0));
    QSignalSpy activated(view, &QAbstractItemView::activated);

    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(activated.size(), 1);
    QCOMPARE(QApplication::focusWidget(), view);
    QCOMPARE(view->currentIndex(), view->model()->index(1, 0));
}

void TstJDGMessage::cellEditorKeepsEnter()
{
    QDialog window;
    auto *layout = new QVBoxLayout(&window);
    QStandardItemModel model(3, 2);
    auto *table = new QTableView(&window);
    table->setModel(&model);
    layout->addWidget(table);
    layout->addWidget(new QLineEdit(&window));
    QVERIFY(showActive(window));
    QVERIFY(focusOn(table));

    const QModelIndex cell = model.index(0, 0);
    table->setCurrentIndex(cell);
    table->edit(cell);
    QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(table->isAncestorOf(editor));
    QTest::keyClicks(editor, QStringLiteral("nuevo"));
    QTest::keyClick(editor, Qt::Key_Return);

    // Enter commits the cell (the delegate does it queued) and closes its editor; as Tab it would
    // have opened the next cell's editor.
    QTRY_COMPARE(model.data(cell).toString(), QStringLiteral("nuevo"));
    QTRY_COMPARE(QApplication::focusWidget(), table);
    QCOMPARE(table->currentIndex(), cell);
}

void TstJDGMessage::noDefaultButtonInProgramWindow()
{
    QDialog window;
    auto *layout = new QVBoxLayout(&window);
    auto *edit = new QLineEdit(&window);
    layout->addWidget(edit);
    auto *extra = new QPushButton(QStringLiteral("Buscar"), &window);
    extra->setDefault(true);
    layout->addWidget(extra);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &window);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);
    QVERIFY(showActive(window));

    const QList<QPushButton *> pushButtons = window.findChildren<QPushButton *>();
    QCOMPARE(pushButtons.size(), 3);
    for (const QPushButton *button : pushButtons) {
        QVERIFY2(!button->isDefault(), qPrintable(button->text()));
        QVERIFY2(!button->autoDefault(), qPrintable(button->text()));
    }

    // Enter in the edit moves on rather than pressing any button.
    QVERIFY(focusOn(edit));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), extra);
    QVERIFY(window.isVisible());

    // Enter on the focused OK presses it once.
    QSignalSpy accepted(buttons, &QDialogButtonBox::accepted);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    QVERIFY(focusOn(ok));
    QTest::keyClick(ok, Qt::Key_Return);
    QCOMPARE(accepted.size(), 1);
    QCOMPARE(window.result(), int(QDialog::Accepted));

    // Shown again (the button box makes OK default on every Show), still none.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const QPushButton *button : pushButtons)
        QVERIFY2(!button->isDefault(), qPrintable(button->text()));
}

void TstJDGMessage::fileDialogAcceptsOnEnter()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFileDialog dialog(nullptr, QStringLiteral("Guardar"), folder.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QVERIFY(showActive(dialog));
    auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    QVERIFY(focusOn(name));
    QTest::keyClicks(name, QStringLiteral("salida.txt"));
    QTRY_VERIFY(!QApplication::activePopupWidget());

    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.selectedFiles(), QStringList{folder.filePath(QStringLiteral("salida.txt"))});
}

void TstJDGMessage::messageBoxAcceptsOnEnter()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Atención"), QStringLiteral("¿Borrar?"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    QVERIFY(showActive(box));
    // Its own default button stays.
    QVERIFY(box.defaultButton()->isDefault());
    QVERIFY(QApplication::focusWidget());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(box.clickedButton(), box.button(QMessageBox::Ok));
    QVERIFY(!box.isVisible());
}

void TstJDGMessage::inputDialogAcceptsOnEnter()
{
    QInputDialog dialog;
    dialog.setLabelText(QStringLiteral("RUT"));
    QVERIFY(showActive(dialog));
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(edit);
    QTest::keyClicks(edit, QStringLiteral("12345678"));

    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.textValue(), QStringLiteral("12345678"));
}

QTEST_MAIN(TstJDGMessage)

#include "tst_jdgmessage.moc"
