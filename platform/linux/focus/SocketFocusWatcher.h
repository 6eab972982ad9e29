#pragma once
// A watcher that reads a compositor's events from its local socket: the
// connection, its end and the status line; subclasses read the messages.

#include "FocusWatcher.h"

#include <QByteArray>
#include <QLocalSocket>
#include <QString>

#include <memory>

namespace platform {

class SocketFocusWatcher : public FocusWatcher
{
public:
    ~SocketFocusWatcher() override;

    StatusText statusText() const override { return m_status; }
    void stop() override;

protected:
    // What the status says of the socket.
    struct Texts {
        const char *desktop;  // as "not started" names it
        FocusText silent;     // %1: the socket's path
        FocusText closed;
    };
    explicit SocketFocusWatcher(Texts texts)
        : m_status(focusStatus(FocusText::NotStarted, {texts.desktop})), m_texts(texts) {}

    // Connects to `path`; false, with the status saying so, when it does not answer.
    bool connectTo(const QString &path, Callback onFocus);
    // New bytes are in buffer(); take what is whole.
    virtual void readable() = 0;

    QLocalSocket &socket() { return *m_socket; }
    QByteArray &buffer() { return m_buffer; }
    void report(const FocusEvent &event) { m_onFocus(event); }
    // Ends the connection on a message that cannot be one.
    void fail(FocusText why);

    StatusText m_status;

private:
    Texts m_texts;
    std::unique_ptr<QLocalSocket> m_socket;
    QByteArray m_buffer;
    Callback m_onFocus;
};

} // namespace platform
