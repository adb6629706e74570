#pragma once

#include "controls/billedlaeser.h"
#include "controls/tknappan.h"

#include <memory>

class MiniatureJob;

// The pictures of a folder as thumbnails: the panel reads them on the shared thread pool when
// the folder, the counts or the size change, shows each as it arrives, and keeps the thumbnails
// within its picture list's memory budget, remaking those far from the shown page when they
// come near. A picture that cannot be read shows a broken-picture mark.
class TBibPan : public TKnapPan {
    Q_OBJECT
public:
    explicit TBibPan(QWidget* parent = nullptr);
    ~TBibPan() override;

    // One entry per picture: the file name, and the picture's own upright width and height (0
    // when unknown).
    struct BilledPost {
        QString navn;
        QSize stoerrelse;
        bool fejl = false;
        bool laest = false;
    };

    QString Bibliotek() const { return bibliotek; }
    void setBibliotek(const QString& mappe);
    TFilType FilType = ftBegge;
    bool Centrer = true;
    int IndreMargen = 0;
    QColor FeltFarve() const { return feltFarve; }
    // A colour change only repaints: the thumbnails are kept without their background.
    void setFeltFarve(const QColor& farve);
    // The desktop's shared thumbnail cache is read and written.
    bool BrugCache = true;

    void NyeFelterVL(int AVandret, int ALodret);
    QString GetFilnavn(int FeltNr, bool MedSti) const;
    int GetBredde(int FeltNr) const;
    int GetHojde(int FeltNr) const;
    const QList<BilledPost>& Poster() const { return poster; }
    // True while pictures are being read.
    bool Laeser() const { return laesning != nullptr; }
    // Reads every picture of the folder again.
    void LoadListe();
    // The size each thumbnail is made in: the field inside the frame.
    QSize MiniatureStoerrelse() const;

Q_SIGNALS:
    void OnProgress(int procent);
    void OnAntalIalt(int antal);
    // The folder's pictures are listed, before any is read.
    void OnListet(int antal);
    // A picture has been read for the first time: its size is known.
    void OnBilledLaest(int item);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void tegnFelt(QPainter& p, const FeltRec& felt) override;

private:
    QSize friPlads() const;
    // Reads now once the panel is shown; before that the reading waits for the first painting.
    void laesNaarMalet();
    void stopLaesning();
    void modtag(int generation, int nr, const Miniature& m, bool fraCache);
    void afslutLaesning();
    // Remakes the thumbnails near the shown page that the budget dropped.
    void sikrNaerSide();
    void overholdBudget();
    bool naerSide(int nr) const;
    std::unique_ptr<MiniatureJob> startJob(QList<int> numre);

    QString bibliotek;
    QColor feltFarve;
    QList<BilledPost> poster;
    QStringList stier;
    QList<bool> skalGemmes;  // read without a valid cache entry
    std::unique_ptr<MiniatureJob> laesning;
    std::unique_ptr<MiniatureJob> genskabelse;
    std::unique_ptr<MiniatureJob> cacheSkrivning;
    QList<int> igang;  // thumbnails being remade
    int generation = 0;
    int faerdige = 0;
    bool malet = false;
    bool udsat = false;  // a reading asked for before the panel was shown
};
