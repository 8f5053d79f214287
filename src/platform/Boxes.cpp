#include "platform/Boxes.h"

#include "util/ProgramInfo.h"

namespace boxes {

void note(QWidget *parent, const QString &text)
{
    platform::current().message(parent, {programinfo::title(), text, platform::Icon::None});
}

bool question(QWidget *parent, const QString &text)
{
    const platform::MessageRequest request{QStringLiteral("Atención"), text, platform::Icon::Question, true,
                                           platform::Answer::Cancel};
    return platform::current().message(parent, request) == platform::Answer::Ok;
}

void error(QWidget *parent, const QString &message)
{
    QString text = message;
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    platform::current().message(parent, {programinfo::title(), text, platform::Icon::Error});
}

} // namespace boxes
