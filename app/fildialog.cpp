#include "app/fildialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

namespace {

constexpr int stoerrelseskolonne = 1;
constexpr int datokolonne = 3;

// The file model writes its sizes and dates in the system's language; the program in Danish.
class DanskeTal : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* filer = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (filer && role == Qt::DisplayRole) {
            const QModelIndex kilde = mapToSource(index);
            if (index.column() == datokolonne)
                return QLocale().toString(filer->lastModified(kilde), QLocale::ShortFormat);
            if (index.column() == stoerrelseskolonne && !filer->isDir(kilde))
                return QLocale().formattedDataSize(filer->size(kilde));
        }
        return QIdentityProxyModel::data(index, role);
    }
};

}  // namespace

void tilpasFildialog(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new DanskeTal(&dialog));
    dialog.setViewMode(QFileDialog::Detail);
    if (auto* liste = dialog.findChild<QTreeView*>()) {
        QHeaderView* hoved = liste->header();
        hoved->setStretchLastSection(false);
        hoved->setSectionResizeMode(QHeaderView::ResizeToContents);
        hoved->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    dialog.resize(dialog.sizeHint().expandedTo(QSize(760, 460)));
}
