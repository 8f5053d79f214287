#include "Controls.h"
#include "ScriptedPlatform.h"
#include "app/JDGMessage.h"
#include "app/UnitPrincipal.h"
#include "util/ProgramInfo.h"
#include "util/WebAddresses.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Records the caption the window has at the moment it is first shown.
class ShowWatcher : public QObject {
public:
    QString captionAtShow;
    int shows = 0;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && shows++ == 0)
            captionAtShow = static_cast<QWidget *>(watched)->windowTitle();
        return false;
    }
};

} // namespace

class TstPrincipal : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void captionWhenFirstShown();
    void startUpSetsHelpFileAndFilter();
    void buttons_data();
    void buttons();
    void aboutNeverVisible();
    void instructionLabels_data();
    void instructionLabels();
    void layoutFitsTheBevel();
    void salirCloses_data();
    void salirCloses();
    void linkOpensFaq();
    void editarArchivo();

private:
    QTemporaryDir m_folder;
};

void TstPrincipal::initTestCase()
{
    QVERIFY(m_folder.isValid());
    // The folder has no AYUDA.HLP: start-up must not care.
    programinfo::setProgramFolder(m_folder.path());
    // Closing the window under test must not end the test program.
    qApp->setQuitOnLastWindowClosed(false);
}

void TstPrincipal::captionWhenFirstShown()
{
    TFrmPrincipal window;
    ShowWatcher watcher;
    window.installEventFilter(&watcher);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(watcher.captionAtShow, QStringLiteral("Texmendo Versión: 2.0"));
}

void TstPrincipal::startUpSetsHelpFileAndFilter()
{
    TFrmPrincipal window;
    QCOMPARE(programinfo::helpFilePath(), m_folder.path() + QStringLiteral("/AYUDA.HLP"));
    QVERIFY(JDGMessage::isInstalled());
}

void TstPrincipal::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");

    QTest::addRow("Editar Archivo") << "BitBtn1"
                                    << "&Editar Archivo" << QRect(51, 16, 113, 57);
    QTest::addRow("Acerca de") << "BitBtn2"
                               << "&Acerca de..." << QRect(211, 16, 113, 57);
    QTest::addRow("Salir") << "BitBtn3"
                           << "&Salir" << QRect(371, 16, 113, 57);
}

void TstPrincipal::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);

    TFrmPrincipal window;
    auto *button = window.findChild<QPushButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->geometry(), geometry);
    QVERIFY(!button->icon().isNull());
    // The two states of the picture differ: a disabled button looks disabled.
    const QImage normal = button->icon().pixmap(32, QIcon::Normal).toImage();
    const QImage disabled = button->icon().pixmap(32, QIcon::Disabled).toImage();
    QVERIFY(normal != disabled);
}

void TstPrincipal::aboutNeverVisible()
{
    ScriptedPlatform platform;
    TFrmPrincipal window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *about = control<QPushButton>(window, "BitBtn2");
    QVERIFY(!about->isVisible());

    // Nor can its access key reach it.
    QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
    QVERIFY(!about->isVisible());
    QCOMPARE(platform.modalWindows, QStringList());
}

void TstPrincipal::instructionLabels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::addRow("Label1") << "Label1"
                            << QStringLiteral(
                                   "Este Programa, permite modificar el archivo de texto que se envía a "
                                   "Tarvinel, cuando es \nrechazado por errores.");
    QTest::addRow("Label2") << "Label2"
                            << QStringLiteral(
                                   "Seleccione el botón \"Editar Archivo\" e indique la ruta donde se "
                                   "encuentra el archivo de texto\ne indique en que formato se "
                                   "encuentra (por posición o por separador).");
    QTest::addRow("Label3") << "Label3"
                            << QStringLiteral(
                                   "Se desplegará en pantalla el archivo donde podrá editarlo para "
                                   "modificar los datos que tienen\nerrores.");
    QTest::addRow("Label4") << "Label4"
                            << QStringLiteral(
                                   "Una vez modificado vuelva a crear el archivo y envíelo nuevamente.");
    QTest::addRow("Label5") << "Label5"
                            << QStringLiteral(
                                   "Si usted necesita mas información sobre los formatos y validaciones "
                                   "de cada campo, rogamos \nbajar nuestro formato 105 campos desde la "
                                   "opción Ayuda Tarvinel, sección \"Descargas\".");
}

