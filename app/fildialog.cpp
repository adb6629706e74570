#include "app/fildialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

namespace {

constexpr int datokolonne = 3;

// The file model writes its dates in the system's language; the program writes them in Danish.
class DanskeDatoer : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (index.column() == datokolonne && role == Qt::DisplayRole)
            if (const auto* filer = qobject_cast<const QFileSystemModel*>(sourceModel()))
                return QLocale().toString(filer->lastModified(mapToSource(index)), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }
};

}  // namespace

void tilpasFildialog(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new DanskeDatoer(&dialog));
    dialog.setViewMode(QFileDialog::Detail);
    if (auto* liste = dialog.findChild<QTreeView*>()) {
        QHeaderView* hoved = liste->header();
        hoved->setStretchLastSection(false);
        hoved->setSectionResizeMode(QHeaderView::ResizeToContents);
        hoved->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    dialog.resize(dialog.sizeHint().expandedTo(QSize(760, 460)));
}
