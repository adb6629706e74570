// The explorer's "Egenskaber" (Ctrl+E): the information window of the selected file, folder or
// drive, as a long operation after the safety question.
#include "explorer/twinform.h"

#include "app/programkontekst.h"
#include "fileops/tmetodecompo.h"
#include "core/beskeder.h"
#include "tree/strukturnode.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QStyle>

void Twinform::byggeInfo()
{
    metodeX->setInfoVindue(main.hovedvindue(), main.folders.ikonDir);
    QAction* info = handling("Info", QStringLiteral("Se valgte elements egenskaber: Ctrl+E"), Qt::CTRL | Qt::Key_E,
                             [this] { InfoExecute(); });
    info->setText(QStringLiteral("Egenskaber"));
    info->setIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));
}

void Twinform::InfoExecute()
{
    if (!maaFortsaette(QStringLiteral("Skal information åbnes alligevel?")))
        return;
    langOperation(0, [this] {
        switch (metodeX->getID()) {
        case idFil:
            metodeX->showFileInfo(FStrukturY->Filnavn());
            break;
        case idDrev:
            metodeX->showDriveInfo(FStrukturY->Mappenavn());
            break;
        case idMappe:
        case idBruger:
        case idSystem:
            metodeX->showMappeInfo();
            break;
        default:
            if (FStrukturY->AktiveStruktur() == 2)
                metodeX->showMappeInfo();
        }
    });
}
