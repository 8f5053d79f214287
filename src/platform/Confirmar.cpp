#include "platform/Confirmar.h"

#include <QApplication>

platform::Answer Confirmar(const QString &mensaje, const QString &segundo, QWidget *parent)
{
    QString text = mensaje;
    if (!segundo.isEmpty())
        text += QStringLiteral("\n\r") + segundo;
    const platform::MessageRequest request{QStringLiteral("Atención"), text, platform::Icon::Question, true,
                                           platform::Answer::Cancel};
    return platform::current().message(parent ? parent : QApplication::activeWindow(), request);
}
