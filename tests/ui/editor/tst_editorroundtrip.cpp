#include "io/DeclarationReader.h"
#include "io/DeclarationWriter.h"
#include "model/RecordTable.h"
#include "ui/UnitDespTarvinel.h"
#include "ui/editor/UnitDatosTarvinel.h"
#include "ui/widgets/CodeComboBox.h"
#include "ui/widgets/CurrencyEdit.h"
#include "ui/widgets/PictureEdit.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpperCaseEdit.h"
#include "util/Cp1252.h"
#include "util/ProgramInfo.h"

#include "Controls.h"
#include "ScriptedPlatform.h"
#include "TestFiles.h"
#include "TestLocale.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// The changes of the test to the first line of the file.
void modifyFirstLine(TFrmDatosTarvinel &editor)
{
    control<UpperCaseEdit>(editor, "EdApeMat")->setText(QStringLiteral("sotomayor"));
    control<UpperCaseEdit>(editor, "EdCargasSimples")->setText(QStringLiteral("2"));
    control<CurrencyEdit>(editor, "CuEdAsigFamiliar")->setValue(13000);
    control<QPushButton>(editor, "BitBtn1")->click();
}

// The line the test adds; the period is set, so that the result does not depend on today.
void composeNewLine(TFrmDatosTarvinel &editor)
{
    control<PictureEdit>(editor, "EdRut")->setValue(QStringLiteral("6"));
    control<UpperCaseEdit>(editor, "EdDV")->setText(QStringLiteral("k"));
    control<RadioGroup>(editor, "RGpSexo")->setItemIndex(1);
    control<UpperCaseEdit>(editor, "EdApepat")->setText(QString::fromUtf8("núñez"));
    control<UpperCaseEdit>(editor, "EdApeMat")->setText(QStringLiteral("DIAZ"));
    control<UpperCaseEdit>(editor, "EdNombres")->setText(QStringLiteral("LUIS"));
    control<PictureEdit>(editor, "EdPerDesde")->setValue(QStringLiteral("052024"));
    control<CurrencyEdit>(editor, "CuEdDiasTrab")->setValue(30);
    control<CodeComboBox>(editor, "CBxTipoLinea")->setCurrentIndex(0);
    control<CurrencyEdit>(editor, "CuEdImpoAFP")->setValue(500000);
    control<QPushButton>(editor, "BitBtn1")->click();
}

} // namespace

class TestEditorRoundTrip : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void editAndWrite_data();
    void editAndWrite();

private:
    void compareWithExpected(const QString &written);

    std::unique_ptr<TestLocale> m_locale;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ScriptedPlatform> m_platform;
};

void TestEditorRoundTrip::init()
{
    m_locale = std::make_unique<TestLocale>("es_CL");
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    programinfo::setProgramFolder(m_folder->path());
    QVERIFY(installTestCodeTable(m_folder->path()));
    m_platform = std::make_unique<ScriptedPlatform>();
}

void TestEditorRoundTrip::cleanup()
{
    m_platform.reset();
    programinfo::setProgramFolder(QString());
    m_folder.reset();
    m_locale.reset();
}

void TestEditorRoundTrip::compareWithExpected(const QString &written)
{
    const QByteArray actual = fileBytes(written);
    const QByteArray expected = fileBytes(dataFile(QStringLiteral("two_lines_separated_edited.txt")));
    QVERIFY(!expected.isEmpty());
    // Line by line first, so that a difference reads as text.
    const QList<QByteArray> actualLines = actual.split('\n');
    const QList<QByteArray> expectedLines = expected.split('\n');
    for (qsizetype i = 0; i < std::min(actualLines.size(), expectedLines.size()); ++i)
        QCOMPARE(cp1252::toUnicode(actualLines[i]), cp1252::toUnicode(expectedLines[i]));
    QCOMPARE(actual, expected);
}

