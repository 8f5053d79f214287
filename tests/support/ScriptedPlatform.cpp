#include "ScriptedPlatform.h"

#include <QDialog>
#include <QTimer>

ScriptedPlatform::ScriptedPlatform()
{
    platform::install(this);
}

ScriptedPlatform::~ScriptedPlatform()
{
    platform::install(nullptr);
}

platform::Answer ScriptedPlatform::message(QWidget *, const platform::MessageRequest &request)
{
    messages.append(request);
    if (!answers.isEmpty())
        return answers.dequeue();
    return answerSource ? answerSource(request) : request.defaultAnswer;
}

QString ScriptedPlatform::openFileName(QWidget *, const platform::FileRequest &request)
{
    openRequests.append(request);
    if (!fileNames.isEmpty())
        return fileNames.dequeue();
    return openSource ? openSource(request) : QString();
}

QString ScriptedPlatform::saveFileName(QWidget *, const platform::FileRequest &request)
{
    saveRequests.append(request);
    if (!fileNames.isEmpty())
        return fileNames.dequeue();
    return saveSource ? saveSource(request) : QString();
}

bool ScriptedPlatform::openUrl(const QUrl &url)
{
    openedUrls.append(url);
    return urlResult;
}

int ScriptedPlatform::showModal(QDialog &dialog)
{
    modalWindows.append(QString::fromLatin1(dialog.metaObject()->className()));
    if (m_handlers.isEmpty() && !unscriptedModal) {
        ++unexpectedModals;
        return QDialog::Rejected;
    }
    const ModalHandler handler = m_handlers.isEmpty() ? unscriptedModal : m_handlers.dequeue();
    if (modalLoops) {
        QTimer::singleShot(0, &dialog, [&dialog, handler] {
            handler(dialog);
            if (dialog.isVisible())
                dialog.reject();
        });
        return dialog.exec();
    }
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    handler(dialog);
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}
