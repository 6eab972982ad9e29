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

    std::string status() const override { return m_status; }
    void stop() override;

protected:
    explicit SocketFocusWatcher(std::string notStarted) : m_status(std::move(notStarted)) {}

    // Connects to `path` (what `what` names in messages); false, with the
    // status saying so, when it does not answer.
    bool connectTo(const QString &path, const std::string &what, Callback onFocus);
    // New bytes are in buffer(); take what is whole.
    virtual void readable() = 0;

    QLocalSocket &socket() { return *m_socket; }
    QByteArray &buffer() { return m_buffer; }
    void report(const FocusEvent &event) { m_onFocus(event); }
    // Ends the connection on a message that cannot be one.
    void fail(const std::string &why);

    std::string m_status;

private:
    std::unique_ptr<QLocalSocket> m_socket;
    QByteArray m_buffer;
    Callback m_onFocus;
};

} // namespace platform