void TestEditorRoundTrip::editAndWrite_data()
{
    QTest::addColumn<bool>("throughListing");
    QTest::addRow("editor on the table") << false;
    QTest::addRow("through the listing window") << true;
}

void TestEditorRoundTrip::editAndWrite()
{
    QFETCH(bool, throughListing);
    const QString input = dataFile(QStringLiteral("two_lines_separated.txt"));
    const QString output = m_folder->filePath(QStringLiteral("written.txt"));

    if (!throughListing) {
        RecordTable table;
        declaration::read(input, linelayout::Layout::Separated, table);
        QCOMPARE(table.rowCount(), 2);
        // As if the reader had seen the first line with a field missing.
        ReaderNote note;
        note.shape = ReaderNote::Shape::Fields;
        note.seen = 104;
        table.setReaderNote(0, note);
        table.moveTo(0);
        {
            TFrmDatosTarvinel editor(table, false, nullptr, QDate(2024, 5, 15));
            m_platform->onNextModal([](QDialog &d) { modifyFirstLine(static_cast<TFrmDatosTarvinel &>(d)); });
            QCOMPARE(platform::current().showModal(editor), int(QDialog::Accepted));
        }
        // Saved from the editor, the line was reviewed field by field.
        QCOMPARE(table.readerNote(0), nullptr);
        {
            TFrmDatosTarvinel editor(table, true, nullptr, QDate(2024, 5, 15));
            m_platform->onNextModal([](QDialog &d) { composeNewLine(static_cast<TFrmDatosTarvinel &>(d)); });
            QCOMPARE(platform::current().showModal(editor), int(QDialog::Accepted));
        }
        QCOMPARE(table.rowCount(), 3);
        declaration::write(table, linelayout::Layout::Separated, output);
        QVERIFY(m_platform->messages.isEmpty());
        compareWithExpected(output);
        return;
    }

    TFrmTarvinel listing(linelayout::Layout::Separated);
    declaration::read(input, linelayout::Layout::Separated, listing.RxMem());
    listing.show();
    auto *modificar = listing.findChild<QToolButton *>(QStringLiteral("SpeedButton6"));
    QVERIFY(modificar && modificar->isEnabled());
    QAction *agregar = nullptr;
    for (QAction *action : listing.findChild<QMenu *>(QStringLiteral("PopupMenu1"))->actions()) {
        if (action->text() == QStringLiteral("Agregar"))
            agregar = action;
    }
    QVERIFY(agregar);

    listing.RxMem().moveTo(0);
    m_platform->onNextModal([](QDialog &d) {
        auto &editor = static_cast<TFrmDatosTarvinel &>(d);
        QVERIFY(!editor.addMode());
        QCOMPARE(control<UpperCaseEdit>(editor, "EdApepat")->text(), QString::fromUtf8("MUÑOZ"));
        modifyFirstLine(editor);
    });
    modificar->click();
    QVERIFY(listing.hasUnsavedChanges());
    m_platform->onNextModal([](QDialog &d) {
        auto &editor = static_cast<TFrmDatosTarvinel &>(d);
        QVERIFY(editor.addMode());
        composeNewLine(editor);
    });
    agregar->trigger();
    QCOMPARE(m_platform->pendingModalHandlers(), 0);
    QCOMPARE(m_platform->modalWindows.size(), 2);
    QCOMPARE(listing.RxMem().rowCount(), 3);
    // Renumbered after the addition: the new line, in front of the first, is line 1.
    for (int row = 0; row < 3; ++row)
        QCOMPARE(listing.RxMem().textAt(row, 0), QByteArray::number(row + 1));
    QCOMPARE(listing.RxMem().currentRow(), 2); // the renumbering leaves the last line current

    m_platform->fileNames.enqueue(output);
    listing.findChild<QToolButton *>(QStringLiteral("SpeedButton1"))->click();
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(!listing.hasUnsavedChanges());
    compareWithExpected(output);
}

QTEST_MAIN(TestEditorRoundTrip)
#include "tst_editorroundtrip.moc"
