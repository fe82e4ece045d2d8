#pragma once

// The history table as a model: one row per administration, its texts made when a view asks,
// so that a folder of thousands of records fills the table at once.

#include "history/client_history.h"

#include <QAbstractTableModel>

#include <vector>

namespace obrix::ui {

class HistoryTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    // Date of test, file, then raw score, z-score and percentile of each scale, then the
    // Total's change from the first and from the previous administration and the cut-off, then
    // the OCD scale, the Hoarding Disorder subscale, the Total's reliable change from the first
    // administration and recovery.
    static constexpr int kFixedColumns = 2;
    static constexpr int kColumnsPerScale = 3;
    static constexpr int kFirstTrailingColumn =
        kFixedColumns + kColumnsPerScale * scoring::kScaleCount;
    static constexpr int kColumnCount = kFirstTrailingColumn + 7;

    using QAbstractTableModel::QAbstractTableModel;

    void setAdministrations(const std::vector<history::Administration>* administrations);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString text(const history::Administration& administration, int column) const;
    // Bold for a split scale at or above its cut-off and for a reliable change.
    bool stands(const history::Administration& administration, int column) const;

    const std::vector<history::Administration>* administrations_ = nullptr;
};

} // namespace obrix::ui
