#pragma once

#include <QList>
#include <functional>
#include <memory>

// Work on a list of items spread over the shared thread pool, one worker per core; each worker
// takes the next item until the list is done or the job is stopped. The stop flag is looked at
// between items. Destroying the job stops it and waits for its workers, so that nothing they
// reach is destroyed under them.
class MiniatureJob {
public:
    MiniatureJob(QList<int> raekkefoelge, std::function<void(int)> arbejde);
    ~MiniatureJob();
    MiniatureJob(const MiniatureJob&) = delete;
    MiniatureJob& operator=(const MiniatureJob&) = delete;

    void stop();
    // Waits until every worker has ended.
    void vent();

private:
    struct Tilstand;
    std::shared_ptr<Tilstand> tilstand;
};
