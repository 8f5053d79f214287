#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

// A stand-in for the desktop that answers boxes and dialogs from a script and records what the
// program asked. It installs itself on construction and restores the Qt platform when destroyed.
//
// Modal windows: each showModal() takes the next handler of the queue, shows the window without a
// modal loop and calls the handler with it; the handler drives the window (clicks, keys) and the
// window closes itself or the handler closes it. A window shown with no handler queued goes to
// `unscriptedModal` when one is set, and is otherwise rejected at once and counted in
// `unexpectedModals`.
class ScriptedPlatform final : public platform::Platform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // Answers for the next message boxes; when none is queued the box's default button answers.
    QQueue<platform::Answer> answers;
    // Answers for the next file dialogs; an empty string or an empty queue means Cancel.
    QQueue<QString> fileNames;
    bool urlResult = true;
    // Runs each modal window in its own modal loop, as the desktop does, with the handler called
    // from inside it.
    bool modalLoops = false;

    QList<platform::MessageRequest> messages;
    QList<platform::FileRequest> openRequests;
    QList<platform::FileRequest> saveRequests;
    QList<QUrl> openedUrls;
    QStringList modalWindows; // class names of the windows shown modally, in order
    int unexpectedModals = 0;

    using ModalHandler = std::function<void(QDialog &)>;
    // Consulted when the queues are empty, instead of the defaults: the answer to a box, the path
    // chosen in an open or save dialog (empty: Cancel), the driver of a modal window.
    std::function<platform::Answer(const platform::MessageRequest &)> answerSource;
    std::function<QString(const platform::FileRequest &)> openSource;
    std::function<QString(const platform::FileRequest &)> saveSource;
    ModalHandler unscriptedModal;

    void onNextModal(ModalHandler handler) { m_handlers.enqueue(std::move(handler)); }
    int pendingModalHandlers() const { return int(m_handlers.size()); }

    // The text of the last box, or an empty string.
    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.constLast().text; }

    platform::Answer message(QWidget *parent, const platform::MessageRequest &request) override;
    QString openFileName(QWidget *parent, const platform::FileRequest &request) override;
    QString saveFileName(QWidget *parent, const platform::FileRequest &request) override;
    bool openUrl(const QUrl &url) override;
    int showModal(QDialog &dialog) override;

private:
    QQueue<ModalHandler> m_handlers;
};
