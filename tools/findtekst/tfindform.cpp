#include "tools/findtekst/tfindform.h"

#include "app/fildialog.h"
#include "app/handlingsregler.h"
#include "app/kontroller.h"
#include "app/tmainform.h"
#include "app/vaerktoejsbund.h"
#include "boxes/modalseam.h"
#include "core/beskeder.h"
#include "core/pathhelpers.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "tools/findtekst/fundmodel.h"
#include "tools/findtekst/stiafkorter.h"
#include "tools/findtekst/tekstsoegning.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString ingenTypeValgt()
{
    return QStringLiteral("Der er ikke registreret en filtype.\nBestem hvilken filtype, der skal søges i.");
}

}  // namespace

Tfindform::Tfindform(Tmainform& main, bool internt, Dokumentlaeser laeser)
    : QWidget(&main), showInternt(internt), main(main), regler(new Handlingsregler(this)),
      soegning(new Tekstsoegning(this, std::move(laeser))), fund(new Fundmodel(this))
{
    setWindowTitle(QStringLiteral("Find tekst"));
    typelistenavn = main.folders.OptMappe + QStringLiteral("Filtertyper.txt");
    optFilnavn = main.folders.OptMappe + QStringLiteral("Findoptions.txt");
    auto* layout = new QVBoxLayout(this);
    auto* overskrift = new QLabel(QStringLiteral("Søg i dokumenter"), this);
    overskrift->setObjectName(QStringLiteral("overskrift"));
    QFont stor = overskrift->font();
    stor.setBold(true);
    overskrift->setFont(stor);
    layout->addWidget(overskrift);
    sider = new QTabWidget(this);
    sider->setObjectName(QStringLiteral("sider"));
    sider->addTab(byggeSoegeside(), QStringLiteral("Søg"));
    sider->addTab(byggeFiltreside(), QStringLiteral("Filtre"));
    layout->addWidget(sider, 1);

    layout->addLayout(vaerktoejsBund(main, this, showInternt, QStringLiteral("Søg i tekstfiler.html")));

    connect(soegning, &Tekstsoegning::fundet, this, [this](const QList<Fundraekke>& raekker) {
        fund->tilfoej(raekker);
        countdis->setText(QString::number(fund->rowCount()));
    });
    connect(soegning, &Tekstsoegning::faerdig, this, &Tfindform::soegningSlut);
    if (!showInternt)
        HentOpt();
    HentTypeliste();
    LoadTypeliste();
    // Actions follow the current element the explorers set.
    connect(main.EditSti(), &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    regler->opdaterSenere();
}

QAction* Tfindform::handling(const char* navn, const QString& tekst, const QString& hint, void (Tfindform::*udfoer)(),
                             std::function<bool()> aktiv)
{
    return regler->handling(navn, tekst, hint, [this, udfoer] { (this->*udfoer)(); }, std::move(aktiv));
}

QWidget* Tfindform::byggeSoegeside()
{
    auto* side = new QWidget(this);
    side->setObjectName(QStringLiteral("side1"));
    auto* layout = new QVBoxLayout(side);
    auto* felter = new QGridLayout;
    const auto knapTil = [side](QAction* action) { return knapFor(action, side); };

    dirEdit = new QLineEdit(side);
    dirEdit->setObjectName(QStringLiteral("dirEdit"));
    dirEdit->setReadOnly(true);
    felter->addWidget(new QLabel(QStringLiteral("Søgemappe"), side), 0, 0);
    felter->addWidget(dirEdit, 0, 1);
    felter->addWidget(knapTil(handling("aAktuelle", QStringLiteral("Aktuelle"), QStringLiteral("Sæt aktuelle mappe som søgemappe"),
                                       &Tfindform::aAktuelle, [this] { return !this->main.EditSti()->text().isEmpty(); })),
                      0, 2);

    filterBoks = new QComboBox(side);
    filterBoks->setObjectName(QStringLiteral("filterBoks"));
    filterBoks->setToolTip(QStringLiteral("Filterboksen: Nye dokumenter er af valgte type"));
    connect(filterBoks, &QComboBox::activated, this, [this](int index) { filterItemIndex = index; });
    felter->addWidget(new QLabel(QStringLiteral("Filtype filter"), side), 1, 0);
    felter->addWidget(filterBoks, 1, 1);
    QPushButton* vaelgFil = tekstknap("vaelgFilButton", QStringLiteral("Vælg fil fra disk"),
                                      QStringLiteral("Vælg mappe der skal søges i ved valg af fil"), side);
    connect(vaelgFil, &QPushButton::clicked, this, &Tfindform::vaelgFilFraDisk);
    felter->addWidget(vaelgFil, 1, 2);

    EditFind = new QComboBox(side);
    EditFind->setObjectName(QStringLiteral("EditFind"));
    EditFind->setEditable(true);
    EditFind->setInsertPolicy(QComboBox::NoInsert);
    EditFind->lineEdit()->setPlaceholderText(QStringLiteral("Indfør søgeord"));
    connect(EditFind->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (!soeger() && !EditFind->currentText().isEmpty())
            FindSD();
    });
    connect(EditFind, &QComboBox::editTextChanged, regler, &Handlingsregler::opdaterSenere);
    felter->addWidget(new QLabel(QStringLiteral("Søg efter"), side), 2, 0);
    felter->addWidget(EditFind, 2, 1);
    QPushButton* ryd = tekstknap("rydFindButton", QStringLiteral("#"), QStringLiteral("Ryd find- listen"), side);
    connect(ryd, &QPushButton::clicked, this, [this] {
        const QString tekst = EditFind->currentText();
        EditFind->clear();
        EditFind->setEditText(tekst);
    });
    felter->addWidget(ryd, 2, 2, Qt::AlignLeft);
    felter->setColumnStretch(1, 1);
    layout->addLayout(felter);

    auto* valg = new QHBoxLayout;
    AfindBib = handling("AfindBib", QStringLiteral("Find i bibliotek"), QStringLiteral("Find i alle filer i valgte bibliotek"),
                        &Tfindform::FindSD, [this] { return soeger() || !EditFind->currentText().isEmpty(); });
    // The button reads "Stop" while searching; it keeps its width, so nothing beside it moves.
    QPushButton* findKnap = knapTil(AfindBib);
    findKnap->setMinimumWidth(findKnap->sizeHint().width());
    valg->addWidget(findKnap);
    Check1 = new QCheckBox(QStringLiteral("Kun hele ord"), side);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2 = new QCheckBox(QStringLiteral("Forskel på store og små bogstaver"), side);
    Check2->setObjectName(QStringLiteral("Check2"));
    valg->addWidget(Check1);
    valg->addWidget(Check2);
    valg->addStretch();
    layout->addLayout(valg);

    findis = new QTableView(side);
    findis->setObjectName(QStringLiteral("findis"));
    findis->setModel(fund);
    findis->setSelectionBehavior(QAbstractItemView::SelectRows);
    findis->setSelectionMode(QAbstractItemView::ExtendedSelection);
    findis->setEditTriggers(QAbstractItemView::NoEditTriggers);
    findis->setWordWrap(false);
    findis->setShowGrid(false);
    // Rows of one height and columns whose widths follow the view, not their rows: nothing is
    // measured per row, so a million rows cost no more than a screenful. The document and the
    // line share the width; a long path loses the middle of its folders, its file name stays.
    findis->verticalHeader()->hide();
    findis->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    findis->verticalHeader()->setDefaultSectionSize(findis->fontMetrics().height() + 4);
    findis->setItemDelegateForColumn(0, new Stiafkorter(findis));
    QHeaderView* kolonner = findis->horizontalHeader();
    kolonner->setSectionResizeMode(0, QHeaderView::Stretch);
    kolonner->setSectionResizeMode(1, QHeaderView::Fixed);
    kolonner->setSectionResizeMode(2, QHeaderView::Stretch);
    kolonner->resizeSection(1, std::max(kolonner->sectionSizeHint(1),
                                        findis->fontMetrics().horizontalAdvance(QStringLiteral("0000000000"))));
    connect(findis, &QTableView::doubleClicked, this, &Tfindform::AvisValgte);
    connect(findis->selectionModel(), &QItemSelectionModel::selectionChanged, regler, &Handlingsregler::opdaterSenere);
    connect(fund, &QAbstractItemModel::rowsInserted, regler, &Handlingsregler::opdaterSenere);
    connect(fund, &QAbstractItemModel::rowsRemoved, regler, &Handlingsregler::opdaterSenere);
    connect(fund, &QAbstractItemModel::modelReset, regler, &Handlingsregler::opdaterSenere);
    layout->addWidget(findis, 1);

    auto* raekke = new QHBoxLayout;
    raekke->addWidget(new QLabel(QStringLiteral("Fundne:"), side));
    countdis = new QLabel(QStringLiteral("0"), side);
    countdis->setObjectName(QStringLiteral("countdis"));
    raekke->addWidget(countdis);
    raekke->addStretch();
    const auto enValgt = [this] { return findis->selectionModel()->selectedRows().size() == 1; };
    const auto nogenValgt = [this] { return findis->selectionModel()->hasSelection(); };
    raekke->addWidget(knapTil(handling("aFind", QStringLiteral("Find"), QStringLiteral("Vis valgte i Stifinder"), &Tfindform::aFind, enValgt)));
    raekke->addWidget(knapTil(handling("ArunValgte", QStringLiteral("Kør"), QStringLiteral("Kør valgte dokument hvis muligt"),
                                       &Tfindform::ArunValgte, enValgt)));
    raekke->addWidget(knapTil(handling("AvisValgte", QStringLiteral("Åben"), QStringLiteral("Åben valgte til redigering hvis muligt"),
                                       &Tfindform::AvisValgte, enValgt)));
    raekke->addWidget(knapTil(handling("AopenAll", QStringLiteral("Åben alle"),
                                       QStringLiteral("Åben alle i listen valgte dokumenter med valgte program"), &Tfindform::AopenAll,
                                       [this, nogenValgt] { return nogenValgt() && !this->main.opt.exeProgram.isEmpty(); })));
    raekke->addWidget(knapTil(handling("AsletAlt", QStringLiteral("Ryd listen"), QStringLiteral("Fjern alle fundne elementer"),
                                       &Tfindform::AsletAlt, [this] { return fund->rowCount() > 0; })));
    raekke->addWidget(knapTil(handling("Afjern", QStringLiteral("Fjern valgte"), QStringLiteral("Fjern det i listen valgte element"),
                                       &Tfindform::Afjern, nogenValgt)));
    layout->addLayout(raekke);
    return side;
}

