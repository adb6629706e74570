#include "tools/information/tstruktur.h"

#include "platform/textfile.h"

#include <QStyle>

namespace {

constexpr int dataRolle = Qt::UserRole;

// The node pictures 0 to 9 of the data lines.
QIcon billede(const QStyle* style, int index)
{
    static const QStyle::StandardPixmap billeder[] = {
        QStyle::SP_FileIcon,          QStyle::SP_DirIcon,           QStyle::SP_MessageBoxInformation,
        QStyle::SP_FileDialogInfoView, QStyle::SP_DirOpenIcon,      QStyle::SP_FileDialogDetailedView,
        QStyle::SP_ComputerIcon,      QStyle::SP_DriveHDIcon,       QStyle::SP_DialogHelpButton,
        QStyle::SP_FileDialogContentsView};
    return style->standardIcon(billeder[index]);
}

QString udenEfternavn(const QString& navn)
{
    const qsizetype punktum = navn.lastIndexOf(u'.');
    return punktum < 0 ? navn : navn.left(punktum);
}

}  // namespace

TStruktur::TStruktur(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QList<QTreeWidgetItem*> TStruktur::noderDybdeFoerst() const
{
    QList<QTreeWidgetItem*> noder;
    for (QTreeWidgetItemIterator it(const_cast<TStruktur*>(this)); *it; ++it)
        noder.append(*it);
    return noder;
}

int TStruktur::antalNoder() const { return int(noderDybdeFoerst().size()); }

bool TStruktur::HentStruktur()
{
    clear();
    sidsteFejl.clear();
    const std::optional<QStringList> linjer = platform::readTextLines(Strukturfile);
    if (!linjer) {
        sidsteFejl = QStringLiteral("Strukturfilen findes ikke: ") + Strukturfile;
        return false;
    }
    // The last node seen on each level; a line deeper than one below its predecessor hangs
    // under that predecessor.
    QList<QTreeWidgetItem*> niveauer;
    for (const QString& linje : *linjer) {
        qsizetype niveau = 0;
        while (niveau < linje.size() && (linje[niveau] == u'\t' || linje[niveau] == u' '))
            ++niveau;
        const QString tekst = linje.mid(niveau);
        niveau = std::min<qsizetype>(niveau, niveauer.size());
        QTreeWidgetItem* node = niveau == 0 ? new QTreeWidgetItem(this) : new QTreeWidgetItem(niveauer[niveau - 1]);
        node->setText(0, tekst);
        niveauer.resize(niveau);
        niveauer.append(node);
    }
    const QList<QTreeWidgetItem*> noder = noderDybdeFoerst();
    if (DataOn) {
        std::optional<QStringList> data = platform::readTextLines(Datafile);
        if (!data) {
            QStringList nye;
            for (const QTreeWidgetItem* node : noder)
                nye.append(QStringLiteral("0") + node->text(0));
            // The tree still gets its data when the installed folder cannot be written.
            platform::writeTextLines(Datafile, nye);
            data = nye;
        }
        if (data->size() < noder.size()) {
            clear();
            sidsteFejl = QStringLiteral("Datafilen har færre linjer end strukturfilen: ") + Datafile;
            return false;
        }
        for (qsizetype i = 0; i < noder.size(); ++i)
            saetData(noder[i], data->at(i));
    }
    Modified = false;
    return true;
}

void TStruktur::saetData(QTreeWidgetItem* node, const QString& data)
{
    node->setData(0, dataRolle, data);
    const int index = data.isEmpty() || !data[0].isDigit() ? 0 : data[0].digitValue();
    node->setIcon(0, billede(style(), index));
}

QString TStruktur::sidenavn(const QTreeWidgetItem* node)
{
    const QString data = node ? node->data(0, dataRolle).toString() : QString();
    return data.mid(1);
}

QString TStruktur::SelectedData() const
{
    const QList<QTreeWidgetItem*> valgte = selectedItems();
    return DataOn && !valgte.isEmpty() ? sidenavn(valgte.first()) : QString();
}

QTreeWidgetItem* TStruktur::nodeMedSide(const QString& DataUrl) const
{
    const QString side = udenEfternavn(DataUrl);
    for (QTreeWidgetItem* node : noderDybdeFoerst())
        if (sidenavn(node) == side)
            return node;
    return nullptr;
}

bool TStruktur::setSelected(const QString& DataUrl)
{
    QTreeWidgetItem* node = nodeMedSide(DataUrl);
    if (!node || node->isSelected())
        return false;
    setCurrentItem(node);
    return true;
}

QString TStruktur::getNodeTekst(const QString& DataUrl)
{
    QTreeWidgetItem* node = nodeMedSide(DataUrl);
    if (!node)
        return {};
    setCurrentItem(node);
    return node->text(0);
}

QTreeWidgetItem* TStruktur::nodeMedTekst(const QString& tekst) const
{
    for (QTreeWidgetItem* node : noderDybdeFoerst())
        if (node->text(0).compare(tekst, Qt::CaseInsensitive) == 0)
            return node;
    return nullptr;
}
