#pragma once

#include "tools/findtekst/dokumentsoegning.h"

#include <QObject>
#include <future>
#include <memory>

// A search of documents run on the shared thread pool, so the window stays responsive: rows
// arrive through fundet in document order, then faerdig once. Stop lands within a MiB of reading
// or searching; destroying the object stops the search and waits for its task.
class Tekstsoegning : public QObject {
    Q_OBJECT
public:
    explicit Tekstsoegning(QObject* parent = nullptr, Dokumentlaeser laeser = laesDokument);
    ~Tekstsoegning() override;

    void start(const QString& mappe, const QString& moenster, const QString& soegeord, SoegeValg valg);
    void stop();
    bool koerer() const { return aktiv != nullptr; }

Q_SIGNALS:
    void fundet(const QList<Fundraekke>& raekker);
    void faerdig(const Soegeresultat& resultat);

private:
    struct Tilstand;
    void aflever(const std::shared_ptr<Tilstand>& tilstand);
    void afslut(const std::shared_ptr<Tilstand>& tilstand, const Soegeresultat& resultat);

    Dokumentlaeser laeser;
    std::shared_ptr<Tilstand> aktiv;
    std::future<void> opgave;
};
