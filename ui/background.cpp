#include "background.h"

#include <QCoreApplication>
#include <QThread>

Background::Background(QObject *window) : QObject(window)
{
}

Background::~Background()
{
    wait(false);
}

void Background::start(Work work)
{
    wait(false);
    const unsigned number = ++job;
    thread = QThread::create([this, number, work = std::move(work)] {
        Then then = work();
        QMetaObject::invokeMethod(
            this, [this, number, then] { ended(number, then); }, Qt::QueuedConnection);
    });
    thread->start();
}

void Background::wait(bool finish)
{
    if (!thread)
        return;
    thread->wait();
    if (!finish) {
        // What the job posts to this object finds a newer number.
        ++job;
        reap();
        return;
    }
    // In the order posted: the work's own posts to the window, then its end.
    QCoreApplication::sendPostedEvents(parent());
    QCoreApplication::sendPostedEvents(this);
}

void Background::ended(unsigned number, const Then &then)
{
    if (number != job)
        return;
    reap();
    if (then)
        then();
}

void Background::reap()
{
    if (!thread)
        return;
    thread->wait();
    delete thread;
    thread = nullptr;
}
