#pragma once

#include <QtGlobal>

#include <memory>

namespace TandAccount {

// Only the answer to the newest request of a kind counts: a list asked for
// again while the last request is still out must not be overwritten by the
// older answer arriving late. Each request takes a ticket, and its answer
// checks it before anything else. A ticket that counts also vouches that
// the object holding this NewestAnswer still lives, so the answer may use
// that object; one that has gone takes every ticket with it.
class NewestAnswer
{
public:
    class Ticket
    {
    public:
        // No newer ticket was handed out, none was dropped, and the holder lives.
        bool counts() const;

    private:
        friend class NewestAnswer;
        Ticket(std::weak_ptr<const quint64> newest, quint64 number);

        std::weak_ptr<const quint64> m_newest;
        quint64 m_number;
    };

    NewestAnswer() = default;
    Q_DISABLE_COPY_MOVE(NewestAnswer)

    // The ticket of a new request: from now on no earlier one counts.
    Ticket next();
    // No ticket handed out so far counts any more (the session they were
    // asked for has ended, say).
    void dropAll();

private:
    std::shared_ptr<quint64> m_newest = std::make_shared<quint64>(0);
};

} // namespace TandAccount