void TstPrincipal::instructionLabels()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    TFrmPrincipal window;
    auto *label = window.findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

// No line is cut off and nothing overlaps, whatever sans serif face this machine has.
void TstPrincipal::layoutFitsTheBevel()
{
    TFrmPrincipal window;
    const QRect bevel = control<QFrame>(window, "Bevel1")->geometry();
    QCOMPARE(bevel, QRect(40, 88, 457, 177));

    QList<QLabel *> stacked;
    for (int n = 1; n <= 5; ++n)
        stacked.append(window.findChild<QLabel *>(QStringLiteral("Label%1").arg(n)));
    stacked.append(control<QLabel>(window, "ExStaticText1"));
    int previousBottom = bevel.top();
    for (QLabel *label : stacked) {
        QVERIFY2(bevel.contains(label->geometry()), qPrintable(label->objectName()));
        QVERIFY2(label->geometry().top() > previousBottom, qPrintable(label->objectName()));
        previousBottom = label->geometry().bottom();
        const QFontMetrics metrics(label->font());
        for (const QString &line : label->text().split(QLatin1Char('\n')))
            QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
        QVERIFY(label->height() >= label->sizeHint().height());
    }

    auto *logo = control<QLabel>(window, "Image1");
    QCOMPARE(logo->size(), QSize(141, 42));
    QVERIFY(logo->geometry().top() > bevel.bottom());
    QVERIFY(window.rect().contains(logo->geometry()));
    QVERIFY(qAbs(logo->geometry().center().x() - window.width() / 2) <= 1);
}

void TstPrincipal::salirCloses_data()
{
    QTest::addColumn<bool>("byKeyboard");

    QTest::addRow("mouse click") << false;
    QTest::addRow("Enter on the focused button") << true;
}

void TstPrincipal::salirCloses()
{
    QFETCH(bool, byKeyboard);
    TFrmPrincipal window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *salir = control<QPushButton>(window, "BitBtn3");
    if (byKeyboard) {
        salir->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), salir);
        QTest::keyClick(salir, Qt::Key_Return);
    } else {
        QTest::mouseClick(salir, Qt::LeftButton);
    }
    QVERIFY(!window.isVisible());
    // The main window is what keeps the program running.
    QVERIFY(window.isWindow());
    QVERIFY(window.testAttribute(Qt::WA_QuitOnClose));
}

void TstPrincipal::linkOpensFaq()
{
    ScriptedPlatform platform;
    platform.urlResult = false; // a failure to open it is not reported
    TFrmPrincipal window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *link = control<QLabel>(window, "ExStaticText1");
    QCOMPARE(link->text(), webaddresses::faq());
    QVERIFY(link->font().underline());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));

    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(platform.openedUrls,
             QList<QUrl>{QUrl(QStringLiteral("https://www.tarvinel.cl/preguntas-frecuentes"))});

    QVERIFY(platform.messages.isEmpty());

    // A right click is no click.
    QTest::mouseClick(link, Qt::RightButton);
    QCOMPARE(platform.openedUrls.size(), 1);
}

void TstPrincipal::editarArchivo()
{
    ScriptedPlatform platform;
    TFrmPrincipal window;
    auto *edit = control<QPushButton>(window, "BitBtn1");
    QVERIFY(edit->isEnabled());
    QPointer<QDialog> shown;
    platform.onNextModal([&](QDialog &dialog) { shown = &dialog; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(platform.modalWindows, QStringList{QStringLiteral("TFrmSeleccionar")});
    // Destroyed as soon as it has been closed.
    QVERIFY(shown.isNull());
}

QTEST_MAIN(TstPrincipal)

#include "tst_principal.moc"
