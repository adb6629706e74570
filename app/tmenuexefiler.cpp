#include "app/tmenuexefiler.h"

#include "app/programikoner.h"
#include "core/beskeder.h"
#include "core/pathhelpers.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/textfile.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <optional>

TMenuExeFiler::TMenuExeFiler(QObject* parent) : QObject(parent) {}

TMenuExeFiler::~TMenuExeFiler() = default;

Programikoner& TMenuExeFiler::programikoner()
{
    if (!ikoner)
        ikoner = std::make_unique<Programikoner>();
    return *ikoner;
}

QString TMenuExeFiler::GetCaption(int nr) const { return nr >= 0 && nr < Filantal() ? Prog[nr].Caption : QString(); }

QString TMenuExeFiler::GetFilnavn(int nr) const { return nr >= 0 && nr < Filantal() ? Prog[nr].Filnavn : QString(); }

QString TMenuExeFiler::getAktuelleCaption() const
{
    for (const TProgRec& rec : Prog)
        if (sammeTekst(rec.Filnavn, AktuelleProgram))
            return rec.Caption;
    return {};
}

QString TMenuExeFiler::HentProgrammer()
{
    Prog.clear();
    IconList = IconList.mid(0, IconStartNr);
    const std::optional<QStringList> linjer = platform::readTextLines(Itemfile);
    const Programliste indlaest = linjer ? programlisteFraLinjer(*linjer) : Programliste{};
    if (linjer)
        ikoner = std::make_unique<Programikoner>();
    for (const TProgRec& rec : indlaest.programmer) {
        Prog.append(rec);
        IconList.append(programikoner().ikon(rec.Filnavn));
    }
    MakeMenu();
    Q_EMIT listeAendret();
    if (indlaest.helt)
        return {};
    return QStringLiteral("Programlisten kunne ikke læses helt.\rEn kopi af filen er gemt som ")
           + platform::gemUlaeseligFil(Itemfile) + QStringLiteral(".");
}

bool TMenuExeFiler::GemProgrammer()
{
    if (Itemfile.isEmpty())
        return false;
    QStringList grupper;
    int antal = 0;
    for (const TProgRec& rec : std::as_const(Prog)) {
        if (!QFileInfo(rec.Filnavn).isFile())
            continue;
        grupper << rec.Caption << rec.Filnavn << rec.Parameter << QString::number(rec.ShowType);
        ++antal;
    }
    if (platform::writeTextLines(Itemfile, QStringList{QString::number(antal)} + grupper))
        return true;
    if (beskeder)
        beskeder->sig(QStringLiteral("Programlisten kunne ikke gemmes i filen:\r") + Itemfile);
    return false;
}

void TMenuExeFiler::MakeMenu()
{
    if (!MainItem)
        return;
    if (QMenu* gammel = MainItem->menu()) {
        gammel->setObjectName(QString());
        gammel->deleteLater();  // its item may be the one being chosen
    }
    auto* menu = new QMenu(qobject_cast<QWidget*>(MainItem->parent()));
    menu->setObjectName(QStringLiteral("mProgrammer"));
    MainItem->setMenu(menu);
    int punkter = 0;
    for (int i = 0; i < Filantal(); ++i) {
        if (!QFileInfo(Prog[i].Filnavn).isFile())
            continue;
        // A menu cannot start a new column on demand: a separator starts the next group.
        if (i > 0 && BreakNr > 0 && punkter > 0 && punkter % BreakNr == 0)
            menu->addSeparator();
        QAction* item = menu->addAction(ikon(i), Prog[i].Caption);
        item->setData(i);
        connect(item, &QAction::triggered, this, [this, i, item] { vaelg(i, item); });
        ++punkter;
    }
}

void TMenuExeFiler::vaelg(int nr, QAction* item)
{
    if (nr >= Filantal())
        return;
    const TProgRec rec = Prog[nr];
    if (!QFileInfo(rec.Filnavn).isFile()) {
        if (OnKlik)
            OnKlik(item, rec.Caption, false);
        DeleteItem(nr);
        return;
    }
    AktuelleProgram = rec.Filnavn;
    AktuelleCaption = rec.Caption;
    if (OnParam)
        OnParam(rec.Filnavn, rec.Caption);
    else
        platform::get<platform::Shell>().open(rec.Filnavn, {}, QFileInfo(rec.Filnavn).absolutePath());
    if (OnKlik)
        OnKlik(item, rec.Caption, true);
}

bool TMenuExeFiler::InsertItem(const QString& Filnavn, const QString& Caption, const QString& Parameter, int ShowType)
{
    if (harLinjeskift(Filnavn) || harLinjeskift(Parameter))
        return false;
    Prog.append({udenLinjeskift(Caption), Filnavn, Parameter, ShowType});
    IconList.append(programikoner().ikon(Filnavn));
    MakeMenu();
    Q_EMIT listeAendret();
    return true;
}

void TMenuExeFiler::DeleteItem(int nr)
{
    if (nr >= 0 && nr < Filantal()) {
        Prog.removeAt(nr);
        IconList.removeAt(IconStartNr + nr);
    }
    GemProgrammer();
    MakeMenu();
    Q_EMIT listeAendret();
    if (OnKlik)
        OnKlik(nullptr, QString(), true);
}

bool TMenuExeFiler::bytt(int a, int b)
{
    if (a < 0 || b < 0 || a >= Filantal() || b >= Filantal())
        return false;
    Prog.swapItemsAt(a, b);
    // The icons move with their programs.
    IconList.swapItemsAt(IconStartNr + a, IconStartNr + b);
    return true;
}

bool TMenuExeFiler::flytOp(int nr) { return bytt(nr - 1, nr); }

bool TMenuExeFiler::flytNed(int nr) { return bytt(nr, nr + 1); }
