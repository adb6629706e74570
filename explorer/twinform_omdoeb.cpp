// The explorer's rename by dialog (Ctrl+O) and the renaming of extensions (Ctrl+U).
#include "explorer/twinform.h"

#include "app/handlingsregler.h"
#include "app/programkontekst.h"
#include "explorer/tomdoebform.h"
#include "platform/filesystem.h"
#include "core/beskeder.h"
#include "core/pathhelpers.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>

namespace {

// Each dialog exists once for the program, on top of its main window.
template <class Form>
Form& dialog(Programkontekst& main)
{
    static QPointer<Form> form;
    if (!form)
        form = new Form(main.hovedvindue());
    return *form;
}

QString udenSkraastreg(QString mappe)
{
    if (mappe.size() > 1 && mappe.endsWith(u'/'))
        mappe.chop(1);
    return mappe;
}

}  // namespace

void Twinform::byggeOmdoebning()
{
    QAction* omdoeb = handling("Rename", QStringLiteral("Indfør det nye navn og omdøb: Ctrl+O"), Qt::CTRL | Qt::Key_O,
                               [this] { RenameExecute(); });
    omdoeb->setText(QStringLiteral("Omdøb"));
    QAction* endelse = handling("RenameExt",
                                QStringLiteral("Indfør det nye efternavn og ombøb samtlige filer også i undermapper: Ctrl+U"),
                                Qt::CTRL | Qt::Key_U, [this] { RenameExtExecute(); });
    endelse->setText(QStringLiteral("Omdøb"));
    regler->tilfoej(endelse, [this] { return funkTilladt && funkNo == 1; });
}

void Twinform::RenameExecute()
{
    if (!maaFortsaette(QStringLiteral("Skal der omdøbes alligevel?")))
        return;
    TrenameForm& form = dialog<TrenameForm>(main);
    while (true) {
        const QString gammel = FStrukturY->getSelected();
        if (gammel.isEmpty()) {
            main.beskeder()->sig(QStringLiteral("Der er ikke valgt element, der skal omdøbes."));
            return;
        }
        const QString sti = FStrukturY->getSelectedMedSti();
        const bool fil = QFileInfo(sti).isFile();
        const QString ext = fil ? filExt(FStrukturY->Filnavn()) : QString();
        const QString mappe = udenSkraastreg(fil ? QFileInfo(FStrukturY->Filnavn()).path()
                                                 : QFileInfo(udenSkraastreg(FStrukturY->Mappenavn())).path());
        form.oldEdit->setText(gammel);
        form.mappeEdit->setText(mappe);
        if (!form.vis()) {
            QCoreApplication::processEvents();
            return;
        }
        const QString navn = form.newEdit->text();
        if (navn.isEmpty()) {
            main.beskeder()->sig(QStringLiteral("Der mangler et nyt navn.\rIndfør det nye navn og tryk \"Omdøb\"."));
            continue;
        }
        // A name holding "/" would move the element elsewhere.
        bool flyttet = !navn.contains(u'/');
        QString ny = stiMed(mappe, navn + ext);
        if (flyttet && fil) {
            ny = getNewFilename(sti, navn + ext, QString(), *main.beskeder());
            flyttet = platform::renameNoReplace(sti, ny);
            if (flyttet) {
                aktivStruktur(2);
                mappeKontrol(FStrukturY->makeStruktur2(QFileInfo(ny).path()), true);
            }
        } else if (flyttet) {
            ny = getNewDirectoryName(ny, QString());
            QCoreApplication::processEvents();
            flyttet = platform::renameNoReplace(udenSkraastreg(sti), ny);
            if (flyttet) {
                FStrukturY->setMappenavn(ny);
                aktivStruktur(1);
                FStrukturY->udfoldStruktur1(ny, opt.RadioOpstart != 1);
                mappeKontrol(FStrukturY->getDirectory(), true);
            }
        }
        if (!flyttet)
            main.beskeder()->sig(QStringLiteral("Der opstod en fejl af ukendt art, der gjorde at emnet ikke kunne omdøbes."));
        return;
    }
}

void Twinform::RenameExtExecute()
{
    if (!maaFortsaette(QStringLiteral("Skal fil-efternavne omdøbes alligevel?")))
        return;
    TextForm& form = dialog<TextForm>(main);
    const QString filnavn = FStrukturY->Filnavn();
    form.mappeEdit->setText(QFileInfo(filnavn).path());
    form.oldEdit->setText(filExt(filnavn));
    while (form.vis()) {
        QString ny = form.newEdit->text();
        if (ny.isEmpty()) {
            main.beskeder()->sig(QStringLiteral("Der mangler en ny filtype.\rIndfør filtype og tryk \"Omdøb\""));
            continue;
        }
        langOperation(0, [&] {
            if (!ny.startsWith(u'.'))
                ny.prepend(u'.');
            const int antal = renameFilExtIn(form.mappeEdit->text(), form.oldEdit->text(), ny, form.Check->currentIndex() == 1);
            setBeskedInfo(QStringLiteral("Der blev omdøbt %1").arg(antal)
                          + (antal == 1 ? QStringLiteral(" fil.") : QStringLiteral(" filer.")));
        });
        return;
    }
}
