#pragma once

#include <QObject>

#include <functional>

class QThread;

// One piece of work off the user-interface thread, and the one place a
// window waits for it. The work returns what is to be done with its result
// on the window's thread; that runs once the work has returned and its
// thread is gone, after whatever else the work posted to the window.
class Background : public QObject
{
    Q_OBJECT

public:
    using Then = std::function<void()>;
    using Work = std::function<Then()>;

    // `window` receives what the work posts while it runs.
    explicit Background(QObject *window);
    ~Background() override; // waits, dropping what the work returns

    bool running() const { return thread != nullptr; }
    // A job still running is waited for and dropped first.
    void start(Work work);
    // Blocks until the work has returned. With `finish`, what it posted and
    // what it returned run now; without, they are dropped.
    void wait(bool finish);

private:
    void ended(unsigned job, const Then &then);
    void reap();

    QThread *thread = nullptr;
    unsigned job = 0; // the running one's number; a dropped one's is past
};