bool Tfindform::soeger() const { return soegning->koerer(); }

void Tfindform::saetMappe(const QString& mappe)
{
    Mappe = delimKon(mappe);
    dirEdit->setText(Mappe);
}

bool Tfindform::vaelgType(const QString& moenster)
{
    if (!ErExtListet(moenster)) {
        sider->setCurrentIndex(1);
        return false;
    }
    sider->setCurrentIndex(0);
    EditFind->setFocus();
    return true;
}

bool Tfindform::visType(const QString& moenster)
{
    const QFileInfo fil(main.EditSti()->text());
    if (fil.isFile())
        saetMappe(fil.absolutePath());
    return vaelgType(moenster);
}

void Tfindform::aabnetAfBruger()
{
    const QString sti = main.EditSti()->text();
    const QFileInfo element(sti);
    if (element.isFile()) {
        saetMappe(element.absolutePath());
        if (!vaelgType(u'*' + filExt(sti)))
            main.beskeder()->sig(QStringLiteral("Filtypen er ikke registreret.\n") + TekstSoegVindue::uregistreretType());
    } else if (element.isDir()) {
        saetMappe(sti);
        sider->setCurrentIndex(0);
        filterBoks->setFocus();
        main.beskeder()->sig(ingenTypeValgt());
    }
}

