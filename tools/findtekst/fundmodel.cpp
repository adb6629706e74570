#include "tools/findtekst/fundmodel.h"

#include <algorithm>

int Fundmodel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(raekker.size()); }

int Fundmodel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant Fundmodel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const Fundraekke& r = raekker[size_t(index.row())];
    switch (index.column()) {
    case 0:
        return r.dokument;
    case 1:
        return role == Qt::DisplayRole ? QVariant(qlonglong(r.position)) : QVariant();
    default:
        return r.linje;
    }
}

QVariant Fundmodel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const titler[] = {"Dokument", "Position", "Tekst"};
    return QString::fromLatin1(titler[section]);
}

void Fundmodel::tilfoej(const QList<Fundraekke>& nye)
{
    if (nye.isEmpty())
        return;
    beginInsertRows({}, int(raekker.size()), int(raekker.size() + nye.size() - 1));
    raekker.insert(raekker.end(), nye.cbegin(), nye.cend());
    endInsertRows();
}

void Fundmodel::fjern(QList<int> nr)
{
    std::sort(nr.begin(), nr.end(), std::greater<>());
    nr.erase(std::unique(nr.begin(), nr.end()), nr.end());
    // From the bottom, a run of neighbouring rows at a time.
    for (qsizetype i = 0; i < nr.size();) {
        qsizetype j = i;
        while (j + 1 < nr.size() && nr[j + 1] == nr[j] - 1)
            ++j;
        beginRemoveRows({}, nr[j], nr[i]);
        raekker.erase(raekker.begin() + nr[j], raekker.begin() + nr[i] + 1);
        endRemoveRows();
        i = j + 1;
    }
}

void Fundmodel::ryd()
{
    beginResetModel();
    raekker.clear();
    endResetModel();
}
