#include "platform/Confirmar.h"

#include "ScriptedPlatform.h"

#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<platform::Answer>)

class TestConfirmar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void confirmar_data();
    void confirmar();
};

void TestConfirmar::confirmar_data()
{
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QString>("segundo");
    QTest::addColumn<std::optional<platform::Answer>>("pressed"); // nullopt: Enter on the default
    QTest::addColumn<QString>("shown");
    QTest::addColumn<platform::Answer>("answer");

    const QString m = QStringLiteral("¿Seguro de Eliminar este Registro?");
    QTest::addRow("no second text, Enter")
        << m << QString() << std::optional<platform::Answer>() << m << platform::Answer::Cancel;
    QTest::addRow("no second text, OK")
        << m << QString() << std::optional(platform::Answer::Ok) << m << platform::Answer::Ok;
    QTest::addRow("second text after LF CR")
        << QStringLiteral("M") << QStringLiteral("S") << std::optional(platform::Answer::Ok)
        << QStringLiteral("M\n\rS") << platform::Answer::Ok;
    QTest::addRow("second text, Cancel")
        << QStringLiteral("M") << QStringLiteral("S") << std::optional(platform::Answer::Cancel)
        << QStringLiteral("M\n\rS") << platform::Answer::Cancel;
}

void TestConfirmar::confirmar()
{
    QFETCH(QString, mensaje);
    QFETCH(QString, segundo);
    QFETCH(std::optional<platform::Answer>, pressed);
    QFETCH(QString, shown);
    QFETCH(platform::Answer, answer);

    ScriptedPlatform scripted;
    if (pressed)
        scripted.answers.enqueue(*pressed);
    QCOMPARE(Confirmar(mensaje, segundo), answer);

    QCOMPARE(scripted.messages.size(), 1);
    const platform::MessageRequest &box = scripted.messages.constFirst();
    QCOMPARE(box.text, shown);
    QCOMPARE(box.caption, QStringLiteral("Atención"));
    QCOMPARE(box.icon, platform::Icon::Question);
    QVERIFY(box.withCancel);
    QCOMPARE(box.defaultAnswer, platform::Answer::Cancel);
}

QTEST_MAIN(TestConfirmar)
#include "tst_confirmar.moc"
