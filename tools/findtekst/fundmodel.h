#pragma once

#include "tools/findtekst/dokumentsoegning.h"

#include <QAbstractTableModel>
#include <vector>

// The hit list's rows as a table of document, position and line, for a view that shows a
// million of them without stalling.
class Fundmodel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const Fundraekke& raekke(int nr) const { return raekker[size_t(nr)]; }
    void tilfoej(const QList<Fundraekke>& nye);
    // Removes the rows (any order, duplicates allowed).
    void fjern(QList<int> nr);
    void ryd();

private:
    std::vector<Fundraekke> raekker;
};
