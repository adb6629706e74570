#include "tools/findtekst/tekstsoegning.h"

#include <QMutex>
#include <QThreadPool>

// What the task and the window share: the stop flag and the rows not yet handed over.
struct Tekstsoegning::Tilstand {
    std::atomic_bool stop = false;
    QMutex laas;
    QList<Fundraekke> venter;
    bool afleveringBedt = false;
};

Tekstsoegning::Tekstsoegning(QObject* parent, Dokumentlaeser laeser) : QObject(parent), laeser(std::move(laeser)) {}

Tekstsoegning::~Tekstsoegning()
{
    stop();
    if (opgave.valid())
        opgave.wait();
}

void Tekstsoegning::start(const QString& mappe, const QString& moenster, const QString& soegeord, SoegeValg valg)
{
    stop();
    if (opgave.valid())
        opgave.wait();
    auto tilstand = std::make_shared<Tilstand>();
    aktiv = tilstand;
    auto faerdigLoefte = std::make_shared<std::promise<void>>();
    opgave = faerdigLoefte->get_future();
    // The task reaches this object only by events posted to it; it lives until the task ends,
    // as its destructor waits for it.
    QThreadPool::globalInstance()->start([this, tilstand, faerdigLoefte, mappe, moenster, soegeord, valg] {
        Soegeresultat resultat;
        try {
            resultat = soegDokumenter(mappe, moenster, soegeord, valg, tilstand->stop, laeser,
                                      [this, &tilstand](QList<Fundraekke>&& raekker) {
                                          QMutexLocker laas(&tilstand->laas);
                                          tilstand->venter.append(std::move(raekker));
                                          if (!std::exchange(tilstand->afleveringBedt, true))
                                              QMetaObject::invokeMethod(this, [this, tilstand] { aflever(tilstand); },
                                                                        Qt::QueuedConnection);
                                      });
        } catch (...) {
            resultat.fejl = true;
        }
        QMetaObject::invokeMethod(this, [this, tilstand, resultat] { afslut(tilstand, resultat); }, Qt::QueuedConnection);
        faerdigLoefte->set_value();
    });
}

void Tekstsoegning::stop()
{
    if (aktiv)
        aktiv->stop = true;
}

void Tekstsoegning::aflever(const std::shared_ptr<Tilstand>& tilstand)
{
    QList<Fundraekke> raekker;
    {
        QMutexLocker laas(&tilstand->laas);
        raekker.swap(tilstand->venter);
        tilstand->afleveringBedt = false;
    }
    if (!raekker.isEmpty() && tilstand == aktiv)
        Q_EMIT fundet(raekker);
}

void Tekstsoegning::afslut(const std::shared_ptr<Tilstand>& tilstand, const Soegeresultat& resultat)
{
    aflever(tilstand);
    if (tilstand != aktiv)
        return;
    aktiv.reset();
    Q_EMIT faerdig(resultat);
}
