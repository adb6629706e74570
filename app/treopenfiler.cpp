#include "app/treopenfiler.h"

#include "app/linjetegner.h"
#include "core/pathhelpers.h"
#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QSet>
#include <algorithm>

TReopenFiler::TReopenFiler(QObject* owner) : QObject(owner) {}

void TReopenFiler::setListeBoks(QListWidget* liste_, QColor firkant, int linjehoejde)
{
    liste = liste_;
    if (!liste)
        return;
    if (!firkant.isValid())
        firkant = Itemtype == itFil ? liste->palette().color(QPalette::Highlight) : QColor(192, 220, 192);
    liste->setItemDelegate(new Linjetegner(Linjetegner::Maerke::Firkant, firkant, linjehoejde, liste));
    connect(liste, &QListWidget::itemClicked, this, [this] { klik(false); });
    connect(liste, &QListWidget::itemDoubleClicked, this, [this] { klik(true); });
}

QString TReopenFiler::GetCaption(int index) const { return index >= 0 && index < Antal() ? Ropen[index].Caption : QString(); }

QString TReopenFiler::GetFilnavn(int index) const { return index >= 0 && index < Antal() ? Ropen[index].Filnavn : QString(); }

qsizetype TReopenFiler::indexAfSti(const QString& FNavn) const
{
    for (qsizetype i = 0; i < Ropen.size(); ++i)
        if (eksakteStier ? Ropen[i].Filnavn == FNavn : sammeTekst(Ropen[i].Filnavn, FNavn))
            return i;
    return -1;
}

void TReopenFiler::fjern(qsizetype index, bool opdater)
{
    if (index < 0 || index >= Ropen.size())
        return;
    Ropen.removeAt(index);
    if (!opdater)
        return;
    MakeListeMenu();
    if (gemVedSletning())
        GemReopenFiler();
}

void TReopenFiler::DeleteItem(int index) { fjern(index, true); }

void TReopenFiler::DeleteItemFilnavn(const QString& FNavn, bool Opdater) { fjern(indexAfSti(FNavn), Opdater); }

void TReopenFiler::DeleteItemCaption(const QString& CapNavn)
{
    for (qsizetype i = 0; i < Ropen.size(); ++i)
        if (sammeTekst(Ropen[i].Caption, CapNavn)) {
            fjern(i, true);
            return;
        }
}

void TReopenFiler::DeleteAlleItems()
{
    Ropen.clear();
    MakeListeMenu();
    if (gemVedSletning())
        GemReopenFiler();
}

bool TReopenFiler::SletAlleItems()
{
    if (!FBeskeder
        || !FBeskeder->spoerg(QStringLiteral("Skal alle indførte elementer i listen slettes?"), alleCheckVedSletning()).ja)
        return false;
    DeleteAlleItems();
    return true;
}

bool TReopenFiler::flytOp(int index)
{
    if (index <= 0 || index >= Antal())
        return false;
    Ropen.swapItemsAt(index - 1, index);
    return true;
}

bool TReopenFiler::flytNed(int index)
{
    if (index < 0 || index >= Antal() - 1)
        return false;
    Ropen.swapItemsAt(index, index + 1);
    return true;
}

void TReopenFiler::sorterListe()
{
    if (Antal() < 2)
        return;
    // Stable, as swapping neighbours is, and fast enough for the hundreds of thousands of hits
    // of a search.
    std::stable_sort(Ropen.begin(), Ropen.end(),
                     [](const TReopenRec& a, const TReopenRec& b) { return sammenlignTekst(a.Caption, b.Caption) < 0; });
    GemReopenFiler();
    MakeListeMenu();
}

void TReopenFiler::MakeListeMenu()
{
    if (!liste)
        return;
    liste->clear();
    for (const TReopenRec& rec : std::as_const(Ropen))
        liste->addItem(rec.Caption);
    liste->setCurrentRow(-1);
}

void TReopenFiler::HentReopenFiler()
{
    const auto lines = platform::readTextLines(Itemfile);
    Ropen = lines ? reopenPoster(*lines) : QList<TReopenRec>();
    MakeListeMenu();
}

bool TReopenFiler::GemReopenFiler()
{
    if (Itemfile.isEmpty())
        return false;
    QStringList lines;
    for (const TReopenRec& rec : std::as_const(Ropen))
        lines << rec.Caption << rec.Filnavn;
    if (platform::writeTextLines(Itemfile, lines))
        return true;
    if (FBeskeder)
        FBeskeder->sig(QStringLiteral("Listen kunne ikke gemmes i filen:\n") + Itemfile);
    return false;
}

void TReopenFiler::DeleteItemFile()
{
    if (Itemfile.isEmpty() || !QFileInfo::exists(Itemfile))
        return;
    Ropen.clear();
    MakeListeMenu();
    QFile::remove(Itemfile);
    Itemfile.clear();
}

