#include "FocusCall.h"

#include <algorithm>

namespace platform {

std::optional<FocusEvent> focusEventFromCall(const QString &appId, const QString &title)
{
    if (appId.isEmpty() || !appId.isValidUtf16() || !title.isValidUtf16())
        return std::nullopt;
    const QByteArray id = appId.toUtf8();
    QByteArray text = title.toUtf8();
    if (id.size() > kMaxFocusAppIdBytes || text.size() > kMaxFocusTitleBytes)
        return std::nullopt;
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; };
    if (std::any_of(id.begin(), id.end(), control))
        return std::nullopt;
    std::replace_if(text.begin(), text.end(), control, ' ');
    FocusEvent event;
    event.appId = id.toStdString();
    event.title = text.toStdString();
    return event;
}

void CallRate::refill(qint64 nowMs)
{
    if (m_lastMs < 0 || nowMs < m_lastMs) {
        m_lastMs = nowMs;
        return;
    }
    const qint64 earned = (nowMs - m_lastMs) / m_intervalMs;
    if (earned <= 0)
        return;
    m_tokens = int(std::min<qint64>(m_burst, m_tokens + earned));
    m_lastMs += earned * m_intervalMs;
    if (m_tokens == m_burst)
        m_lastMs = nowMs;
}

bool CallRate::take(qint64 nowMs)
{
    refill(nowMs);
    if (m_tokens == 0)
        return false;
    --m_tokens;
    return true;
}

qint64 CallRate::wait(qint64 nowMs) const
{
    CallRate probe = *this;
    probe.refill(nowMs);
    return probe.m_tokens > 0 ? 0 : probe.m_lastMs + m_intervalMs - nowMs;
}

} // namespace platform
