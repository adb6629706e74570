#include "controls/tbibpan.h"

#include "controls/miniaturecache.h"
#include "controls/miniaturejob.h"
#include "controls/tbitmapx.h"
#include "controls/trammex.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QPainter>
#include <QTimer>
#include <numeric>

namespace {

// A sheet with a torn corner and a red cross: a picture that could not be read.
void tegnBrudtBillede(QPainter& p, const QRect& omraade)
{
    const int s = std::min({omraade.width() - 4, omraade.height() - 4, 40});
    if (s < 8)
        return;
    const QRect ark(omraade.center().x() - s / 2, omraade.center().y() - s / 2, s, s);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(245, 245, 245));
    const int hjoerne = s / 4;
    p.drawPolygon(QPolygon({ark.topLeft(), QPoint(ark.right() - hjoerne, ark.top()), QPoint(ark.right(), ark.top() + hjoerne),
                            ark.bottomRight(), ark.bottomLeft()}));
    p.setPen(QPen(QColor(200, 0, 0), std::max(2, s / 12)));
    const QRect kryds = ark.adjusted(s / 4, s / 4, -s / 4, -s / 4);
    p.drawLine(kryds.topLeft(), kryds.bottomRight());
    p.drawLine(kryds.topRight(), kryds.bottomLeft());
    p.restore();
}

int afstand(int nr, int start, int slut) { return nr < start ? start - nr : nr > slut ? nr - slut : 0; }

}  // namespace

TBibPan::TBibPan(QWidget* parent) : TKnapPan(parent), feltFarve(palette().color(QPalette::Button))
{
    felter.OnRepaint = [this] {
        update();
        sikrNaerSide();
    };
}

TBibPan::~TBibPan() { stopLaesning(); }

void TBibPan::setBibliotek(const QString& mappe)
{
    bibliotek = mappe.size() > 1 && mappe.endsWith(u'/') ? mappe.chopped(1) : mappe;
    laesNaarMalet();
}

void TBibPan::laesNaarMalet()
{
    udsat = !malet && !isVisible();
    if (!udsat)
        LoadListe();
}

void TBibPan::setFeltFarve(const QColor& farve)
{
    feltFarve = farve;
    update();
}

void TBibPan::NyeFelterVL(int AVandret, int ALodret)
{
    felter.NyeFelterVL(AVandret, ALodret, Klient());
    update();
    laesNaarMalet();
}

QString TBibPan::GetFilnavn(int FeltNr, bool MedSti) const
{
    if (FeltNr < 0 || FeltNr >= poster.size())
        return QString();
    return MedSti ? bibliotek + u'/' + poster[FeltNr].navn : poster[FeltNr].navn;
}

int TBibPan::GetBredde(int FeltNr) const { return FeltNr >= 0 && FeltNr < poster.size() ? poster[FeltNr].stoerrelse.width() : 0; }

int TBibPan::GetHojde(int FeltNr) const { return FeltNr >= 0 && FeltNr < poster.size() ? poster[FeltNr].stoerrelse.height() : 0; }

QSize TBibPan::MiniatureStoerrelse() const
{
    const int ramme = RammeFelt() ? 2 * RammeFelt()->Bredde : 0;
    return QSize(felter.FeltBredde - ramme, felter.FeltHojde - ramme);
}

QSize TBibPan::friPlads() const
{
    const int ind = (BitmapFelt && BitmapFelt->RealDim ? 1 : 0) + 2 * IndreMargen;
    const QSize fri = MiniatureStoerrelse() - QSize(ind, ind);
    return fri.width() > 0 && fri.height() > 0 ? fri : QSize();
}

void TBibPan::stopLaesning()
{
    ++generation;
    for (std::unique_ptr<MiniatureJob>* job : {&laesning, &genskabelse, &cacheSkrivning})
        if (*job)
            (*job)->stop();
    laesning.reset();
    genskabelse.reset();
    cacheSkrivning.reset();
    igang.clear();
}

std::unique_ptr<MiniatureJob> TBibPan::startJob(QList<int> numre)
{
    const int gen = generation;
    const QStringList filer = stier;
    // A field smaller than its frame gets no thumbnail; the picture's size is still read.
    const QSize fri = friPlads();
    const QSize maks = fri.isEmpty() ? QSize(1, 1) : fri;
    const bool cache = BrugCache;
    // The workers reach the panel only on the user-interface thread and only while it exists, so
    // closing never waits for a picture still being read.
    return std::make_unique<MiniatureJob>(std::move(numre), [panel = QPointer<TBibPan>(this), gen, filer, maks, cache](int nr) {
        std::optional<Miniature> m = cache ? hentFraCache(filer[nr], maks) : std::nullopt;
        const bool fraCache = m.has_value();
        if (!m)
            m = laesMiniature(filer[nr], maks);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [panel, gen, nr, m = *m, fraCache] {
                if (panel)
                    panel->modtag(gen, nr, m, fraCache);
            },
            Qt::QueuedConnection);
    });
}

