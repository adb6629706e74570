#include "controls/miniaturejob.h"

#include <QThreadPool>
#include <atomic>

namespace {

// Items a worker takes before it gives its thread back to the pool, so that other short tasks
// waiting there (the enable rules of a running operation) get their turn during a long reading.
constexpr int tur = 8;

}  // namespace

struct MiniatureJob::Tilstand {
    QList<int> raekkefoelge;
    std::function<void(int)> arbejde;
    std::atomic_int naeste = 0;
    std::atomic_bool stop = false;
};

void MiniatureJob::arbejder(const std::shared_ptr<Tilstand>& t)
{
    for (int i = 0; i < tur && !t->stop; ++i) {
        const int n = t->naeste++;
        if (n >= t->raekkefoelge.size())
            return;
        t->arbejde(t->raekkefoelge[n]);
    }
    if (!t->stop && t->naeste < t->raekkefoelge.size())
        QThreadPool::globalInstance()->start([t] { arbejder(t); });
}

MiniatureJob::MiniatureJob(QList<int> raekkefoelge, std::function<void(int)> arbejde) : tilstand(std::make_shared<Tilstand>())
{
    tilstand->raekkefoelge = std::move(raekkefoelge);
    tilstand->arbejde = std::move(arbejde);
    const qsizetype arbejdere = std::min<qsizetype>(std::max(1, QThread::idealThreadCount()), tilstand->raekkefoelge.size());
    for (qsizetype i = 0; i < arbejdere; ++i)
        QThreadPool::globalInstance()->start([t = tilstand] { arbejder(t); });
}

MiniatureJob::~MiniatureJob() { stop(); }

void MiniatureJob::stop() { tilstand->stop = true; }
