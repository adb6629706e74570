// The explorer's deleting: to the trash (Ctrl+D) and permanently (Shift+Del), with the safety
// question, the long-operation bracket and the walk up to a folder that still exists.
#include "explorer/twinform.h"

#include "app/programkontekst.h"
#include "fileops/tdeleteobjekt.h"
#include "core/beskeder.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QFileInfo>
#include <QStyle>

void Twinform::byggeSletning()
{
    DeleteObj = new TDeleteObjekt(main.folders.OptMappe, main.hovedvindue(), main.beskeder(), this);
    QAction* papirkurv = handling("DeleteToPapirkurv", QStringLiteral("Slet til papirkurv: Ctrl+D"), Qt::CTRL | Qt::Key_D,
                                  [this] { SletElementer(true); });
    QAction* permanent = handling("DeletePermanent", QStringLiteral("Slet permanent: Shift+Del"),
                                  Qt::SHIFT | Qt::Key_Delete, [this] { SletElementer(false); });
    papirkurv->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    permanent->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    papirkurv->setText(QStringLiteral("Slet"));
    permanent->setText(QStringLiteral("Slet"));
}

void Twinform::SletElementer(bool tilPapirkurv, bool bekraeftet)
{
    if (!maaFortsaette(QStringLiteral("Skal der slettes alligevel?")))
        return;
    langOperation(2, [this, tilPapirkurv, bekraeftet] { DeleteElementer(tilPapirkurv, bekraeftet); });
    FStrukturY->setFilnavn(QString());
}

void Twinform::DeleteElementer(bool tilPapirkurv, bool bekraeftet)
{
    DeleteObj->IntSpm = bekraeftet ? TDeleteCompo::SpoergAldrig : opt.spmBox;
    DeleteObj->CloseBoxAfter = opt.LukCheck;
    QStringList mapper, filer;
    if (FStrukturY->loadLister(mapper, filer) == 0) {
        main.beskeder()->sig(QStringLiteral("Der er ikke valgt elementer til sletning."));
        return;
    }
    if (!DeleteObj->DeleteElementer(mapper, filer, tilPapirkurv) || lukEfterOperation)
        return;
    // The view moves to the nearest folder that still exists.
    QString mappe = FStrukturY->Mappenavn();
    while (mappe.size() > 1 && !QFileInfo(mappe).isDir())
        mappe = QFileInfo(mappe.endsWith(u'/') ? mappe.chopped(1) : mappe).path();
    FStrukturY->setMappenavn(mappe);
    FStrukturY->udfoldStruktur1(mappe, opt.RadioOpstart != 1);
    mappeKontrol(FStrukturY->makeStruktur2(mappe), true);
    main.UdskrivInfo(tilPapirkurv ? QStringLiteral("Der blev slettet til papirkurv")
                                  : QStringLiteral("Der blev slettet permanent"));
}