void TBibPan::LoadListe()
{
    udsat = false;
    stopLaesning();
    poster.clear();
    stier.clear();
    skalGemmes.clear();
    faerdige = 0;
    if (BitmapFelt) {
        BitmapFelt->Ryd();
        BitmapFelt->Stoerrelse = MiniatureStoerrelse() - (BitmapFelt->RealDim ? QSize(1, 1) : QSize());
        if (!bibliotek.isEmpty())
            stier = billedfiler(bibliotek, FilType);
    }
    felter.setAntalIalt(int(stier.size()), Klient());
    update();
    Q_EMIT OnListet(int(stier.size()));
    if (stier.isEmpty()) {
        Q_EMIT OnAntalIalt(0);
        return;
    }
    for (const QString& sti : stier)
        poster.append({QFileInfo(sti).fileName(), QSize(), false, false});
    skalGemmes.fill(false, stier.size());
    Q_EMIT OnProgress(0);
    QList<int> alle(stier.size());
    std::iota(alle.begin(), alle.end(), 0);
    laesning = startJob(alle);
}

void TBibPan::modtag(int gen, int nr, const Miniature& m, bool fraCache)
{
    if (gen != generation || nr >= poster.size())
        return;
    BilledPost& post = poster[nr];
    const bool foersteGang = !post.laest;
    if (foersteGang) {
        post.laest = true;
        post.fejl = m.fejl;
        post.stoerrelse = m.original;
        skalGemmes[nr] = !fraCache && !m.fejl;
    } else {
        igang.removeOne(nr);
    }
    if (!m.fejl && !m.billede.isNull() && !friPlads().isEmpty() && BitmapFelt
        && (naerSide(nr) || BitmapFelt->Bytes() + m.billede.sizeInBytes() <= BitmapFelt->Budget)) {
        BitmapFelt->Tilfoej(nr, m.billede);
        overholdBudget();
    }
    if (nr >= felter.StartNr && nr <= felter.SlutNr)
        update(felter.Felter[nr - felter.StartNr].Ydre);
    if (!foersteGang)
        return;
    ++faerdige;
    Q_EMIT OnBilledLaest(nr);
    Q_EMIT OnProgress(int(std::lround(faerdige * 100.0 / poster.size())));
    if (faerdige == poster.size())
        afslutLaesning();
}

void TBibPan::afslutLaesning()
{
    laesning.reset();
    Q_EMIT OnAntalIalt(int(poster.size()));
    QList<int> nye;
    for (int nr = 0; nr < skalGemmes.size(); ++nr)
        if (skalGemmes[nr])
            nye.append(nr);
    if (!BrugCache || nye.isEmpty() || friPlads().isEmpty())
        return;
    const QStringList filer = stier;
    const QSize maks = friPlads();
    cacheSkrivning = std::make_unique<MiniatureJob>(nye, [filer, maks](int nr) { skrivTilCache(filer[nr], maks); });
}

bool TBibPan::naerSide(int nr) const { return afstand(nr, felter.StartNr, felter.SlutNr) <= felter.Antal; }

void TBibPan::overholdBudget()
{
    while (BitmapFelt->OverBudget()) {
        int fjernest = -1;
        int stoerst = -1;
        for (int nr : BitmapFelt->Numre())
            if (const int a = afstand(nr, felter.StartNr, felter.SlutNr); a > stoerst) {
                stoerst = a;
                fjernest = nr;
            }
        if (fjernest < 0 || stoerst <= felter.Antal)
            return;
        BitmapFelt->Fjern(fjernest);
    }
}

void TBibPan::sikrNaerSide()
{
    if (!BitmapFelt || poster.isEmpty() || friPlads().isEmpty())
        return;
    // The shown page first, then the next and the one before.
    const int start = felter.StartNr;
    const int antal = felter.Antal;
    QList<int> raekke;
    for (int i = 0; i < 2 * antal; ++i)
        raekke << start + i;
    for (int i = 1; i <= antal; ++i)
        raekke << start - i;
    QList<int> mangler;
    for (int nr : raekke)
        if (nr >= 0 && nr < poster.size() && poster[nr].laest && !poster[nr].fejl && !BitmapFelt->Har(nr))
            mangler << nr;
    if (std::all_of(mangler.begin(), mangler.end(), [this](int nr) { return igang.contains(nr); }))
        return;
    // Items the previous remaking had not reached yet are asked for again.
    if (genskabelse)
        genskabelse->stop();
    igang = mangler;
    genskabelse = startJob(mangler);
}

void TBibPan::paintEvent(QPaintEvent* event)
{
    TKnapPan::paintEvent(event);
    if (!malet) {
        malet = true;
        // Reading starts once the panel has been painted, outside the painting.
        QTimer::singleShot(0, this, [this] {
            if (udsat)
                LoadListe();
        });
    }
}

void TBibPan::resizeEvent(QResizeEvent* event)
{
    const QSize foer = MiniatureStoerrelse();
    TKnapPan::resizeEvent(event);
    if (malet && !poster.isEmpty() && MiniatureStoerrelse() != foer)
        LoadListe();
}

void TBibPan::tegnFelt(QPainter& p, const FeltRec& felt)
{
    const int nr = felter.StartNr + felt.Nr;
    const QRect miniature(felt.Indre.topLeft(), BitmapFelt ? BitmapFelt->Stoerrelse : felt.Indre.size());
    p.fillRect(miniature, feltFarve);
    if (nr < 0 || nr >= poster.size())
        return;
    if (poster[nr].fejl) {
        tegnBrudtBillede(p, miniature);
        return;
    }
    if (BitmapFelt && BitmapFelt->Har(nr))
        BitmapFelt->Tegn(p, nr, miniature.topLeft() + BeregnR(miniature.size(), poster[nr].stoerrelse, IndreMargen, Centrer).pos,
                         felt.Tilstand != fsInaktiv);
}
