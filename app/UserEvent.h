#pragma once
// The event the main window posts to itself after a connect, so that the
// pages' run() is called after their initUI().

#include <QEvent>

class UserEvent : public QEvent
{
public:
    static constexpr QEvent::Type kType = QEvent::User;  // 1000
    static constexpr int kRunUiCode = 2177;

    explicit UserEvent(int code)
        : QEvent(kType)
        , m_code(code)
    {
    }
    int code() const { return m_code; }

private:
    int m_code;
};
