#pragma once

#include <QList>
#include <functional>
#include <memory>

// Work on a list of items spread over the shared thread pool, one worker per core; each worker
// takes the next items until the list is done or the job is stopped, handing its thread back to
// the pool now and then. The stop flag is looked at between items. Destroying the job stops it
// without waiting: a worker busy with an item (a picture on a mount that no longer answers) ends
// it on its own, so the work must own everything it reaches or guard it.
class MiniatureJob {
public:
    MiniatureJob(QList<int> raekkefoelge, std::function<void(int)> arbejde);
    ~MiniatureJob();
    MiniatureJob(const MiniatureJob&) = delete;
    MiniatureJob& operator=(const MiniatureJob&) = delete;

    void stop();

private:
    struct Tilstand;
    static void arbejder(const std::shared_ptr<Tilstand>& t);
    std::shared_ptr<Tilstand> tilstand;
};