bool TReopenFiler::kanGemmes(const QString& FNavn) const { return Itemfile.isEmpty() || !harLinjeskift(FNavn); }

bool TReopenFiler::findes(const TReopenRec& rec) const
{
    switch (Itemtype) {
    case itBibliotek: return QFileInfo(rec.Filnavn).isDir();
    case itFil: return QFileInfo(rec.Filnavn).isFile();
    case itAndet: return true;
    }
    return true;
}

void TReopenFiler::klik(bool dobbelt)
{
    const int row = liste ? liste->currentRow() : -1;
    if (row < 0 || row >= Antal())
        return;
    const TReopenRec rec = Ropen[row];
    if (!findes(rec)) {
        if (FBeskeder)
            FBeskeder->sig(Itemtype == itFil ? QStringLiteral("Filen blev ikke fundet.\nSlet eventuelt elementet fra listen.")
                                              : QStringLiteral("Mappen blev ikke fundet.\nSlet eventuelt elementet fra listen."));
        return;
    }
    const auto& handler = dobbelt ? OnDblListeKlik : OnListeKlik;
    if (handler)
        handler(rec.Caption, rec.Filnavn);
}

void TReopenFilerY::InsertItem(const QString& FNavn, const QString& MenuCaption)
{
    if ((Itemtype == itFil && !QFileInfo(FNavn).isFile()) || !kanGemmes(FNavn))
        return;
    if (Itemtype != itAndet && indexAfSti(FNavn) >= 0)
        return;
    if (Antal() < Filantal)
        Ropen.append({udenLinjeskift(MenuCaption), FNavn});
    else if (!Ropen.isEmpty())
        Ropen.last() = {udenLinjeskift(MenuCaption), FNavn};
    if (!liste)
        return;
    MakeListeMenu();
    liste->setCurrentRow(Antal() - 1);
}

void TReopenFilerX::InsertItem(const QString& FNavn, const QString& MenuCaption)
{
    if ((Itemtype == itFil && !QFileInfo(FNavn).isFile()) || !kanGemmes(FNavn))
        return;
    if (const qsizetype same = indexAfSti(FNavn); same >= 0)
        Ropen.removeAt(same);
    Ropen.prepend({udenLinjeskift(MenuCaption), FNavn});
    MakeListeMenu();
}

void TReopenFilerX::InsertItems(const QList<TReopenRec>& nye)
{
    if (nye.isEmpty())
        return;
    const auto noegle = [this](const QString& sti) { return eksakteStier ? sti : foldetAZ(sti); };
    QSet<QString> stier;
    stier.reserve(nye.size());
    for (const TReopenRec& rec : nye)
        stier.insert(noegle(rec.Filnavn));
    // An entry already listed moves to the top: taken out first, in one pass over the list.
    const qsizetype foer = Ropen.size();
    Ropen.removeIf([&](const TReopenRec& rec) { return stier.contains(noegle(rec.Filnavn)); });
    const bool fjernet = Ropen.size() != foer;
    QList<TReopenRec> forrest;
    QStringList captions;
    forrest.reserve(nye.size());
    QSet<QString> taget;
    for (auto it = nye.crbegin(); it != nye.crend(); ++it)
        if (!taget.contains(noegle(it->Filnavn)) && kanGemmes(it->Filnavn)) {
            taget.insert(noegle(it->Filnavn));
            forrest.append({udenLinjeskift(it->Caption), it->Filnavn});
            captions.append(forrest.last().Caption);
        }
    Ropen = forrest + Ropen;
    if (!liste)
        return;
    if (fjernet) {
        MakeListeMenu();
        return;
    }
    liste->insertItems(0, captions);
}

void TReopenFilerX::SetCaption(int index, const QString& NewCaption)
{
    if (index < 0 || index >= Antal())
        return;
    Ropen[index].Caption = udenLinjeskift(NewCaption);
    MakeListeMenu();
    GemReopenFiler();
}

QStringList listensMapper(const TReopenFiler& liste, bool filernesMapper, bool udenGentagelser)
{
    QStringList mapper;
    for (int i = 0; i < liste.Antal(); ++i) {
        const QString sti = liste.GetFilnavn(i);
        const QString mappe = filernesMapper && !sti.isEmpty() ? QFileInfo(sti).absolutePath() : sti;
        if (mappe.isEmpty() || !QFileInfo(mappe).isDir())
            continue;
        const auto samme = [&mappe](const QString& m) { return sammeTekst(m, mappe); };
        if (udenGentagelser && std::any_of(mapper.crbegin(), mapper.crend(), samme))
            continue;
        mapper.append(mappe);
    }
    return mapper;
}