void Tfindform::aAktuelle()
{
    const QString sti = main.EditSti()->text();
    const QFileInfo element(sti);
    saetMappe(element.isDir() ? sti : element.absolutePath());
}

void Tfindform::vaelgFilFraDisk()
{
    QFileDialog dialog(this, QStringLiteral("Vælg fil fra disk"), Mappe);
    tilpasFildialog(dialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (modalseam::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fil = dialog.selectedFiles().constFirst();
    if (!QFileInfo(fil).isFile()) {
        main.beskeder()->sig(TekstSoegVindue::ingenTekstfil());
        return;
    }
    saetMappe(QFileInfo(fil).absolutePath());
    const QString moenster = u'*' + filExt(fil);
    if (!vaelgType(moenster))
        main.beskeder()->sig(QStringLiteral("Filtypen ") + moenster + QStringLiteral(" er ikke registreret.\n")
                             + TekstSoegVindue::uregistreretType());
}

void Tfindform::FindSD()
{
    if (soeger()) {  // the button reads "Stop" while a search runs
        soegning->stop();
        return;
    }
    // Hits of an earlier search never stand under a new word.
    fund->ryd();
    countdis->setText(QStringLiteral("0"));
    if (!QFileInfo(Mappe).isDir()) {
        main.beskeder()->sig(QStringLiteral("Mappen findes ikke længere:\n") + Mappe);
        return;
    }
    FTekst = EditFind->currentText();
    if (FTekst.isEmpty())
        return;
    if (EditFind->findText(FTekst, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        EditFind->insertItem(0, FTekst);
        EditFind->setCurrentIndex(0);
    }
    // The pattern of the type the filter box shows.
    const QString moenster = filterBoks->currentData().toString();
    if (moenster.isEmpty()) {
        main.beskeder()->sig(ingenTypeValgt());
        return;
    }
    setCursor(Qt::BusyCursor);
    AfindBib->setText(QStringLiteral("Stop"));
    AfindBib->setToolTip(QStringLiteral("Stop søgningen"));
    soegning->start(Mappe, moenster, FTekst, {Check1->isChecked(), Check2->isChecked()});
    regler->opdaterSenere();
}

void Tfindform::soegningSlut(const Soegeresultat& resultat)
{
    unsetCursor();
    AfindBib->setText(QStringLiteral("Find i bibliotek"));
    AfindBib->setToolTip(QStringLiteral("Find i alle filer i valgte bibliotek"));
    countdis->setText(QString::number(fund->rowCount()));
    regler->opdaterSenere();
    QStringList besked;
    if (resultat.fejl)
        besked.append(QStringLiteral("Der opstod en ukendt fejl under søgningen."));
    if (resultat.afgraenset)
        besked.append(QStringLiteral("Søgningen stoppede efter 1.000.000 fund."));
    if (!resultat.ulaeselige.isEmpty())
        besked.append(ulaeseligeBesked(resultat.ulaeselige));
    if (!besked.isEmpty())
        main.beskeder()->sig(besked.join(QStringLiteral("\n\n")));
}

QList<int> Tfindform::valgteRaekker() const
{
    QList<int> raekker;
    for (const QModelIndex& index : findis->selectionModel()->selectedRows())
        raekker.append(index.row());
    std::sort(raekker.begin(), raekker.end());
    return raekker;
}

QString Tfindform::valgtDokument(const QString& mangler)
{
    const QList<int> raekker = valgteRaekker();
    if (raekker.size() != 1)
        return {};
    const QString dokument = fund->raekke(raekker.constFirst()).dokument;
    if (QFileInfo(dokument).isFile())
        return dokument;
    main.beskeder()->sig(mangler);
    return {};
}

void Tfindform::aFind()
{
    const QList<int> raekker = valgteRaekker();
    if (raekker.size() == 1)
        main.selectFromGal(fund->raekke(raekker.constFirst()).dokument, false);
}

void Tfindform::ArunValgte()
{
    if (const QString dokument = valgtDokument(QStringLiteral("Filen blev ikke fundet.\n")); !dokument.isEmpty())
        main.runFilname(dokument, 0);
}

void Tfindform::AvisValgte()
{
    if (const QString dokument = valgtDokument(QStringLiteral("Filen blev ikke fundet.")); !dokument.isEmpty())
        DokumentOpen(dokument, true);
}

void Tfindform::DokumentOpen(const QString& sti, bool edit)
{
    platform::Shell& shell = platform::get<platform::Shell>();
    const auto aabn = [&](bool redigering) {
        return redigering ? shell.edit(sti) : shell.open(sti, {}, QFileInfo(sti).absolutePath());
    };
    int resultat = aabn(edit);
    if (resultat <= 32)
        resultat = aabn(!edit);
    if (resultat <= 32)
        main.ErrorInfo(resultat);
}

void Tfindform::AopenAll()
{
    const QList<int> raekker = valgteRaekker();
    const QString program = main.opt.exeProgram;
    if (raekker.isEmpty() || program.isEmpty())
        return;
    const QString navn = QFileInfo(program).fileName();
    const QString spoergsmaal =
        raekker.size() == 1
            ? QStringLiteral("Der er valgt et dokument i listen.\nSkal det åbnes med ") + navn
            : QStringLiteral("Der er %1 dokumenter i listen.\nDe forsøges åbnet med valgte program:\n%2\nSkal de alle åbnes?")
                  .arg(raekker.size())
                  .arg(navn);
    if (!main.beskeder()->spoerg(spoergsmaal, Beskeder::AlleCheck::Skjul).ja)
        return;
    QStringList parametre;
    for (const int nr : raekker) {
        const QString& dokument = fund->raekke(nr).dokument;
        if (QFileInfo(dokument).isFile())
            parametre.append(platform::quoteArgument(dokument));
    }
    if (parametre.isEmpty()) {
        main.beskeder()->sig(QStringLiteral("Filen blev ikke fundet."));
        return;
    }
    main.OpenFilMedProgram(program, parametre.join(u' '));
}

void Tfindform::AsletAlt()
{
    soegning->stop();
    fund->ryd();
    EditFind->setEditText(QString());
    countdis->setText(QStringLiteral("0"));
}

void Tfindform::Afjern()
{
    const QList<int> raekker = valgteRaekker();
    if (raekker.isEmpty())
        return;
    fund->fjern(raekker);
    countdis->setText(QString::number(fund->rowCount()));
    const int naeste = std::min(raekker.constFirst(), fund->rowCount() - 1);
    if (naeste >= 0)
        findis->selectRow(naeste);
}

void Tfindform::closeEvent(QCloseEvent* event)
{
    soegning->stop();
    if (!showInternt)
        GemOpt();
    QWidget::closeEvent(event);
}

void Tfindform::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && soeger()) {
        soegning->stop();
        return;
    }
    QWidget::keyPressEvent(event);
}

void registrerFindtekst(Tmainform& main)
{
    main.registrerVaerktoej(QStringLiteral("findTekst"), [&main] { return new Tfindform(main, main.opt.openTekstfiler == 0); },
                            {QStringLiteral("Findoptions.txt"), Tfindform::placering});
}
