#include "account/NewestAnswer.h"

namespace TandAccount {

NewestAnswer::Ticket::Ticket(std::weak_ptr<const quint64> newest, quint64 number)
    : m_newest(std::move(newest))
    , m_number(number)
{
}

bool NewestAnswer::Ticket::counts() const
{
    const std::shared_ptr<const quint64> newest = m_newest.lock();
    return newest && *newest == m_number;
}

NewestAnswer::Ticket NewestAnswer::next()
{
    return Ticket(m_newest, ++*m_newest);
}

void NewestAnswer::dropAll()
{
    ++*m_newest;
}

} // namespace TandAccount
