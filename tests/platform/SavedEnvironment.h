#pragma once
// Environment variables set for a test desktop; the values they replaced come
// back, last set first restored, when it ends.

#include <QByteArray>

#include <utility>
#include <vector>

class SavedEnvironment
{
public:
    ~SavedEnvironment()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it)
            it->second.isNull() ? qunsetenv(it->first) : qputenv(it->first, it->second);
    }
    void set(const char *name, const QByteArray &value)
    {
        m_saved.emplace_back(name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
        qputenv(name, value);
    }

protected:
    // The value the first set replaced.
    const QByteArray &firstReplaced() const { return m_saved.front().second; }

private:
    std::vector<std::pair<const char *, QByteArray>> m_saved;
};
