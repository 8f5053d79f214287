#include "ScriptedPlatform.h"
#include "app/TexmendoApplication.h"
#include "util/AppError.h"
#include "util/ProgramInfo.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <stdexcept>

// An error that no window catches ends only the event that raised it: the error box shows it and
// the program goes on.
class TstTexmendoApplication : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void uncaughtErrorShowsBox_data();
    void uncaughtErrorShowsBox();
    void errorInsideModalWindowLeavesItOpen();
};

using Thrower = std::function<void()>;
Q_DECLARE_METATYPE(Thrower)

void TstTexmendoApplication::uncaughtErrorShowsBox_data()
{
    QTest::addColumn<Thrower>("thrower");
    QTest::addColumn<QString>("shown");

    QTest::addRow("AppError without full stop")
        << Thrower([] { throw AppError(QStringLiteral("File access denied")); })
        << QStringLiteral("File access denied.");
    QTest::addRow("AppError with full stop")
        << Thrower([] { throw AppError(QStringLiteral("Debe ingresar el RUT.")); })
        << QStringLiteral("Debe ingresar el RUT.");
    QTest::addRow("AppError with accents")
        << Thrower([] { throw AppError(QStringLiteral("Operación inválida")); })
        << QStringLiteral("Operación inválida.");
    QTest::addRow("standard exception")
        << Thrower([] { throw std::runtime_error("I/O error 5"); }) << QStringLiteral("I/O error 5.");
}

void TstTexmendoApplication::uncaughtErrorShowsBox()
{
    QFETCH(Thrower, thrower);
    QFETCH(QString, shown);
    ScriptedPlatform platform;

    QPushButton button(QStringLiteral("Probar"));
    int clicks = 0;
    connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        thrower();
    });
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));

    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.constFirst().text, shown);
    QCOMPARE(platform.messages.constFirst().caption, programinfo::title());
    QCOMPARE(platform.messages.constFirst().icon, platform::Icon::Error);
    QCOMPARE(platform.messages.constFirst().withCancel, false);

    // The program goes on: the same button works again.
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 2);
    QCOMPARE(platform.messages.size(), 2);
    QVERIFY(!button.isDown());
}

void TstTexmendoApplication::errorInsideModalWindowLeavesItOpen()
{
    ScriptedPlatform platform;
    QDialog dialog;
    auto *button = new QPushButton(QStringLiteral("Falla"), &dialog);
    connect(button, &QPushButton::clicked,
            [] { throw AppError(QStringLiteral("Invalid value for field 'nacion'")); });
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(platform.lastMessage(), QStringLiteral("Invalid value for field 'nacion'."));
    QVERIFY(dialog.isVisible());
}

int main(int argc, char *argv[])
{
    TexmendoApplication app(argc, argv);
    TstTexmendoApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_texmendoapplication.moc"
