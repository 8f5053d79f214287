#include "app/QtTranslations.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

// Qt's own dialogs and buttons speak the user's language.
class TestQtTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void qtTextsInUserLanguage_data();
    void qtTextsInUserLanguage();
    void cleanup();
};

void TestQtTranslations::qtTextsInUserLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("lookIn");
    QTest::addRow("Spanish") << QStringLiteral("es_CL") << QStringLiteral("Cancelar")
                             << QStringLiteral("Ver en:");
    QTest::addRow("English") << QStringLiteral("en_US") << QStringLiteral("Cancel")
                             << QStringLiteral("Look in:");
}

void TestQtTranslations::qtTextsInUserLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, cancel);
    QFETCH(QString, lookIn);

    installQtTranslations(*qApp, QLocale(locale));
    QMessageBox box;
    QCOMPARE(box.addButton(QMessageBox::Cancel)->text(), cancel);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto *label = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"));
    QVERIFY(label);
    QCOMPARE(label->text(), lookIn);
}

void TestQtTranslations::cleanup()
{
    qDeleteAll(qApp->findChildren<QTranslator *>());
}

QTEST_MAIN(TestQtTranslations)
#include "tst_qttranslations.moc"
